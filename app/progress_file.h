// Kept progress: read once at the start, and changed under a lock so that
// games running at once each add to what the others saved. Where it is
// kept is the store's business (app/progress_store.h): on the desktop the
// state file under $XDG_STATE_HOME/linkloom (or ~/.local/state/linkloom),
// in the browser the page's local storage under the key "linkloom
// progress", with the same text and the same rules.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "puzzle/progress.h"

struct ProgressFile {
  std::string path;  // the store's place; empty while play goes on unsaved
  // As last read or written, with every change since applied, saved or not.
  Progress progress;
  // Where the one-line reports go.
  std::FILE* messages = stderr;
  // On the disk, changes made while another game held the lock, oldest
  // first: saved together once the lock is free.
  std::vector<std::function<void(Progress&)>> waiting;

  // Finds the folder (stateHome/linkloom when stateHome is an absolute
  // path, else home/.local/state/linkloom), makes it and reads the file.
  // A damaged file is renamed aside (progress.damaged, progress.damaged.2,
  // ...) and progress starts empty; a file that cannot be read is left as
  // it is and play goes on unsaved; a folder that cannot be made or written
  // leaves play unsaved with what the file holds. Each gets one line. While
  // another game holds the lock, play starts with what the file holds and
  // the file is checked once the lock is free.
  void open(const char* stateHome, const char* home);
  // Applies change to progress and saves it: holding the lock file beside
  // the state file, reads the file again, applies the changes waiting and
  // this one to what it holds, and writes it atomically. Never waits for
  // the lock: while another game holds it, change waits (one line says so)
  // for saveWaiting, so it must hold copies of what it uses. Unsaved,
  // change applies to progress alone; a failure to save gets one line and
  // leaves play unsaved from then on.
  void save(const std::function<void(Progress&)>& change);
  // Called every frame: should the lock be free now, saves the changes
  // waiting. Never waits.
  void saveWaiting();
  // saveWaiting's work: the words saying who holds the lock while it is
  // busy, else empty.
  std::string trySaving();
};

// The game's state file; tests make their own.
ProgressFile& progressFile();
