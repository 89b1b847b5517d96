// PNG texture loader: one PNG file into a new OpenGL texture object.
#pragma once

#include <GL/gl.h>

// Loads the PNG at path into a new GL_RGBA texture object holding the whole
// picture, alpha 255 where the file has no alpha channel, the top row
// at t = 0, wrap pictureWrap on both axes, GL_LINEAR minification and
// magnification, no mipmaps. Sides need not be powers of two; a side larger
// than GL_MAX_TEXTURE_SIZE is refused. VIEWING_GAMMA is read at every load.
// Returns the texture name, or 0 on failure, leaving no texture object
// behind: silently for a missing file or one without the PNG signature,
// with libpng's "libpng error: ..." on standard error for a damaged one.
// Needs a current GL context; keeps the texture binding as it was.
GLuint loadPngTexture(const char* path);
