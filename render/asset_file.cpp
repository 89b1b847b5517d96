// Asset files: checked before they are opened, so no device is ever opened,
// and again on the open descriptor, so nothing swapped in between is read.
#include "render/asset_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>

namespace {

struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) close(fd);
  }
};

// Reported when the file is something else than a readable picture, font or
// sound, which a person may not expect; a missing file is silent.
bool usable(const char* path, const struct stat& status) {
  if (!S_ISREG(status.st_mode)) {
    std::fprintf(stderr, "%s: not a regular file, treated as missing\n", path);
    return false;
  }
  if (static_cast<std::uintmax_t>(status.st_size) > kMaxAssetBytes) {
    std::fprintf(stderr, "%s: larger than %zu MiB, treated as missing\n", path,
                 kMaxAssetBytes >> 20);
    return false;
  }
  return true;
}

}  // namespace

std::optional<std::vector<unsigned char>> readAssetFile(const char* path) {
  struct stat status {};
  if (stat(path, &status) != 0 || !usable(path, status)) return std::nullopt;
  // Should a FIFO take the file's place after the check, O_NONBLOCK keeps
  // the open from waiting for a writer; it changes nothing for a file.
  const Descriptor file{
      open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
  if (file.fd < 0) return std::nullopt;
  if (fstat(file.fd, &status) != 0 || !usable(path, status))
    return std::nullopt;
  // Only the size checked is read, should the file grow meanwhile.
  std::vector<unsigned char> bytes(static_cast<std::size_t>(status.st_size));
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    const ssize_t count =
        read(file.fd, bytes.data() + filled, bytes.size() - filled);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return std::nullopt;
    if (count == 0) break;
    filled += static_cast<std::size_t>(count);
  }
  bytes.resize(filled);
  return bytes;
}
