// Where guided play's sentences go: standard output on the desktop when the
// player asks for them, the page's live region in the browser.
#pragma once

#include <string>

// Whether the desktop prints the sentences (--describe); the browser page
// always has its live region.
bool& wordsWanted();
// One sentence, one line, with nothing else on it.
void sayLine(const std::string& sentence);
