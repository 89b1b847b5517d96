// The window title in the browser: the page's, which its tab shows; the
// browser's toolkit has no title of its own.
#include <emscripten.h>

#include "app/window_title.h"

void showWindowTitle(const char* title) { emscripten_set_window_title(title); }
