// Where the progress text lives between games: on the desktop a file in
// the state folder (app/progress_store.cpp), in the browser a key of the
// page's local storage (app/progress_store_web.cpp). These only reach the
// place; the rules for reading, setting aside and saving are ProgressFile's
// and the same for both. A problem comes back as the words of one line,
// without the program's name.
#pragma once

#include <string>

#include "files/read_file.h"

struct StorePlace {
  std::string place;    // the file's path or the storage key; empty if none
  std::string problem;  // why there is none
};

// Finds the place, making its folder: stateHome/linkloom/progress when
// stateHome is an absolute path, else home/.local/state/linkloom/progress.
// The browser has one place and ignores both.
StorePlace findStore(const char* stateHome, const char* home);

// How a line names place, or a name damagedName made from it.
std::string storeName(const std::string& place);

// A lock held around one save, so that games running at once each add to
// what the others saved. Taking it never waits.
struct StoreLock {
  int handle = -1;      // held while not negative, until unlockStore
  bool busy = false;    // another game holds it
  std::string problem;  // why it is not held (busy or not), else empty
};
StoreLock lockStore(const std::string& place);
void unlockStore(const StoreLock& lock);

// What place holds, read whole, at most maxProgressBytes.
FileRead readStore(const std::string& place);
// Whether anything is kept under name.
bool isInStore(const std::string& name);
// Keeps what place holds under aside, exactly as it is; place may lose it.
// The problem, else empty.
std::string setAside(const std::string& place, const std::string& aside);
// Replaces what place holds with text, whole or not at all. The problem,
// else empty.
std::string writeStore(const std::string& place, const std::string& text);
