// Sentences to standard output: a closed output or a dead pipe costs one
// line on standard error, then silence, never a signal (the streams are
// guarded first thing in main).
#include "app/words_out.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "files/checked_output.h"

namespace {

CheckedOutput& output() {
  static CheckedOutput checked{"linkloom"};
  return checked;
}

}  // namespace

bool& wordsWanted() {
  static bool wanted = false;
  return wanted;
}

void sayLine(const std::string& sentence) {
  CheckedOutput& out = output();
  if (!wordsWanted() || out.error != 0) return;
  out.write(sentence + "\n");
  // Flushed at once: a screen reader follows the words as they come.
  if (out.error == 0 && std::fflush(stdout) != 0)
    out.error = errno != 0 ? errno : EIO;
  if (out.error != 0)
    std::fprintf(stderr, "%s: cannot write the words: %s\n", out.program,
                 std::strerror(out.error));
}
