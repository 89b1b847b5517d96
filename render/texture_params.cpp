// Texture parameters on the desktop.
#include "render/texture_params.h"

const GLint pictureWrap = GL_CLAMP;
const GLint glyphInternalFormat = GL_RGBA;
const PngPixels picturePixels = PngPixels::AlwaysBgra;
const GLenum pictureSourceFormat = GL_BGRA;
