// The state file on the disk: its folder, the lock, reading and writing.
#include "app/progress_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string_view>

#include "files/atomic_write.h"
#include "files/read_file.h"

namespace {

constexpr const char* kFileName = "progress";

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
// errno set when it cannot be had, EWOULDBLOCK while another game holds
// it. Never waits: a game stuck holding it must not freeze this one.
int tryLock(const std::string& path) {
  const int fd =
      open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return -1;
  int result = 0;
  while ((result = flock(fd, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
  }
  if (result == 0) return fd;
  const int error = errno;
  close(fd);
  errno = error;
  return -1;
}

// Lets go of the lock however a save ends.
struct HeldLock {
  int fd;
  ~HeldLock() { close(fd); }
};

// What the state file holds. A file that cannot be read may hold progress
// all the same (it may be another user's, or the disk may be failing), so
// it is not damaged: it is left as it is.
struct KeptFile {
  Progress progress;   // empty unless the file reads
  std::string damage;  // why the file does not read, else empty
  int unreadable = 0;  // the errno that kept it from being read, else 0
};

KeptFile readKept(const std::string& path) {
  const FileRead read = readFile(path.c_str(), maxProgressBytes);
  KeptFile kept;
  switch (read.outcome) {
    case FileOutcome::Missing: break;
    case FileOutcome::Unreadable: kept.unreadable = read.error; break;
    case FileOutcome::NotRegular: kept.damage = "not a regular file"; break;
    case FileOutcome::TooLarge:
      kept.damage = "larger than any progress file";
      break;
    case FileOutcome::Read: {
      ProgressReading reading = parseProgress(std::string_view(
          reinterpret_cast<const char*>(read.bytes.data()), read.bytes.size()));
      kept.progress = std::move(reading.progress);
      kept.damage = reading.error;
      break;
    }
  }
  return kept;
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
  // Play starts with what the file holds, even should it not be saved to:
  // the lock may be held or the folder read-only. Files are replaced whole,
  // so reading without the lock finds an old file or a new one.
  progress = readKept(path).progress;
  // Setting a damaged file aside, under the lock: the lock file also proves
  // the folder writable before anything is played.
  save([](Progress&) {});
}

void ProgressFile::save(const std::function<void(Progress&)>& change) {
  change(progress);
  if (path.empty()) return;
  waiting.push_back(change);
  saveWaiting();
  if (waiting.size() == 1 && !path.empty())
    std::fprintf(messages,
                 "linkloom: another game holds %s.lock; progress is saved "
                 "once it is free\n",
                 path.c_str());
}

void ProgressFile::saveWaiting() {
  if (path.empty() || waiting.empty()) return;
  const auto unsaved = [this](const std::string& why) {
    std::fprintf(messages, "linkloom: %s; playing unsaved\n", why.c_str());
    path.clear();
    waiting.clear();
  };
  const int lock = tryLock(path);
  const int error = errno;
  if (lock < 0 && error == EWOULDBLOCK) return;
  if (lock < 0)
    return unsaved("cannot lock " + path + ".lock (" + reason(error) + ")");
  const HeldLock held{lock};
  KeptFile kept = readKept(path);
  if (kept.unreadable != 0)
    return unsaved("cannot read " + path + " (" + reason(kept.unreadable) +
                   "), so it is left as it is");
  if (!kept.damage.empty()) {
    const std::string aside = damagedName(path, [](const std::string& name) {
      return access(name.c_str(), F_OK) == 0;
    });
    if (rename(path.c_str(), aside.c_str()) != 0) {
      const int renameError = errno;
      return unsaved(path + " is damaged (" + kept.damage +
                     ") and cannot be kept aside (" + reason(renameError) +
                     ")");
    }
    std::fprintf(messages,
                 "linkloom: %s is damaged (%s); kept as %s, progress starts "
                 "afresh\n",
                 path.c_str(), kept.damage.c_str(), aside.c_str());
  }
  for (const auto& change : waiting) change(kept.progress);
  const FileWrite written =
      writeFileAtomically(path.c_str(), formatProgress(kept.progress));
  if (!written.ok())
    return unsaved("cannot save progress to " + path + " (" +
                   reason(written.error) + ")");
  progress = std::move(kept.progress);
  waiting.clear();
}
