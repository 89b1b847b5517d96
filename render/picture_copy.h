// Picture copy: a full-screen picture's texture held in a framebuffer, so
// a frame that shows it 1:1 copies it into the window instead of shading a
// quad.
#pragma once

#include <GL/gl.h>

struct PictureCopy {
  GLuint framebuffer = 0;  // 0 when the picture cannot be copied
  int width = 0;           // texels
  int height = 0;
  bool opaque = false;  // no texel is translucent (RGB, or all alpha 255)

  // Wraps the texture in a framebuffer of its own, once, at load time.
  // Leaves framebuffer 0 for texture 0 (a failed load) or when the driver
  // has no framebuffer blit (OpenGL before 3.0). Keeps the bindings.
  void wrap(GLuint texture);
  // Copies the picture upright into the framebuffer being drawn (the
  // window's back buffer, or a kept layer while it is drawn), its top row
  // at the top, touching nothing but colour. Needs a framebuffer.
  void copyIntoFrame() const;
  // The same for the pixels of a 1:1 picture from left to right and bottom
  // to top (window pixels, counted from the bottom-left; right and top
  // excluded), leaving the rest of the frame as it is.
  void copyAreaIntoFrame(int left, int bottom, int right, int top) const;
};

// Whether the driver copies between framebuffers (OpenGL 3.0 on).
bool framebufferBlits();
