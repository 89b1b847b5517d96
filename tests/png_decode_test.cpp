// PNG decoding on files made with libpng: colour types, depths, layouts,
// damaged input and the VIEWING_GAMMA screen gamma. No GL.
#include "render/png_decode.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/png_files.h"
#include "tests/support/run_dir.h"

namespace {

constexpr int kAnySide = 4096;

std::optional<PngImage> decode(const std::vector<unsigned char>& file,
                               double screenGamma = kDefaultScreenGamma,
                               int maxSide = kAnySide) {
  return decodePng(file.data(), file.size(), maxSide, screenGamma);
}

std::vector<unsigned> bytesOf(const PngImage& image) {
  return std::vector<unsigned>(image.pixels.begin(), image.pixels.end());
}

PngPicture picture(int width, int height, int colourType, int bitDepth,
                   std::vector<unsigned> samples) {
  PngPicture s;
  s.width = width;
  s.height = height;
  s.colourType = colourType;
  s.bitDepth = bitDepth;
  s.samples = std::move(samples);
  return s;
}

// A grey file whose one pixel has the value 128, tagged with a gAMA chunk
// when gamma is positive.
std::vector<unsigned char> midGrey(double gamma) {
  PngPicture s = picture(1, 1, PNG_COLOR_TYPE_GRAY, 8, {128});
  s.gamma = gamma;
  return encodePng(s);
}

struct TempFile {
  const RunDir scratch;
  const std::string path = scratch.file("picture.png");
  explicit TempFile(const std::vector<unsigned char>& bytes) {
    writeFile(path, bytes);
  }
};

struct ViewingGamma {
  explicit ViewingGamma(const char* value) {
    setenv("VIEWING_GAMMA", value, 1);
  }
  ~ViewingGamma() { unsetenv("VIEWING_GAMMA"); }
};

TEST(PngDecode, FilesWithAnAlphaChannelLoadAsRgbaTopRowFirst) {
  const auto rgba = decode(encodePng(
      picture(2, 2, PNG_COLOR_TYPE_RGB_ALPHA, 8,
              {255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 0, 10, 20, 30, 40})));
  ASSERT_TRUE(rgba);
  EXPECT_TRUE(rgba->hasAlpha);
  EXPECT_EQ(rgba->width, 2);
  EXPECT_EQ(rgba->height, 2);
  EXPECT_EQ(bytesOf(*rgba),
            (std::vector<unsigned>{255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 0,
                                   10, 20, 30, 40}));

  // Grey and alpha: the grey value fills all three colours.
  const auto greyAlpha = decode(
      encodePng(picture(2, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {200, 255, 7, 0})));
  ASSERT_TRUE(greyAlpha);
  EXPECT_TRUE(greyAlpha->hasAlpha);
  EXPECT_EQ(bytesOf(*greyAlpha),
            (std::vector<unsigned>{200, 200, 200, 255, 7, 7, 7, 0}));
}

TEST(PngDecode, FilesWithoutAlphaLoadAsRgb) {
  const auto rgb = decode(encodePng(
      picture(3, 1, PNG_COLOR_TYPE_RGB, 8, {1, 2, 3, 4, 5, 6, 7, 8, 9})));
  ASSERT_TRUE(rgb);
  EXPECT_FALSE(rgb->hasAlpha);
  EXPECT_EQ(rgb->channels(), 3);
  EXPECT_EQ(bytesOf(*rgb), (std::vector<unsigned>{1, 2, 3, 4, 5, 6, 7, 8, 9}));

  const auto grey =
      decode(encodePng(picture(2, 1, PNG_COLOR_TYPE_GRAY, 8, {0, 99})));
  ASSERT_TRUE(grey);
  EXPECT_FALSE(grey->hasAlpha);
  EXPECT_EQ(bytesOf(*grey), (std::vector<unsigned>{0, 0, 0, 99, 99, 99}));
}

TEST(PngDecode, LowDepthGreyIsStretchedToFullRange) {
  struct Case {
    int depth;
    std::vector<unsigned> samples;
    std::vector<unsigned> grey;
  };
  for (const Case& c : {Case{1, {0, 1, 1}, {0, 255, 255}},
                        Case{2, {0, 1, 2, 3, 3}, {0, 85, 170, 255, 255}},
                        Case{4, {0, 15, 5}, {0, 255, 85}}}) {
    const int width = static_cast<int>(c.samples.size());
    const auto image = decode(
        encodePng(picture(width, 1, PNG_COLOR_TYPE_GRAY, c.depth, c.samples)));
    ASSERT_TRUE(image) << c.depth;
    std::vector<unsigned> expected;
    for (unsigned g : c.grey) expected.insert(expected.end(), {g, g, g});
    EXPECT_EQ(bytesOf(*image), expected) << c.depth << "-bit";
  }
}

TEST(PngDecode, PaletteImagesLoadOpaqueWithTheirColoursEvenWithTransparency) {
  // Three pixels a row, 4-bit indices: an odd width that a stray alpha
  // byte per pixel would shear from the second row on.
  PngPicture s = picture(3, 2, PNG_COLOR_TYPE_PALETTE, 4, {0, 1, 2, 2, 1, 0});
  s.palette = {{250, 10, 20}, {30, 240, 40}, {50, 60, 230}};
  const std::vector<unsigned> expected = {250, 10,  20,  30,  240, 40,
                                          50,  60,  230, 50,  60,  230,
                                          30,  240, 40,  250, 10,  20};
  const auto plain = decode(encodePng(s));
  ASSERT_TRUE(plain);
  EXPECT_FALSE(plain->hasAlpha);
  EXPECT_EQ(bytesOf(*plain), expected);

  s.paletteAlpha = {0, 128};
  const auto withTrns = decode(encodePng(s));
  ASSERT_TRUE(withTrns);
  EXPECT_FALSE(withTrns->hasAlpha);
  EXPECT_EQ(withTrns->pixels.size(), 3u * 2u * 3u);
  EXPECT_EQ(bytesOf(*withTrns), expected);
}

TEST(PngDecode, SixteenBitSamplesAreReducedToEight) {
  // v * 257 is the 16-bit spelling of the 8-bit value v.
  const auto rgb = decode(
      encodePng(picture(2, 1, PNG_COLOR_TYPE_RGB, 16,
                        {0, 255 * 257, 18 * 257, 171 * 257, 65535, 1 * 257})));
  ASSERT_TRUE(rgb);
  EXPECT_FALSE(rgb->hasAlpha);
  EXPECT_EQ(bytesOf(*rgb), (std::vector<unsigned>{0, 255, 18, 171, 255, 1}));

  const auto rgba =
      decode(encodePng(picture(1, 1, PNG_COLOR_TYPE_RGB_ALPHA, 16,
                               {100 * 257, 150 * 257, 200 * 257, 77 * 257})));
  ASSERT_TRUE(rgba);
  EXPECT_EQ(bytesOf(*rgba), (std::vector<unsigned>{100, 150, 200, 77}));

  const auto greyAlpha = decode(encodePng(
      picture(1, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 16, {60 * 257, 250 * 257})));
  ASSERT_TRUE(greyAlpha);
  EXPECT_EQ(bytesOf(*greyAlpha), (std::vector<unsigned>{60, 60, 60, 250}));
}

TEST(PngDecode, InterlacedImagesMatchTheirNonInterlacedTwin) {
  // 11 x 9 exercises every Adam7 pass, including partial blocks.
  PngPicture s;
  s.width = 11;
  s.height = 9;
  s.colourType = PNG_COLOR_TYPE_RGB_ALPHA;
  for (int i = 0; i < s.width * s.height; ++i)
    s.samples.insert(s.samples.end(),
                     {unsigned(i * 7 % 256), unsigned(i * 13 % 256),
                      unsigned(255 - i), unsigned(i * 3 % 256)});
  const auto plain = decode(encodePng(s));
  s.interlaced = true;
  const std::vector<unsigned char> file = encodePng(s);
  testing::internal::CaptureStderr();
  const auto interlaced = decode(file);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  ASSERT_TRUE(plain);
  ASSERT_TRUE(interlaced);
  EXPECT_EQ(bytesOf(*plain), s.samples);
  EXPECT_EQ(bytesOf(*interlaced), s.samples);
}

TEST(PngDecode, AlwaysRgbaAndBgraGiveTheSameColoursWithOpaqueAlphaAdded) {
  PngPicture palette =
      picture(3, 2, PNG_COLOR_TYPE_PALETTE, 4, {0, 1, 2, 2, 1, 0});
  palette.palette = {{250, 10, 20}, {30, 240, 40}, {50, 60, 230}};
  palette.paletteAlpha = {0, 128};
  PngPicture interlaced =
      picture(3, 3, PNG_COLOR_TYPE_RGB, 8, std::vector<unsigned>(27, 0));
  for (unsigned i = 0; i < 27; ++i) interlaced.samples[i] = i * 9;
  interlaced.interlaced = true;
  const PngPicture pictures[] = {
      picture(3, 1, PNG_COLOR_TYPE_RGB, 8, {1, 2, 3, 4, 5, 6, 7, 8, 9}),
      picture(3, 1, PNG_COLOR_TYPE_GRAY, 2, {0, 1, 3}),
      picture(1, 1, PNG_COLOR_TYPE_RGB, 16, {18 * 257, 171 * 257, 65535}),
      palette,
      interlaced,
      picture(2, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {200, 255, 7, 0}),
      picture(1, 1, PNG_COLOR_TYPE_RGB_ALPHA, 8, {10, 20, 30, 40})};
  for (const PngPicture& s : pictures) {
    const std::vector<unsigned char> file = encodePng(s);
    const auto asFile = decode(file);
    const auto rgba = decodePng(file.data(), file.size(), kAnySide,
                                kDefaultScreenGamma, PngPixels::AlwaysRgba);
    ASSERT_TRUE(asFile);
    ASSERT_TRUE(rgba);
    EXPECT_EQ(rgba->hasAlpha, asFile->hasAlpha) << s.colourType;
    EXPECT_EQ(rgba->channels(), 4);
    std::vector<unsigned> expected = bytesOf(*asFile);
    if (!asFile->hasAlpha) {
      expected.clear();
      for (std::size_t i = 0; i < asFile->pixels.size(); i += 3)
        expected.insert(expected.end(),
                        {asFile->pixels[i], asFile->pixels[i + 1],
                         asFile->pixels[i + 2], 255u});
    }
    EXPECT_EQ(bytesOf(*rgba), expected) << s.colourType;
    const auto bgra = decodePng(file.data(), file.size(), kAnySide,
                                kDefaultScreenGamma, PngPixels::AlwaysBgra);
    ASSERT_TRUE(bgra);
    EXPECT_EQ(bgra->hasAlpha, asFile->hasAlpha) << s.colourType;
    for (std::size_t i = 0; i < expected.size(); i += 4)
      std::swap(expected[i], expected[i + 2]);
    EXPECT_EQ(bytesOf(*bgra), expected) << s.colourType;
  }
}

TEST(PngDecode, SidesNeedNotBePowersOfTwoAndMayBeOnePixel) {
  for (const auto& [width, height] :
       std::vector<std::pair<int, int>>{{5, 3}, {1, 7}, {7, 1}, {1, 1}}) {
    std::vector<unsigned> samples;
    for (int i = 0; i < width * height; ++i)
      samples.insert(samples.end(), {unsigned(i), unsigned(2 * i), 9u});
    const auto image = decode(
        encodePng(picture(width, height, PNG_COLOR_TYPE_RGB, 8, samples)));
    ASSERT_TRUE(image) << width << "x" << height;
    EXPECT_EQ(image->width, width);
    EXPECT_EQ(image->height, height);
    EXPECT_EQ(bytesOf(*image), samples) << width << "x" << height;
  }
}

TEST(PngDecode, ATruncatedFileFailsWithLibpngsMessage) {
  std::vector<unsigned char> file = encodePng(picture(
      8, 8, PNG_COLOR_TYPE_RGB, 8, std::vector<unsigned>(8 * 8 * 3, 77)));
  for (const std::size_t keep : {file.size() / 2, std::size_t{12}}) {
    const std::vector<unsigned char> cut(file.begin(), file.begin() + keep);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(decode(cut)) << keep;
    EXPECT_EQ(testing::internal::GetCapturedStderr().rfind("libpng error: ", 0),
              0u)
        << keep;
  }
}

TEST(PngDecode, AHeaderClaimingMoreThanTheDataCanHoldFailsWithLibpngsMessage) {
  // Plain and interlaced alike: 69 bytes cannot inflate to 16384 x 16384
  // pixels, nor to a single row of 2 ^ 20 of them.
  for (const bool interlaced : {false, true}) {
    for (const auto& [width, height] : std::vector<std::pair<int, int>>{
             {16384, 16384}, {1 << 20, 1}, {300, 300}}) {
      testing::internal::CaptureStderr();
      EXPECT_FALSE(decode(lyingPng(width, height, interlaced),
                          kDefaultScreenGamma, 1 << 20))
          << width;
      EXPECT_NE(testing::internal::GetCapturedStderr().find(
                    "libpng error: Image is larger than its data can hold"),
                std::string::npos)
          << width << " x " << height << (interlaced ? " interlaced" : "");
    }
  }
}

TEST(PngDecode, BytesWithoutThePngSignatureFailSilently) {
  const std::vector<unsigned char> valid =
      encodePng(picture(1, 1, PNG_COLOR_TYPE_RGB, 8, {1, 2, 3}));
  const std::string text = "GIF89a, not a PNG at all";
  for (const std::vector<unsigned char>& bytes :
       {std::vector<unsigned char>(text.begin(), text.end()),
        std::vector<unsigned char>{},
        std::vector<unsigned char>(valid.begin(), valid.begin() + 7)}) {
    testing::internal::CaptureStderr();
    EXPECT_FALSE(decode(bytes));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  }
}

TEST(PngDecode, AMissingFileFailsSilentlyAndADirectoryWithOneLine) {
  testing::internal::CaptureStderr();
  EXPECT_FALSE(decodePngFile("/nonexistent/linkloom/picture.png", kAnySide));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  testing::internal::CaptureStderr();
  EXPECT_FALSE(decodePngFile("/tmp", kAnySide));
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "/tmp: not a regular file, treated as missing\n");
}

