// The progress kept on the disk: the state file, its folder and its lock.
#include "app/progress_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "files/atomic_write.h"
#include "puzzle/progress.h"

namespace {

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

}  // namespace

StorePlace findStore(const char* stateHome, const char* home) {
  std::string folder;
  if (stateHome && stateHome[0] == '/')
    folder = std::string(stateHome) + "/linkloom";
  else if (home && home[0] == '/')
    folder = std::string(home) + "/.local/state/linkloom";
  if (folder.empty())
    return {"",
            "neither XDG_STATE_HOME nor HOME names a folder for the progress"};
  if (const int error = makeFolders(folder))
    return {"",
            "cannot keep progress in " + folder + " (" + reason(error) + ")"};
  return {folder + "/progress", ""};
}

std::string storeName(const std::string& place) { return place; }

// The lock file beside the state file, held until the descriptor closes.
// Never waits: a game stuck holding it must not freeze this one.
StoreLock lockStore(const std::string& place) {
  const std::string lockPath = place + ".lock";
  StoreLock lock;
  const int fd = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  int result = -1;
  if (fd >= 0) {
    while ((result = flock(fd, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
    }
  }
  if (result == 0) {
    lock.handle = fd;
    return lock;
  }
  const int error = errno;
  if (fd >= 0) close(fd);
  lock.busy = error == EWOULDBLOCK;
  lock.problem = lock.busy
                     ? "another game holds " + lockPath
                     : "cannot lock " + lockPath + " (" + reason(error) + ")";
  return lock;
}

void unlockStore(const StoreLock& lock) {
  if (lock.handle >= 0) close(lock.handle);
}

FileRead readStore(const std::string& place) {
  return readFile(place.c_str(), maxProgressBytes);
}

bool isInStore(const std::string& name) {
  return access(name.c_str(), F_OK) == 0;
}

std::string setAside(const std::string& place, const std::string& aside) {
  if (std::rename(place.c_str(), aside.c_str()) == 0) return "";
  return "cannot be kept aside (" + reason(errno) + ")";
}

std::string writeStore(const std::string& place, const std::string& text) {
  const FileWrite written = writeFileAtomically(place.c_str(), text);
  if (written.ok()) return "";
  return "cannot save progress to " + place + " (" + reason(written.error) +
         ")";
}
