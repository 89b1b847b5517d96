// PNG texture loader: decodes with png_decode, then uploads one level.
#include "render/png_texture.h"

#include "render/png_decode.h"
#include "render/texture_params.h"

GLuint loadPngTexture(const char* path) {
  GLint maxSide = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSide);
  const std::optional<PngImage> image = decodePngFile(path, maxSide);
  if (!image) return 0;

  // An error left over from earlier calls must not be taken for ours.
  while (glGetError() != GL_NO_ERROR) {
  }
  GLint previousTexture = 0;
  GLint previousAlignment = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &previousTexture);
  glGetIntegerv(GL_UNPACK_ALIGNMENT, &previousAlignment);

  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, pictureWrap);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, pictureWrap);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  // Rows are packed without padding, and RGB rows need not fill 4 bytes.
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  const GLenum format = image->hasAlpha ? GL_RGBA : GL_RGB;
  // The decoder's first row is the picture's top, and row 0 is t = 0.
  glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format), image->width,
               image->height, 0, format, GL_UNSIGNED_BYTE,
               image->pixels.data());
  glPixelStorei(GL_UNPACK_ALIGNMENT, previousAlignment);
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(previousTexture));

  if (glGetError() != GL_NO_ERROR) {
    glDeleteTextures(1, &texture);
    return 0;
  }
  return texture;
}
