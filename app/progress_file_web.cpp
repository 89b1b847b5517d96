// Kept progress in the browser: the state file's text under one key of the
// page's local storage, read and changed with the same rules as on the
// desktop. The page's scripts run one at a time, so a save that reads the
// text again and writes it at once keeps what another tab saved.
#include "app/browser_storage.h"
#include "app/progress_file.h"

namespace {

constexpr const char* kKey = "linkloom progress";

}  // namespace

ProgressFile& progressFile() {
  static ProgressFile file;
  return file;
}

void ProgressFile::open(const char*, const char*) {
  if (!storageAvailable()) {
    std::fputs(
        "linkloom: this browser keeps nothing for the page; playing unsaved\n",
        messages);
    return;
  }
  path = kKey;
  save([](Progress&) {});
}

void ProgressFile::save(const std::function<void(Progress&)>& change) {
  if (path.empty()) {
    change(progress);
    return;
  }
  const std::optional<std::string> text = readStored(path);
  Progress kept;
  std::string damage;
  if (text && text->size() > maxProgressBytes) {
    damage = "larger than any progress file";
  } else if (text) {
    ProgressReading reading = parseProgress(*text);
    kept = std::move(reading.progress);
    damage = reading.error;
  }
  if (!damage.empty()) {
    // As on the desktop: what cannot be kept aside is not written over.
    // The copy is the stored text itself, so that nothing the game could
    // not read is altered.
    const std::string aside = damagedName(path, isStored);
    if (!keepCopy(path, aside)) {
      std::fprintf(messages,
                   "linkloom: the kept progress is damaged (%s) and cannot be "
                   "kept aside; playing unsaved\n",
                   damage.c_str());
      path.clear();
      change(progress);
      return;
    }
    std::fprintf(messages,
                 "linkloom: the kept progress is damaged (%s); kept as \"%s\", "
                 "progress starts afresh\n",
                 damage.c_str(), aside.c_str());
  }
  change(kept);
  if (!store(path, formatProgress(kept))) {
    std::fputs(
        "linkloom: the browser's storage refused the progress; playing "
        "unsaved\n",
        messages);
    path.clear();
    change(progress);
    return;
  }
  progress = std::move(kept);
}

// Nothing waits: the page's storage has no lock, and each save is done at
// once.
void ProgressFile::saveWaiting() {}
