// Kept progress: read once at the start, set aside when damaged, and
// changed under the store's lock, wherever the store keeps it.
#include "app/progress_file.h"

#include <cstring>
#include <string_view>

#include "app/progress_store.h"

namespace {

std::string reason(int error) { return std::strerror(error); }

// Lets go of the lock however a save ends.
struct HeldLock {
  const StoreLock& lock;
  ~HeldLock() { unlockStore(lock); }
};

// What the store holds. Text that cannot be read may hold progress all the
// same (it may be another user's, or the disk may be failing), so it is
// not damaged: it is left as it is.
struct KeptProgress {
  Progress progress;   // empty unless the text reads
  std::string damage;  // why the text does not read, else empty
  int unreadable = 0;  // the errno that kept it from being read, else 0
};

KeptProgress readKept(const std::string& place) {
  const FileRead read = readStore(place);
  KeptProgress kept;
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
  const StorePlace store = findStore(stateHome, home);
  if (store.place.empty()) {
    std::fprintf(messages, "linkloom: %s; playing unsaved\n",
                 store.problem.c_str());
    return;
  }
  path = store.place;
  // Play starts with what the store holds, even should it not be saved to:
  // the lock may be held or the folder read-only. The text is replaced
  // whole, so reading without the lock finds the old text or the new.
  progress = readKept(path).progress;
  // Setting damaged progress aside, under the lock: taking the lock also
  // proves the store writable before anything is played.
  save([](Progress&) {});
}

void ProgressFile::save(const std::function<void(Progress&)>& change) {
  change(progress);
  if (path.empty()) return;
  waiting.push_back(change);
  const std::string busy = trySaving();
  if (waiting.size() == 1 && !busy.empty())
    std::fprintf(messages, "linkloom: %s; progress is saved once it is free\n",
                 busy.c_str());
}

void ProgressFile::saveWaiting() { trySaving(); }

std::string ProgressFile::trySaving() {
  if (path.empty() || waiting.empty()) return "";
  const auto unsaved = [this](const std::string& why) {
    std::fprintf(messages, "linkloom: %s; playing unsaved\n", why.c_str());
    path.clear();
    waiting.clear();
    return std::string();
  };
  const StoreLock lock = lockStore(path);
  if (lock.busy) return lock.problem;
  if (lock.handle < 0) return unsaved(lock.problem);
  const HeldLock held{lock};
  KeptProgress kept = readKept(path);
  if (kept.unreadable != 0)
    return unsaved("cannot read " + storeName(path) + " (" +
                   reason(kept.unreadable) + "), so it is left as it is");
  if (!kept.damage.empty()) {
    const std::string aside = damagedName(path, isInStore);
    const std::string problem = setAside(path, aside);
    if (!problem.empty())
      return unsaved(storeName(path) + " is damaged (" + kept.damage +
                     ") and " + problem);
    std::fprintf(messages,
                 "linkloom: %s is damaged (%s); kept as %s, progress starts "
                 "afresh\n",
                 storeName(path).c_str(), kept.damage.c_str(),
                 storeName(aside).c_str());
  }
  for (const auto& change : waiting) change(kept.progress);
  const std::string problem = writeStore(path, formatProgress(kept.progress));
  if (!problem.empty()) return unsaved(problem);
  progress = std::move(kept.progress);
  waiting.clear();
  return "";
}
