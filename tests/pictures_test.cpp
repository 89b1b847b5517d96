// The generated pictures: sizes, transparency, the figures the game relies
// on, a playing field left plain where the board lies, and a generator
// that always draws the same bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "render/picture_files.h"
#include "render/png_decode.h"
#include "render/world.h"
#include "tests/support/run_dir.h"

namespace {

const std::string kImages = LINKLOOM_RUN_DIR "/images/";

struct Picture {
  PngImage image;

  explicit Picture(const std::string& name) {
    auto decoded = decodePngFile((kImages + name).c_str(), 4096);
    if (!decoded) throw std::runtime_error("cannot decode " + name);
    image = std::move(*decoded);
  }
  int width() const { return image.width; }
  int height() const { return image.height; }
  // Channel c (0 red ... 3 alpha) of pixel (x, y), y from the top.
  int at(int x, int y, int c) const {
    if (c == 3 && !image.hasAlpha) return 255;
    return image.pixels[(static_cast<std::size_t>(y) * image.width + x) *
                            image.channels() +
                        c];
  }
  int alpha(int x, int y) const { return at(x, y, 3); }
  int darkest(int x, int y) const {
    return std::min({at(x, y, 0), at(x, y, 1), at(x, y, 2)});
  }
};

std::vector<unsigned char> bytesOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Pictures, FullScreenPicturesAreOpaqueAndFourByThree) {
  for (const char* name :
       {backgroundFile, titleFile, instructionsFile, gameOverFile,
        guidedBackgroundFile, guidedInstructionsFile, guidedGameOverFile}) {
    const Picture picture(name);
    EXPECT_FALSE(picture.image.hasAlpha) << name;
    EXPECT_EQ(picture.width(), kWindowWidth) << name;
    EXPECT_EQ(picture.height(), kWindowHeight) << name;
  }
}

TEST(Pictures, SpritesAreNoLargerThanTheyAreDrawnAndClearAroundTheFigure) {
  // Pixels covered in an 800 x 600 window, at 8 per world unit: shapes up
  // to 16 units, the node 4 (drawn from twice that), the selector 8, links
  // up to about 10.
  std::vector<std::pair<std::string, int>> sprites = {{nodeFile, 64},
                                                      {nodeOutlineFile, 64},
                                                      {selectorFile, 64},
                                                      {linkFile, 96}};
  for (const char* shape : shapeFiles) sprites.push_back({shape, 128});
  for (const auto& [name, budget] : sprites) {
    const Picture picture(name);
    EXPECT_TRUE(picture.image.hasAlpha) << name;
    EXPECT_EQ(picture.width(), picture.height()) << name;
    EXPECT_LE(picture.width(), budget) << name;
    const int last = picture.width() - 1;
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{
             {0, 0}, {last, 0}, {0, last}, {last, last}})
      EXPECT_EQ(picture.alpha(x, y), 0) << name << " corner " << x << "," << y;
  }
}

TEST(Pictures, ShapesAreWhitePolygonsFillingTheirSquare) {
  for (const char* name : shapeFiles) {
    const Picture picture(name);
    const int mid = picture.width() / 2;
    EXPECT_EQ(picture.alpha(mid, mid), 255) << name;
    EXPECT_GE(picture.darkest(mid, mid), 235) << name;
    int left = picture.width(), right = -1, top = picture.height(), bottom = -1;
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        if (picture.alpha(x, y) < 128) continue;
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
    }
    const int extent = std::max(right - left, bottom - top) + 1;
    EXPECT_GE(extent, picture.width() - 6) << name;
  }
}

TEST(Pictures, TheNodeIsWhiteInTheMiddleWhereTheLevelColourMustReadTrue) {
  const Picture node(nodeFile);
  const int mid = node.width() / 2;
  for (int dy = -4; dy <= 4; ++dy) {
    for (int dx = -4; dx <= 4; ++dx) {
      EXPECT_EQ(node.alpha(mid + dx, mid + dy), 255);
      EXPECT_GE(node.darkest(mid + dx, mid + dy), 245);
    }
  }
}

