// The first-frame floor: the game's window showing the title picture, with
// nothing else loaded, so the benchmark can time exec to that first frame.
#include <GL/freeglut.h>

#include <optional>

#include "render/game_window.h"
#include "render/picture_files.h"
#include "render/png_decode.h"

namespace {
std::optional<PngImage> title;

void showTitle() {
  if (title) {
    // From the top-left corner downward, the picture's rows top first.
    glRasterPos2f(-1.0f, 1.0f);
    glPixelZoom(1.0f, -1.0f);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glDrawPixels(title->width, title->height, GL_RGBA, GL_UNSIGNED_BYTE,
                 title->pixels.data());
  }
  glutSwapBuffers();
}
}  // namespace

int main(int argc, char** argv) {
  GameWindow{}.open(argc, argv);
  glutPositionWindow(100, 100);
  // RGBA, as the game decodes it: the renderer takes that without
  // converting, so nothing cheaper puts the picture in the window.
  title = decodePngFile(picturePath(titleFile).c_str(), 8192,
                        PngPixels::AlwaysRgba);
  glutDisplayFunc(showTitle);
  glutMainLoop();
  return 0;
}
