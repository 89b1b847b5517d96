// Writing a file whole: temporary file in the same folder, fsync, rename.
#include "files/atomic_write.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace {

FileWrite failure(WriteOutcome outcome, int fd, const std::string& temporary) {
  const int error = errno;
  if (fd >= 0) close(fd);
  unlink(temporary.c_str());
  return {outcome, error};
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t count = write(fd, bytes.data(), bytes.size());
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) {
      if (count == 0) errno = EIO;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(count));
  }
  return true;
}

}  // namespace

FileWrite writeFileAtomically(const char* path, std::string_view bytes) {
  // In the same folder, so the rename stays within one file system and is
  // atomic.
  std::string temporary = std::string(path) + ".XXXXXX";
  const int fd = mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return {WriteOutcome::CannotCreate, errno};
  if (!writeAll(fd, bytes) || fsync(fd) != 0)
    return failure(WriteOutcome::WriteFailed, fd, temporary);
  // Some file systems report a failed write only at close.
  if (close(fd) != 0) return failure(WriteOutcome::WriteFailed, -1, temporary);
  if (rename(temporary.c_str(), path) != 0)
    return failure(WriteOutcome::RenameFailed, -1, temporary);
  return {};
}