TEST(Pictures, OutlineAndSelectorAreWhiteRingsOpenInTheMiddle) {
  const Picture outline(nodeOutlineFile);
  const Picture selector(selectorFile);
  EXPECT_EQ(outline.alpha(32, 32), 0);
  EXPECT_EQ(outline.alpha(32 + 27, 32), 255);
  EXPECT_GE(outline.darkest(32 + 27, 32), 240);
  EXPECT_EQ(selector.alpha(32 + 23, 32), 255);
  EXPECT_GE(selector.darkest(32 + 23, 32), 240);
  // The selector spans 8 units and the node 4: nothing of the ring may lie
  // over the node, 16 pixels around the middle.
  for (int y = 0; y < selector.height(); ++y)
    for (int x = 0; x < selector.width(); ++x)
      if (std::hypot(x + 0.5 - 32, y + 0.5 - 32) <= 16.0) {
        EXPECT_EQ(selector.alpha(x, y), 0) << x << "," << y;
      }
}

TEST(Pictures, TheLinkIsAnArrowPointingAlongPlusX) {
  const Picture link(linkFile);
  const int mid = link.height() / 2;
  // The dark body across one column, leaving out the light halo.
  const auto thickness = [&](int x) {
    int count = 0;
    for (int y = 0; y < link.height(); ++y)
      count += link.alpha(x, y) > 200 && link.darkest(x, y) < 128;
    return count;
  };
  const int tail = link.width() / 5, head = link.width() * 13 / 20;
  EXPECT_GT(thickness(tail), 0);
  EXPECT_GT(thickness(head), 2 * thickness(tail));
  // Dark enough to read on the light playing field.
  EXPECT_LT(link.at(head, mid, 0), 100);
}

TEST(Pictures, ThePlayingFieldsAreLightAndPlainWhereThePlayerReads) {
  for (const char* name : {backgroundFile, guidedBackgroundFile}) {
    const Picture field(name);
    struct Box {
      float left, bottom, right, top;  // world units
    };
    // The board (nodes x -30 to 30, y 24 to 72) and the three shapes at their
    // largest, 16 units across.
    const Box boxes[] = {{-30, 24, 30, 72},
                         {-49, 40, -33, 56},
                         {33, 40, 49, 56},
                         {-30, 2, -14, 18}};
    for (const Box& box : boxes) {
      const int x0 = static_cast<int>(pixelX(box.left));
      const int x1 = static_cast<int>(pixelX(box.right));
      const int y0 = static_cast<int>(pixelY(box.top));
      const int y1 = static_cast<int>(pixelY(box.bottom));
      int steepest = 0, darkest = 255;
      for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
          darkest = std::min(darkest, field.darkest(x, y));
          for (int c = 0; c < 3; ++c)
            steepest = std::max(
                {steepest, std::abs(field.at(x + 1, y, c) - field.at(x, y, c)),
                 std::abs(field.at(x, y + 1, c) - field.at(x, y, c))});
        }
      }
      EXPECT_LE(steepest, 1)
          << name << ": an edge in the box from x " << box.left;
      EXPECT_GE(darkest, 200) << name << ": the box from x " << box.left;
    }
  }
}

TEST(Pictures, TheGeneratorDrawsTheSameBytesEveryTime) {
  const RunDir scratch;
  const std::string again = scratch.path.string();
  const std::string command = std::string(LINKLOOM_IMAGE_TOOL) + " " + again +
                              " " + LINKLOOM_FONT_SOURCE + " " +
                              LINKLOOM_BOLD_FONT;
  ASSERT_EQ(std::system(command.c_str()), 0);
  std::vector<const char*> names(gamePictureFiles.begin(),
                                 gamePictureFiles.end());
  names.insert(names.end(), guidedPictureFiles.begin(),
               guidedPictureFiles.end());
  names.push_back(iconFile);
  names.push_back(webIconFile);
  for (const char* name : names)
    EXPECT_EQ(bytesOf(again + "/" + name), bytesOf(kImages + name)) << name;
  const auto written = std::distance(std::filesystem::directory_iterator(again),
                                     std::filesystem::directory_iterator());
  EXPECT_EQ(written, static_cast<long>(names.size()));
}

}  // namespace
