// How picture textures wrap at their edges.
#pragma once

#include <GL/gl.h>

// GL_CLAMP on the desktop; WebGL lacks it, and there GL_CLAMP_TO_EDGE,
// which differs only in never blending the border colour in.
extern const GLint pictureWrap;
