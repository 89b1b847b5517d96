// Display synchronisation in the browser, which shows each animation frame
// at the display's refresh of its own accord.
#include "app/display_sync.h"

void enableSwapControl() {}
