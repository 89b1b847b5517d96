// Picture texture wrap on the desktop.
#include "render/texture_wrap.h"

const GLint pictureWrap = GL_CLAMP;
