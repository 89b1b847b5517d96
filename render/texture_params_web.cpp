// Texture parameters in the browser.
#include "render/texture_params.h"

const GLint pictureWrap = GL_CLAMP_TO_EDGE;
const GLint glyphInternalFormat = GL_LUMINANCE_ALPHA;
const PngPixels picturePixels = PngPixels::AlwaysRgba;
const GLenum pictureSourceFormat = GL_RGBA;
