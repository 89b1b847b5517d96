// Writing a file whole: temporary file in the same folder, fsync, rename.
#include "files/atomic_write.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
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

// The new file keeps the old one's permissions, or has those any new file
// would have; the temporary file is made readable by its owner alone.
mode_t modeFor(const char* path) {
  struct stat old {};
  if (stat(path, &old) == 0) return old.st_mode & 07777;
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

}  // namespace

FileWrite writeFileAtomically(const char* path, std::string_view bytes) {
  // In the same folder, so the rename stays within one file system and is
  // atomic.
  std::string temporary = std::string(path) + ".XXXXXX";
  const int fd = mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return {WriteOutcome::CannotCreate, errno};
  if (fchmod(fd, modeFor(path)) != 0 || !writeAll(fd, bytes) || fsync(fd) != 0)
    return failure(WriteOutcome::WriteFailed, fd, temporary);
  // Some file systems report a failed write only at close.
  if (close(fd) != 0) return failure(WriteOutcome::WriteFailed, -1, temporary);
  if (rename(temporary.c_str(), path) != 0)
    return failure(WriteOutcome::RenameFailed, -1, temporary);
  return {};
}
