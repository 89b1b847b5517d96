// Texture parameters that WebGL restricts, set apart for the browser build.
#pragma once

#include <GL/gl.h>

// How picture textures wrap at their edges: GL_CLAMP on the desktop; WebGL
// lacks it, and there GL_CLAMP_TO_EDGE, which differs only in never
// blending the border colour in.
extern const GLint pictureWrap;

// Internal format of the glyph textures, uploaded from GL_LUMINANCE_ALPHA
// bytes: GL_RGBA on the desktop; WebGL wants the internal format to equal
// the format, and GL_LUMINANCE_ALPHA samples alike (red, green, blue and
// alpha all the coverage).
extern const GLint glyphInternalFormat;

// Internal format of an opaque picture, uploaded from RGBA bytes whose alpha
// is all 255: GL_RGB on the desktop, which drops the filler; WebGL wants the
// internal format to equal the format, and GL_RGBA samples alike there.
extern const GLint opaquePictureFormat;
