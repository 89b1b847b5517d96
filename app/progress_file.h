// The state file on the disk: found under $XDG_STATE_HOME/linkloom (or
// ~/.local/state/linkloom), read once at the start, and changed under a
// lock so that games running at once each add to what the others saved.
// The browser edition keeps the same text in the page's local storage
// (app/progress_file_web.cpp), under the key "linkloom progress".
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "puzzle/progress.h"

struct ProgressFile {
  std::string path;   // empty while play goes on unsaved
  Progress progress;  // as last read or written
  // Where the one-line reports go.
  std::FILE* messages = stderr;

  // Finds the folder (stateHome/linkloom when stateHome is an absolute
  // path, else home/.local/state/linkloom), makes it and reads the file.
  // A damaged or unreadable file is renamed aside (progress.damaged,
  // progress.damaged.2, ...) and progress starts empty; a folder that
  // cannot be made or written leaves play unsaved. Each gets one line.
  void open(const char* stateHome, const char* home);
  // Holding the lock file beside the state file: reads the file again,
  // applies change to what it holds, and writes it atomically. Unsaved,
  // change applies to progress alone; a failure to save gets one line and
  // leaves play unsaved from then on.
  void save(const std::function<void(Progress&)>& change);
};

// The game's state file; tests make their own.
ProgressFile& progressFile();
