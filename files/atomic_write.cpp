// Writing a file whole: temporary file in the same folder, fsync, rename.
#include "files/atomic_write.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <ctime>
#include <memory>
#include <string>

namespace {

// mkostemp's six characters after the path and its dot.
constexpr const char* kTemporarySuffix = ".XXXXXX";
constexpr std::size_t kRandomLength = 6;
// A write takes milliseconds; a temporary file older than this was left by
// a writer that died (a kill, a crash, a power cut).
constexpr std::time_t kStaleSeconds = 60;

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
// Set-user-ID, set-group-ID and sticky bits are never passed on: a written
// file is data, never a program to run with its owner's rights.
mode_t modeFor(const char* path) {
  struct stat old {};
  if (stat(path, &old) == 0) return old.st_mode & 0777;
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// Where the bytes for path go: path itself, or the file a symbolic link
// there leads to, as editors write through a link; empty with errno set
// for a link that leads nowhere.
std::string destination(const char* path) {
  struct stat link {};
  if (lstat(path, &link) != 0 || !S_ISLNK(link.st_mode)) return path;
  const std::unique_ptr<char, decltype(&free)> target(realpath(path, nullptr),
                                                      &free);
  return target ? target.get() : "";
}

// A name mkostemp made from name's pattern: six letters or digits after
// it. Six lower-case letters could be a word a player chose
// ("progress.backup"); mkostemp rarely makes one, and such a file is only
// left where it is.
bool temporaryName(std::string_view entry, std::string_view name) {
  if (entry.size() != name.size() + 1 + kRandomLength ||
      entry.substr(0, name.size()) != name || entry[name.size()] != '.')
    return false;
  const std::string_view random = entry.substr(name.size() + 1);
  const auto letterOrDigit = [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
  };
  const auto lower = [](char c) {
    return std::islower(static_cast<unsigned char>(c)) != 0;
  };
  return std::all_of(random.begin(), random.end(), letterOrDigit) &&
         !std::all_of(random.begin(), random.end(), lower);
}

// Removes path's temporary files older than kStaleSeconds: plain files of
// this user's only.
void removeStaleTemporaries(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::string folder =
      slash == std::string::npos ? "." : path.substr(0, slash + 1);
  const std::string_view name =
      std::string_view(path).substr(slash == std::string::npos ? 0 : slash + 1);
  const struct Folder {
    DIR* dir;
    ~Folder() {
      if (dir) closedir(dir);
    }
  } folderStream{opendir(folder.c_str())};
  DIR* const dir = folderStream.dir;
  if (!dir) return;
  const std::time_t now = std::time(nullptr);
  while (const dirent* entry = readdir(dir)) {
    if (!temporaryName(entry->d_name, name)) continue;
    struct stat status {};
    // Only our own plain files, never through a link.
    if (fstatat(dirfd(dir), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(status.st_mode) || status.st_uid != geteuid() ||
        now - status.st_mtime < kStaleSeconds)
      continue;
    unlinkat(dirfd(dir), entry->d_name, 0);
  }
}

}  // namespace

FileWrite writeFileAtomically(const char* path, std::string_view bytes) {
  const std::string target = destination(path);
  if (target.empty()) return {WriteOutcome::CannotCreate, errno};
  removeStaleTemporaries(target);
  // In the same folder, so the rename stays within one file system and is
  // atomic.
  std::string temporary = target + kTemporarySuffix;
  const int fd = mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return {WriteOutcome::CannotCreate, errno};
  if (fchmod(fd, modeFor(target.c_str())) != 0 || !writeAll(fd, bytes) ||
      fsync(fd) != 0)
    return failure(WriteOutcome::WriteFailed, fd, temporary);
  // Some file systems report a failed write only at close.
  if (close(fd) != 0) return failure(WriteOutcome::WriteFailed, -1, temporary);
  if (rename(temporary.c_str(), target.c_str()) != 0)
    return failure(WriteOutcome::RenameFailed, -1, temporary);
  return {};
}