TEST(PngDecode, PicturesLargerThanTheLimitAreRefusedWithLibpngsMessage) {
  constexpr int limit = 64;
  const auto row = [](int width, int height) {
    return encodePng(picture(width, height, PNG_COLOR_TYPE_GRAY, 1,
                             std::vector<unsigned>(width * height, 1)));
  };
  EXPECT_TRUE(decode(row(limit, limit), kDefaultScreenGamma, limit));
  for (const auto& file : {row(limit + 1, 1), row(1, limit + 1)}) {
    testing::internal::CaptureStderr();
    EXPECT_FALSE(decode(file, kDefaultScreenGamma, limit));
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_NE(message.find("libpng warning: Image "), std::string::npos);
    EXPECT_NE(message.find("exceeds user limit"), std::string::npos);
    EXPECT_NE(message.find("libpng error: "), std::string::npos);
  }
}

TEST(ScreenGamma, ComesFromViewingGammaWhenThatIsAPositiveNumber) {
  unsetenv("VIEWING_GAMMA");
  EXPECT_DOUBLE_EQ(screenGammaFromEnvironment(), 2.2);
  const ViewingGamma one("1.1");
  EXPECT_DOUBLE_EQ(screenGammaFromEnvironment(), 2.0);
  setenv("VIEWING_GAMMA", "2.2", 1);
  EXPECT_DOUBLE_EQ(screenGammaFromEnvironment(), 1.0);
}

