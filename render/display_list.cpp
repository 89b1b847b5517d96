// Display lists on the desktop: GL compiles and keeps them itself.
#include "render/display_list.h"

#include <GL/gl.h>

unsigned newLists(int count) { return glGenLists(count); }

void deleteLists(unsigned first, int count) { glDeleteLists(first, count); }

void compileList(unsigned list, const std::function<void()>& body) {
  glNewList(list, GL_COMPILE);
  body();
  glEndList();
}

void callList(unsigned list) { glCallList(list); }
