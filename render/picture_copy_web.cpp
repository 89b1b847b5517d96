// Picture copy in the browser: WebGL 1 has no framebuffer blit, so every
// full-screen picture keeps drawing as its sprite.
#include "render/picture_copy.h"

void PictureCopy::wrap(GLuint) { framebuffer = 0; }

// Never reached: the scenery copies only a picture with a framebuffer.
void PictureCopy::copyToWindow() const {}
