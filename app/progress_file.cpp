// The state file on the disk: its folder, the lock, reading and writing.
#include "app/progress_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <string_view>
#include <thread>

#include "files/atomic_write.h"
#include "files/read_file.h"

namespace {

constexpr const char* kFileName = "progress";
// Another game holds the lock only while it writes a small file; this long
// means it is stuck, and waiting on would hang this one.
constexpr auto kLockPatience = std::chrono::seconds(5);

std::string reason(int error) { return std::strerror(error); }

// Makes every missing folder of path, as mkdir -p; 0 or the errno.
int makeFolders(const std::string& path) {
  for (std::size_t at = 1; at <= path.size(); ++at) {
    if (at != path.size() && path[at] != '/') continue;
    const std::string part = path.substr(0, at);
    if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return errno;
  }
  struct stat folder {};
  if (stat(path.c_str(), &folder) != 0) return errno;
  return S_ISDIR(folder.st_mode) ? 0 : ENOTDIR;
}

// The lock file beside path, held until the descriptor closes; -1 with
// errno set when it cannot be had.
int takeLock(const std::string& path) {
  const int fd =
      open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return -1;
  const auto giveUp = std::chrono::steady_clock::now() + kLockPatience;
  while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    if ((error != EWOULDBLOCK && error != EINTR) ||
        std::chrono::steady_clock::now() > giveUp) {
      close(fd);
      errno = error;
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return fd;
}

std::string outcomeText(const FileRead& read) {
  switch (read.outcome) {
    case FileOutcome::NotRegular: return "not a regular file";
    case FileOutcome::TooLarge: return "larger than any progress file";
    case FileOutcome::Unreadable: return reason(read.error);
    case FileOutcome::Read:
    case FileOutcome::Missing: break;
  }
  return "";
}

}  // namespace

ProgressFile& progressFile() {
  static ProgressFile file;
  return file;
}

void ProgressFile::open(const char* stateHome, const char* home) {
  std::string folder;
  if (stateHome && stateHome[0] == '/')
    folder = std::string(stateHome) + "/linkloom";
  else if (home && home[0] == '/')
    folder = std::string(home) + "/.local/state/linkloom";
  if (folder.empty()) {
    std::fputs(
        "linkloom: neither XDG_STATE_HOME nor HOME names a folder for the "
        "progress; playing unsaved\n",
        messages);
    return;
  }
  if (const int error = makeFolders(folder)) {
    std::fprintf(messages,
                 "linkloom: cannot keep progress in %s (%s); playing unsaved\n",
                 folder.c_str(), reason(error).c_str());
    return;
  }
  path = folder + "/" + kFileName;
  // Reading, and setting a damaged file aside, under the lock: the lock
  // file also proves the folder writable before anything is played.
  save([](Progress&) {});
}

void ProgressFile::save(const std::function<void(Progress&)>& change) {
  if (path.empty()) {
    change(progress);
    return;
  }
  const auto unsaved = [&](const std::string& why) {
    std::fprintf(messages, "linkloom: %s; playing unsaved\n", why.c_str());
    path.clear();
    change(progress);
  };
  const int lock = takeLock(path);
  if (lock < 0) {
    unsaved("cannot lock " + path + ".lock (" + reason(errno) + ")");
    return;
  }
  const FileRead read = readFile(path.c_str(), maxProgressBytes);
  Progress kept;
  std::string damage = outcomeText(read);
  if (read.ok()) {
    ProgressReading reading = parseProgress(std::string_view(
        reinterpret_cast<const char*>(read.bytes.data()), read.bytes.size()));
    kept = std::move(reading.progress);
    damage = reading.error;
  }
  if (!damage.empty()) {
    const std::string aside = damagedName(path, [](const std::string& name) {
      return access(name.c_str(), F_OK) == 0;
    });
    if (rename(path.c_str(), aside.c_str()) != 0) {
      const int error = errno;
      close(lock);
      unsaved(path + " is damaged (" + damage + ") and cannot be kept aside (" +
              reason(error) + ")");
      return;
    }
    std::fprintf(messages,
                 "linkloom: %s is damaged (%s); kept as %s, progress starts "
                 "afresh\n",
                 path.c_str(), damage.c_str(), aside.c_str());
  }
  change(kept);
  const FileWrite written =
      writeFileAtomically(path.c_str(), formatProgress(kept));
  close(lock);
  if (!written.ok()) {
    unsaved("cannot save progress to " + path + " (" + reason(written.error) +
            ")");
    return;
  }
  progress = std::move(kept);
}
