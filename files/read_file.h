// Reading a file whole, whatever sits at its path: checked before it is
// opened, so no device or FIFO is ever opened for reading, and again on the
// open descriptor, so nothing swapped in between is read.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

enum class FileOutcome {
  Read,        // bytes hold the file
  Missing,     // nothing at the path
  Unreadable,  // there but not ours to read (permissions, I/O error)
  NotRegular,  // a directory, FIFO, device or socket
  TooLarge,    // larger than the caller's cap
};

struct FileRead {
  FileOutcome outcome = FileOutcome::Missing;
  std::vector<unsigned char> bytes;  // only when outcome is Read
  int error = 0;                     // the errno behind Unreadable
  bool ok() const { return outcome == FileOutcome::Read; }
};

// What reading path would meet, without opening it: Read when the path
// leads to a regular file of at most cap bytes.
FileRead checkFile(const char* path, std::size_t cap);

// The whole regular file at path, of at most cap bytes. Never blocks and
// never reads more than the size it checked, should the file grow meanwhile.
FileRead readFile(const char* path, std::size_t cap);

// readFile for a file a program can go on without: its bytes, or nothing.
// A missing or unreadable file is silent; one that is not a regular file or
// is over cap is treated as missing, with one line on standard error.
std::optional<std::vector<unsigned char>> readFileOrGoWithout(const char* path,
                                                              std::size_t cap);
