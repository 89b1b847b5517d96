// Texture parameters on the desktop.
#include "render/texture_params.h"

const GLint pictureWrap = GL_CLAMP;
const GLint glyphInternalFormat = GL_RGBA;
const GLint opaquePictureFormat = GL_RGB;
