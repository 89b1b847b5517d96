// The browser page's address: the fragment after '#' names the puzzle, read
// into the options the command line fills, and the level the player stands
// on, written back so that a copied address shares that place.
#pragma once

#include <string>
#include <string_view>

#include "app/command_line.h"

// Where the page puts a pack before the game reads it: one served beside
// the page, and one the player opened from their own disk.
constexpr const char* servedPackFolder = "/packs/";
constexpr const char* openedPackFolder = "/opened/";

struct PageAddress {
  enum class Pack { None, Served, Opened };
  // As the command line would have them: "seed=42&difficulty=hard" gives
  // what "--seed 42 --difficulty hard" does, "pack=a.pack" what "--levels
  // /packs/a.pack" does; the defaults for the classic game.
  CommandLine options;
  Pack pack = Pack::None;
  std::string packName;  // the file's name, for a pack
  int level = 0;         // from 1; 0 when the address names no level
  // When the fragment names no puzzle: what went wrong in a player's
  // words ("This link's seed is not a number."), and in the address's own
  // for the console.
  std::string said;
  std::string error;
  bool ok() const { return error.empty(); }
};

// Reads a fragment, with or without its '#': empty for the classic game,
// else one of "daily", "seed=N" or "pack=NAME", with "difficulty=D" beside
// the first two, "file=NAME" for a pack opened from the disk, and
// "level=N" with any of them, joined by '&'. A NAME is 1 to 100 letters,
// digits, '.', '_' or '-', not starting with '.'. Each key and value is
// read percent-decoded, and a fault is told in the address's own words.
PageAddress readPageAddress(std::string_view fragment);

// The fragment for the puzzle of address at level (from 1), such as
// "#seed=42&difficulty=hard&level=2"; empty for the classic game.
std::string placeFragment(const PageAddress& address, int level);

// A file's name made fit for an address: each character a NAME does not
// allow becomes '-', a leading '.' too, and it is cut to 100.
std::string addressFileName(std::string_view name);
