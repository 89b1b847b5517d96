// PNG texture loader: decodes with png_decode, then uploads one level.
#include "render/png_texture.h"

#include <optional>

#include "render/png_decode.h"
#include "render/texture_params.h"

namespace {

std::optional<PngImage> decodeForTexture(const char* path) {
  GLint maxSide = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSide);
  // Four bytes a pixel whatever the file holds: the renderer takes them as
  // they are, where RGB rows would be converted on the way in.
  return decodePngFile(path, maxSide, picturePixels);
}

GLuint uploadTexture(const PngImage& image) {
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
  // Rows are packed without padding.
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  // The decoder's first row is the picture's top, and row 0 is t = 0.
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, image.width, image.height, 0,
               pictureSourceFormat, GL_UNSIGNED_BYTE, image.pixels.data());
  glPixelStorei(GL_UNPACK_ALIGNMENT, previousAlignment);
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(previousTexture));

  if (glGetError() != GL_NO_ERROR) {
    glDeleteTextures(1, &texture);
    return 0;
  }
  return texture;
}

}  // namespace

GLuint loadPngTexture(const char* path) {
  const std::optional<PngImage> image = decodeForTexture(path);
  return image ? uploadTexture(*image) : 0;
}
