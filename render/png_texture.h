// PNG texture loader: one PNG file into a new OpenGL texture object.
#pragma once

#include <GL/gl.h>

#include <optional>

#include "render/png_decode.h"

// Loads the PNG at path into a new texture object holding the whole picture:
// GL_RGBA when the file has an alpha channel, GL_RGB otherwise, the top row
// at t = 0, wrap pictureWrap on both axes, GL_LINEAR minification and
// magnification, no mipmaps. Sides need not be powers of two; a side larger
// than GL_MAX_TEXTURE_SIZE is refused. VIEWING_GAMMA is read at every load.
// Returns the texture name, or 0 on failure, leaving no texture object
// behind: silently for a missing file or one without the PNG signature,
// with libpng's "libpng error: ..." on standard error for a damaged one.
// Needs a current GL context; keeps the texture binding as it was.
GLuint loadPngTexture(const char* path);

// The two halves of loadPngTexture, for a caller that also wants the
// pixels: the decode (RGBA, sides up to GL_MAX_TEXTURE_SIZE), and the
// upload of a picture it decoded, 0 when the renderer refuses it.
std::optional<PngImage> decodeForTexture(const char* path);
GLuint uploadTexture(const PngImage& image);
