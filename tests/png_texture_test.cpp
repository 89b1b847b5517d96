// The PNG texture loader in a real GL context: what the texture object
// holds, the state it leaves, and what a failed load leaves behind.
#include "render/png_texture.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <vector>

#include "tests/support/gl_stage.h"
#include "tests/support/png_files.h"

namespace {

struct Texture {
  GLint width = 0;
  GLint height = 0;
  GLint alphaBits = 0;
  GLint wrapS = 0, wrapT = 0, minFilter = 0, magFilter = 0;
  std::vector<unsigned> rgba;  // level 0, row t = 0 first
};

Texture inspect(GLuint name) {
  Texture texture;
  glBindTexture(GL_TEXTURE_2D, name);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &texture.width);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT,
                           &texture.height);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_ALPHA_SIZE,
                           &texture.alphaBits);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &texture.wrapS);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &texture.wrapT);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &texture.minFilter);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &texture.magFilter);
  std::vector<GLubyte> bytes(static_cast<size_t>(texture.width) *
                             texture.height * 4);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, bytes.data());
  texture.rgba.assign(bytes.begin(), bytes.end());
  glBindTexture(GL_TEXTURE_2D, 0);
  return texture;
}

GLuint load(const std::vector<unsigned char>& file) {
  writeFile(picturePath("probe.png"), file);
  return loadPngTexture(picturePath("probe.png").c_str());
}

TEST(PngTexture, HoldsTheWholePictureTopRowAtTZeroClampedAndLinear) {
  // 3 x 5 RGB: neither side a power of two, rows of 9 bytes.
  std::vector<unsigned> rgb;
  std::vector<unsigned> expected;
  for (int i = 0; i < 15; ++i) {
    const unsigned r = i * 16, g = 255 - i, b = i * 3;
    rgb.insert(rgb.end(), {r, g, b});
    expected.insert(expected.end(), {r, g, b, 255});
  }
  PngPicture picture;
  picture.width = 3;
  picture.height = 5;
  picture.samples = rgb;
  const GLuint texture = load(encodePng(picture));
  ASSERT_NE(texture, 0u);
  const Texture t = inspect(texture);
  EXPECT_EQ(t.width, 3);
  EXPECT_EQ(t.height, 5);
  EXPECT_EQ(t.rgba, expected);
  EXPECT_EQ(t.wrapS, GL_CLAMP);
  EXPECT_EQ(t.wrapT, GL_CLAMP);
  EXPECT_EQ(t.minFilter, GL_LINEAR);
  EXPECT_EQ(t.magFilter, GL_LINEAR);
}

TEST(PngTexture, AlphaFilesGiveRgbaTexturesAndPaletteFilesOpaqueOnes) {
  const Texture withAlpha =
      inspect(load(rgbaPng(2, 1, {10, 20, 30, 77, 40, 50, 60, 0})));
  EXPECT_GT(withAlpha.alphaBits, 0);
  EXPECT_EQ(withAlpha.rgba,
            (std::vector<unsigned>{10, 20, 30, 77, 40, 50, 60, 0}));

  PngPicture palette;
  palette.width = 3;
  palette.height = 1;
  palette.colourType = PNG_COLOR_TYPE_PALETTE;
  palette.samples = {0, 1, 0};
  palette.palette = {{200, 100, 50}, {1, 2, 3}};
  palette.paletteAlpha = {0, 64};
  const Texture opaque = inspect(load(encodePng(palette)));
  // Opaque pictures hold alpha 255: the unsized RGBA format copies fastest.
  EXPECT_EQ(opaque.rgba, (std::vector<unsigned>{200, 100, 50, 255, 1, 2, 3, 255,
                                                200, 100, 50, 255}));
}

TEST(PngTexture, KeepsTheUnpackAlignmentAndTheBoundTexture) {
  GLuint bound = 0;
  glGenTextures(1, &bound);
  glBindTexture(GL_TEXTURE_2D, bound);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 8);
  const GLuint texture = load(solidPng(3, 3, 9, 8, 7));
  GLint alignment = 0, binding = 0;
  glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &binding);
  EXPECT_EQ(alignment, 8);
  EXPECT_EQ(binding, static_cast<GLint>(bound));
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  // Packed rows despite the alignment the caller had set.
  EXPECT_EQ(inspect(texture).rgba[4 * 8], 9u);
}

TEST(PngTexture, EveryLoadMakesANewTexture) {
  const std::vector<unsigned char> file = solidPng(2, 2, 1, 2, 3);
  const GLuint first = load(file);
  const GLuint second = load(file);
  EXPECT_NE(first, 0u);
  EXPECT_NE(second, 0u);
  EXPECT_NE(first, second);
}

TEST(PngTexture, FailedLoadsReturnZeroAndLeaveNoTextureBehind) {
  const int before = liveTextures();
  GLint maxSide = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSide);
  PngPicture tooWide;
  tooWide.width = maxSide + 1;
  tooWide.colourType = PNG_COLOR_TYPE_GRAY;
  tooWide.bitDepth = 1;
  tooWide.samples.assign(maxSide + 1, 1);
  const std::vector<unsigned char> good = solidPng(4, 4, 1, 2, 3);

  testing::internal::CaptureStderr();
  EXPECT_EQ(loadPngTexture("./images/no-such-picture.png"), 0u);
  EXPECT_EQ(load({'n', 'o', 't', ' ', 'a', ' ', 'P', 'N', 'G'}), 0u);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

  testing::internal::CaptureStderr();
  EXPECT_EQ(load({good.begin(), good.begin() + good.size() / 2}), 0u);
  EXPECT_EQ(load(encodePng(tooWide)), 0u);
  const std::string messages = testing::internal::GetCapturedStderr();
  EXPECT_NE(messages.find("libpng error: "), std::string::npos);
  EXPECT_NE(messages.find("exceeds user limit"), std::string::npos);

  EXPECT_EQ(liveTextures(), before);
}

TEST(PngTexture, ReadsViewingGammaAtEveryLoad) {
  PngPicture picture;
  picture.colourType = PNG_COLOR_TYPE_GRAY;
  picture.samples = {128};
  picture.gamma = 0.45455;
  const std::vector<unsigned char> file = encodePng(picture);
  unsetenv("VIEWING_GAMMA");
  EXPECT_EQ(inspect(load(file)).rgba[0], 128u);
  setenv("VIEWING_GAMMA", "2.2", 1);
  EXPECT_NEAR(inspect(load(file)).rgba[0], 56.0, 1.0);
  unsetenv("VIEWING_GAMMA");
}

}  // namespace
