// Picture copy in the browser: WebGL 1 has no framebuffer blit, so every
// full-screen picture keeps drawing as its sprite.
#include "render/picture_copy.h"

void PictureCopy::wrap(GLuint) { framebuffer = 0; }

// Never reached: pictures are copied only with a framebuffer.
void PictureCopy::copyIntoFrame() const {}
void PictureCopy::copyAreaIntoFrame(int, int, int, int) const {}

bool framebufferBlits() { return false; }
