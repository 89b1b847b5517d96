// The installed game: its command starts it from any working directory,
// with its data found from where it lies, and the desktop entry runs that
// command. The installation is the build's own, or the unpacked Debian
// package whose prefix LINKLOOM_INSTALL_PREFIX names.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/support/run_dir.h"
#include "tests/support/running_game.h"

namespace {

using namespace std::chrono_literals;

const std::string prefix = std::getenv("LINKLOOM_INSTALL_PREFIX")
                               ? std::getenv("LINKLOOM_INSTALL_PREFIX")
                               : LINKLOOM_INSTALL_PREFIX;

std::string readFile(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(Install, TheCommandStartsTheGameOnItsTitleFromAnyDirectory) {
  RunningGame game;
  ASSERT_NO_FATAL_FAILURE(game.start(prefix + "/games/linkloom", "/"));
  EXPECT_TRUE(game.showsTitle(10s)) << game.process.stderrText();
  EXPECT_EQ(game.process.waitExit(0ms), -1) << game.process.stderrText();
}

// A home folder often holds an images/ folder of its own, which is not the
// game's data.
TEST(Install, FromAFolderHoldingOnlyImagesTheGameShowsItsTitle) {
  const RunDir home;
  ASSERT_EQ(mkdir(home.file("images").c_str(), 0700), 0);
  RunningGame game;
  ASSERT_NO_FATAL_FAILURE(
      game.start(prefix + "/games/linkloom", home.path.string()));
  EXPECT_TRUE(game.showsTitle(10s)) << game.process.stderrText();
  EXPECT_EQ(game.process.waitExit(0ms), -1) << game.process.stderrText();
}

TEST(Install, DesktopEntryAndIconAreInPlace) {
  const std::string entry =
      readFile(prefix + "/share/applications/linkloom.desktop");
  EXPECT_NE(entry.find("\nExec=linkloom\n"), std::string::npos);
  EXPECT_NE(entry.find("\nExec=linkloom --daily\n"), std::string::npos);
  EXPECT_NE(entry.find("\nIcon=linkloom\n"), std::string::npos);
  const std::string icon =
      readFile(prefix + "/share/icons/hicolor/128x128/apps/linkloom.png");
  EXPECT_EQ(icon.substr(0, 4), "\x89PNG");
}

}  // namespace
