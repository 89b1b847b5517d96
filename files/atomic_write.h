// Writing a file whole or not at all: a reader, or the next start after a
// crash or a full disk, finds either the old file or the new one, never a
// part of one.
#pragma once

#include <string_view>

enum class WriteOutcome {
  Written,
  CannotCreate,  // no temporary file in the folder (missing, read-only, full)
  WriteFailed,   // writing or syncing the bytes failed (full disk, I/O)
  RenameFailed,  // the new file could not take the old one's place
};

struct FileWrite {
  WriteOutcome outcome = WriteOutcome::Written;
  int error = 0;  // the errno behind a failure
  bool ok() const { return outcome == WriteOutcome::Written; }
};

// Writes bytes to a temporary file beside path, flushes it to the disk and
// renames it over path. On failure the temporary file is removed and
// whatever was at path before is left as it was. A symbolic link at path
// stays, and the file it leads to is replaced (CannotCreate with ENOENT
// when it leads nowhere). The new file has the old one's permissions but
// for set-user-ID, set-group-ID and sticky bits. Temporary files left
// beside it by a writer killed mid-write (path.XXXXXX, plain files of this
// user's over a minute old) are removed first.
FileWrite writeFileAtomically(const char* path, std::string_view bytes);
