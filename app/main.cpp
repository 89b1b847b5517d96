// Entry: read the options, choose the levels, find the data, open the
// window, register the callbacks, start the game.
#include <GL/freeglut.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <ctime>
#include <string>

#include "app/callbacks.h"
#include "app/command_line.h"
#include "app/data_folder.h"
#include "app/frame_loop.h"
#include "app/game.h"
#include "app/option_reader.h"
#include "app/puzzle_start.h"
#include "app/words_out.h"
#include "files/checked_output.h"
#include "files/standard_streams.h"
#include "render/game_window.h"

namespace {

// What the toolkit's -geometry gives, read as the toolkit reads it: its
// size, its place, or both, as XParseGeometry's flags; NoValue when it is
// not given, -1 when it gives nothing or a window of no pixels.
int geometryGiven(const std::string& geometry) {
  if (geometry.empty()) return NoValue;
  int x = 0, y = 0;
  unsigned width = 1, height = 1;
  const int given = XParseGeometry(geometry.c_str(), &x, &y, &width, &height);
  return given == NoValue || width == 0 || height == 0 ? -1 : given;
}

}  // namespace

int main(int argc, char** argv) {
  // Before anything opens a file or the display's connection.
  guardStandardStreams();
  // Everything that can refuse to start does so before a window opens.
  CommandLine options = parseCommandLine(argc, argv);
  CheckedOutput output{"linkloom"};
  switch (options.action) {
    case CommandLine::Action::Help:
      output.write(gameUsage);
      return output.finish(0);
    case CommandLine::Action::Version:
      output.write(std::string("linkloom ") + LINKLOOM_VERSION + "\n");
      return output.finish(0);
    case CommandLine::Action::Fail:
      return reportMisuse("linkloom", options.error, gameUsage);
    case CommandLine::Action::Play: break;
  }
  const int geometry = geometryGiven(options.geometry);
  if (geometry < 0)
    return reportMisuse(
        "linkloom", "-geometry takes WxH+X+Y, not " + clipped(options.geometry),
        gameUsage);
  wordsWanted() = options.describe;
  std::string error;
  if (!startPuzzle(options, std::time(nullptr), error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 2;
  }

  // A pack is read from where the player started the game; then the game
  // moves to its data, before the window opens, so a game without its data
  // never shows one.
  if (!enterDataFolder()) return 1;
  int toolkitArgc = static_cast<int>(options.toolkitArgs.size()) - 1;
  // The classic 800 x 600 at (100, 100), but for what -geometry gave; the
  // first reshape then holds the window at 4:3.
  GameWindow window;
  window.sized =
      (geometry & (WidthValue | HeightValue)) != (WidthValue | HeightValue);
  window.open(toolkitArgc, options.toolkitArgs.data());
  if ((geometry & (XValue | YValue)) != (XValue | YValue))
    glutPositionWindow(100, 100);
  registerDrawingCallbacks();
  registerInputCallbacks();
  glutIgnoreKeyRepeat(1);
  // Running out of memory ends the game here with one line; the rest of
  // start-up runs once the title shows (app/callbacks.cpp).
  if (!runReportingFailure(&Game::init)) return 1;
  runFrameLoop();
  return 0;
}
