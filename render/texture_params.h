// Texture parameters that WebGL restricts, set apart for the browser build.
#pragma once

#include <GL/gl.h>

#include "render/png_decode.h"

// How picture textures wrap at their edges: GL_CLAMP on the desktop; WebGL
// lacks it, and there GL_CLAMP_TO_EDGE, which differs only in never
// blending the border colour in.
extern const GLint pictureWrap;

// Internal format of the glyph textures, uploaded from GL_LUMINANCE_ALPHA
// bytes: GL_RGBA on the desktop; WebGL wants the internal format to equal
// the format, and GL_LUMINANCE_ALPHA samples alike (red, green, blue and
// alpha all the coverage).
extern const GLint glyphInternalFormat;

// The byte order pictures are decoded in and uploaded from, into textures
// of the unsized GL_RGBA format, opaque ones with alpha 255: GL_BGRA on the
// desktop, where the software renderer then copies a picture 1:1 into the
// window as plain memory; WebGL has only GL_RGBA.
extern const PngPixels picturePixels;
extern const GLenum pictureSourceFormat;
