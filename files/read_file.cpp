// Reading a file whole: stat, open without blocking, fstat, bounded read.
#include "files/read_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <utility>

namespace {

struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) close(fd);
  }
};

FileRead failure(FileOutcome outcome, int error = 0) {
  return {outcome, {}, error};
}

FileRead judge(const struct stat& status, std::size_t cap) {
  if (!S_ISREG(status.st_mode)) return failure(FileOutcome::NotRegular);
  if (static_cast<std::uintmax_t>(status.st_size) > cap)
    return failure(FileOutcome::TooLarge);
  return {FileOutcome::Read, {}, 0};
}

FileRead failedCall() {
  const int error = errno;
  return failure(error == ENOENT || error == ENOTDIR ? FileOutcome::Missing
                                                     : FileOutcome::Unreadable,
                 error);
}

}  // namespace

FileRead checkFile(const char* path, std::size_t cap) {
  struct stat status {};
  if (stat(path, &status) != 0) return failedCall();
  return judge(status, cap);
}

FileRead readFile(const char* path, std::size_t cap) {
  FileRead checked = checkFile(path, cap);
  if (!checked.ok()) return checked;
  // Should a FIFO take the file's place after the check, O_NONBLOCK keeps
  // the open from waiting for a writer; it changes nothing for a file.
  const Descriptor file{
      open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
  if (file.fd < 0) return failedCall();
  struct stat status {};
  if (fstat(file.fd, &status) != 0) return failedCall();
  FileRead read = judge(status, cap);
  if (!read.ok()) return read;
  read.bytes.resize(static_cast<std::size_t>(status.st_size));
  std::size_t filled = 0;
  while (filled < read.bytes.size()) {
    const ssize_t count =
        ::read(file.fd, read.bytes.data() + filled, read.bytes.size() - filled);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return failedCall();
    if (count == 0) break;  // shrunk meanwhile: what is there is the file
    filled += static_cast<std::size_t>(count);
  }
  read.bytes.resize(filled);
  return read;
}

std::optional<std::vector<unsigned char>> readFileOrGoWithout(const char* path,
                                                              std::size_t cap) {
  FileRead file = readFile(path, cap);
  if (file.outcome == FileOutcome::NotRegular)
    std::fprintf(stderr, "%s: not a regular file, treated as missing\n", path);
  if (file.outcome == FileOutcome::TooLarge)
    std::fprintf(stderr, "%s: larger than %zu MiB, treated as missing\n", path,
                 cap >> 20);
  if (!file.ok()) return std::nullopt;
  return std::move(file.bytes);
}
