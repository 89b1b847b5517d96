// The frame floor.
#include "bench/floors.h"

#include <GL/freeglut.h>

#include "render/png_texture.h"

void FloorFrame::load() {
  background.wrap(loadPngTexture("./images/background.png"));
}

void FloorFrame::draw() const {
  background.copyToWindow();
  glutSwapBuffers();
}
