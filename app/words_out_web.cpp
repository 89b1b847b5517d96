// Sentences to the page's live region, which the page's script keeps
// (web/index.html, Module.say).
#include <emscripten.h>

#include "app/words_out.h"

namespace {

// clang-format off
EM_JS(void, sayOnPage, (const char* text, int length), {
  Module.say(new TextDecoder().decode(HEAPU8.slice(text, text + length)));
});
// clang-format on

}  // namespace

bool& wordsWanted() {
  static bool wanted = true;
  return wanted;
}

void sayLine(const std::string& sentence) {
  if (wordsWanted())
    sayOnPage(sentence.data(), static_cast<int>(sentence.size()));
}
