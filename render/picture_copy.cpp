// Picture copy through a framebuffer blit.
#define GL_GLEXT_PROTOTYPES
#include "render/picture_copy.h"

#include <GL/glext.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

bool hasOnlyOpaqueTexels(int width, int height) {
  GLint alphaBits = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_ALPHA_SIZE, &alphaBits);
  if (alphaBits == 0) return true;
  std::vector<GLubyte> alpha(static_cast<std::size_t>(width) * height);
  GLint previousAlignment = 0;
  glGetIntegerv(GL_PACK_ALIGNMENT, &previousAlignment);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_ALPHA, GL_UNSIGNED_BYTE, alpha.data());
  glPixelStorei(GL_PACK_ALIGNMENT, previousAlignment);
  return std::all_of(alpha.begin(), alpha.end(),
                     [](GLubyte a) { return a == 255; });
}

}  // namespace

bool framebufferBlits() {
  const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
  return version != nullptr && std::atoi(version) >= 3;
}

void PictureCopy::wrap(GLuint texture) {
  framebuffer = 0;
  if (texture == 0 || !framebufferBlits()) return;
  GLint previousTexture = 0, previousRead = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &previousTexture);
  glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &previousRead);
  glBindTexture(GL_TEXTURE_2D, texture);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
  opaque = hasOnlyOpaqueTexels(width, height);

  glGenFramebuffers(1, &framebuffer);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
  glFramebufferTexture2D(GL_READ_FRAMEBUFFER, GL_COLOR_ATTACHMENT0,
                         GL_TEXTURE_2D, texture, 0);
  if (glCheckFramebufferStatus(GL_READ_FRAMEBUFFER) !=
      GL_FRAMEBUFFER_COMPLETE) {
    glDeleteFramebuffers(1, &framebuffer);
    framebuffer = 0;
  }
  glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(previousRead));
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(previousTexture));
}

void PictureCopy::copyIntoFrame() const {
  copyAreaIntoFrame(0, 0, width, height);
}

void PictureCopy::copyAreaIntoFrame(int left, int bottom, int right,
                                    int top) const {
  glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
  // Texel row 0 is the picture's top; the frame's row 0 is its bottom.
  glBlitFramebuffer(left, height - top, right, height - bottom, left, top,
                    right, bottom, GL_COLOR_BUFFER_BIT, GL_NEAREST);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
}
