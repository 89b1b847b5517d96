// Display lists in the browser, whose GL emulation has none: a list keeps
// the block of calls it was compiled from and replays it when called.
#include <GL/gl.h>

#include <unordered_map>

#include "render/display_list.h"

namespace {

struct ListStore {
  std::unordered_map<GLuint, std::function<void()>> bodies;
  GLuint nextName = 1;  // names are never reused, as on the desktop
};

ListStore& listStore() {
  static ListStore instance;
  return instance;
}

}  // namespace

void compileList(unsigned list, const std::function<void()>& body) {
  auto found = listStore().bodies.find(list);
  if (found != listStore().bodies.end()) found->second = body;
}

extern "C" {

GLuint glGenLists(GLsizei range) {
  if (range <= 0) return 0;
  ListStore& store = listStore();
  const GLuint first = store.nextName;
  for (GLsizei i = 0; i < range; ++i)
    store.bodies.emplace(first + i, std::function<void()>());
  store.nextName += static_cast<GLuint>(range);
  return first;
}

void glDeleteLists(GLuint list, GLsizei range) {
  for (GLsizei i = 0; i < range; ++i) listStore().bodies.erase(list + i);
}

GLboolean glIsList(GLuint list) {
  return listStore().bodies.count(list) != 0 ? GL_TRUE : GL_FALSE;
}

// A name without a list, or a list not yet compiled, draws nothing.
void glCallList(GLuint list) {
  const auto found = listStore().bodies.find(list);
  if (found != listStore().bodies.end() && found->second) found->second();
}

}  // extern "C"
