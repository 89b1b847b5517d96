// The frame floor.
#include "bench/floors.h"

#include <GL/freeglut.h>

#include "render/picture_files.h"
#include "render/png_texture.h"

void FloorFrame::load() {
  background.wrap(loadPngTexture(picturePath(backgroundFile).c_str()));
}

void FloorFrame::draw() const {
  background.copyIntoFrame();
  glutSwapBuffers();
}
