// The real game under Xvfb shows its title picture on start.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "render/png_decode.h"
#include "tests/support/x_session.h"

namespace {

using namespace std::chrono_literals;

TEST(Screens, TheGameOpensOnItsTitlePicture) {
  const auto title =
      decodePngFile(LINKLOOM_RUN_DIR "/images/titlescreen.png", 4096);
  ASSERT_TRUE(title);
  VirtualDisplay screen;
  ASSERT_TRUE(screen.start());
  GameProcess game;
  ASSERT_TRUE(game.start(LINKLOOM_BINARY, LINKLOOM_RUN_DIR, screen.name));
  XClient client;
  ASSERT_TRUE(client.open(screen.name));
  const Window window = client.findWindow("Linkloom, Quillfen", 10s);
  ASSERT_NE(window, 0u) << game.stderrText();

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
      const Rgb got = client.pixel(window, x, y);
      if (std::abs(got.r - want.r) > 4 || std::abs(got.g - want.g) > 4 ||
          std::abs(got.b - want.b) > 4)
        return false;
    }
    return true;
  };
  EXPECT_TRUE(waitUntil(shown, 10s)) << game.stderrText();
}

}  // namespace
