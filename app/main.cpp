// Entry: find the data, open the window, register the callbacks, start the
// game.
#include <GL/freeglut.h>

#include "app/callbacks.h"
#include "app/data_folder.h"
#include "app/game.h"

namespace {
constexpr const char* windowTitle = "Linkloom, Quillfen";
constexpr int windowWidth = 800;
constexpr int windowHeight = 600;
}  // namespace

int main(int argc, char** argv) {
  // Before the window opens, so a game without its data never shows one.
  if (!enterDataFolder()) return 1;
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
  glutInitWindowSize(windowWidth, windowHeight);
  glutCreateWindow(windowTitle);
  glutPositionWindow(100, 100);
  registerCallbacks();
  glutIgnoreKeyRepeat(1);
  // A font that cannot be built ends the game here, with FreeType's
  // failing step on standard error, and so does running out of memory.
  if (!runReportingFailure(&Game::init)) return 1;
  glutMainLoop();
  return 0;
}
