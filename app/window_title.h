// The window's title, as a task bar or a browser tab shows it.
#pragma once

// Sets the title of the game's window; needs the window.
void showWindowTitle(const char* title);