TEST(ScreenGamma, UnusableValuesAreIgnored) {
  for (const char* value : {"", "abc", "0", "-2", "2.2x", " ", "nan", "inf",
                            "-inf", "1e-300", "1e300"}) {
    const ViewingGamma gamma(value);
    EXPECT_DOUBLE_EQ(screenGammaFromEnvironment(), 2.2) << '"' << value << '"';
    // And a load with it goes through, unchanged.
    const TempFile file(midGrey(1.0 / 2.2));
    const auto image = decodePngFile(file.path.c_str(), kAnySide);
    ASSERT_TRUE(image) << value;
    EXPECT_EQ(image->pixels[0], 128) << value;
  }
}

TEST(ScreenGamma, DefaultsLeaveTheUsualFileUnchanged) {
  unsetenv("VIEWING_GAMMA");
  for (const double fileGamma : {0.0, 0.45455}) {
    const TempFile file(midGrey(fileGamma));
    const auto image = decodePngFile(file.path.c_str(), kAnySide);
    ASSERT_TRUE(image);
    EXPECT_EQ(bytesOf(*image), (std::vector<unsigned>{128, 128, 128}))
        << fileGamma;
  }
}

TEST(ScreenGamma, ViewingGammaChangesTheColoursOfAGammaTaggedFileAtEachLoad) {
  const TempFile file(midGrey(0.45455));
  const auto grey = [&] {
    const auto image = decodePngFile(file.path.c_str(), kAnySide);
    return image ? int(image->pixels[0]) : -1;
  };
  unsetenv("VIEWING_GAMMA");
  EXPECT_EQ(grey(), 128);
  {
    // A linear screen: 255 * (128 / 255) ^ 2.2 = 56.
    const ViewingGamma linear("2.2");
    EXPECT_NEAR(grey(), 56, 1);
  }
  {
    // Screen gamma 2.2 / 1.6 = 1.375: exponent 1 / (0.45455 * 1.375) = 1.6.
    const ViewingGamma brighter("1.6");
    EXPECT_NEAR(grey(), std::lround(255 * std::pow(128 / 255.0, 1.6)), 1);
  }
  EXPECT_EQ(grey(), 128);
}

TEST(ScreenGamma, TheFileGammaComesFromItsGamaChunkAndSparesAlpha) {
  // A linear file on a 2.2 screen: 255 * (128 / 255) ^ (1 / 2.2) = 186.
  const auto linear = decode(midGrey(1.0));
  ASSERT_TRUE(linear);
  EXPECT_NEAR(linear->pixels[0], 186, 1);

  PngPicture s =
      picture(1, 1, PNG_COLOR_TYPE_RGB_ALPHA, 8, {128, 128, 128, 128});
  s.gamma = 1.0;
  const auto withAlpha = decode(encodePng(s));
  ASSERT_TRUE(withAlpha);
  EXPECT_NEAR(withAlpha->pixels[0], 186, 1);
  EXPECT_EQ(withAlpha->pixels[3], 128);
}

}  // namespace
