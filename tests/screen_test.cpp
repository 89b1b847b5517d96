// The real game under Xvfb shows its title picture on start.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "render/picture_files.h"
#include "render/png_decode.h"
#include "tests/support/running_game.h"

namespace {

using namespace std::chrono_literals;

TEST(Screens, TheGameOpensOnItsTitlePicture) {
  const std::string path = std::string(LINKLOOM_RUN_DIR "/images/") + titleFile;
  const auto title = decodePngFile(path.c_str(), 4096);
  ASSERT_TRUE(title);
  RunningGame game;
  ASSERT_NO_FATAL_FAILURE(game.start(LINKLOOM_BINARY, LINKLOOM_RUN_DIR));

  // Spots across the picture: its corners, the title lettering and the
  // prompt. The window shows the picture pixel for pixel.
  const std::vector<std::pair<int, int>> spots = {
      {2, 2}, {797, 2}, {2, 597}, {797, 597}, {400, 180}, {300, 540}};
  const auto expected = [&](int x, int y) {
    const std::size_t at =
        (static_cast<std::size_t>(y) * title->width + x) * title->channels();
    return Rgb{title->pixels[at], title->pixels[at + 1], title->pixels[at + 2]};
  };
  const auto shown = [&] {
    for (const auto& [x, y] : spots) {
      const Rgb want = expected(x, y);
      const Rgb got = game.client.pixel(game.window, x, y);
      if (std::abs(got.r - want.r) > 4 || std::abs(got.g - want.g) > 4 ||
          std::abs(got.b - want.b) > 4)
        return false;
    }
    return true;
  };
  EXPECT_TRUE(waitUntil(shown, 10s)) << game.process.stderrText();
}

}  // namespace
