// Picture texture wrap in the browser.
#include "render/texture_wrap.h"

const GLint pictureWrap = GL_CLAMP_TO_EDGE;
