// Display lists in the browser, whose GL emulation has none: a list keeps
// the block of calls it was compiled from and replays it when called.
#include <unordered_map>

#include "render/display_list.h"
#include "render/page_quads.h"

namespace {

struct ListStore {
  std::unordered_map<unsigned, std::function<void()>> bodies;
  unsigned nextName = 1;  // names are never reused, as on the desktop
};

ListStore& listStore() {
  static ListStore instance;
  return instance;
}

}  // namespace

unsigned newLists(int count) {
  if (count <= 0) return 0;
  ListStore& store = listStore();
  const unsigned first = store.nextName;
  for (int i = 0; i < count; ++i)
    store.bodies.emplace(first + i, std::function<void()>());
  store.nextName += static_cast<unsigned>(count);
  return first;
}

void deleteLists(unsigned first, int count) {
  for (int i = 0; i < count; ++i) listStore().bodies.erase(first + i);
}

void compileList(unsigned list, const std::function<void()>& body) {
  auto found = listStore().bodies.find(list);
  if (found != listStore().bodies.end()) found->second = body;
}

void callList(unsigned list) {
  const auto found = listStore().bodies.find(list);
  if (found == listStore().bodies.end() || !found->second) return;
  // The emulation would draw with the quads' program.
  endPageQuads();
  found->second();
}
