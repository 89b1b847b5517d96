// The progress kept in the browser: the state file's text under one key of
// the page's local storage. The page's scripts run one at a time, so a save
// that reads the text again and writes it at once keeps what another tab
// saved, and no lock is needed.
#include "app/browser_storage.h"
#include "app/progress_store.h"
#include "puzzle/progress.h"

namespace {

constexpr const char* kKey = "linkloom progress";

}  // namespace

StorePlace findStore(const char*, const char*) {
  if (!storageAvailable())
    return {"", "this browser keeps nothing for the page"};
  return {kKey, ""};
}

std::string storeName(const std::string& place) {
  return place == kKey ? "the kept progress" : "\"" + place + "\"";
}

StoreLock lockStore(const std::string&) {
  StoreLock held;
  held.handle = 0;
  return held;
}

void unlockStore(const StoreLock&) {}

FileRead readStore(const std::string& place) {
  FileRead read;
  const std::optional<std::string> text = readStored(place);
  if (!text) return read;
  if (text->size() > maxProgressBytes) {
    read.outcome = FileOutcome::TooLarge;
    return read;
  }
  read.outcome = FileOutcome::Read;
  read.bytes.assign(text->begin(), text->end());
  return read;
}

bool isInStore(const std::string& name) { return isStored(name); }

// The copy is the stored text itself, so that nothing the game could not
// read is altered.
std::string setAside(const std::string& place, const std::string& aside) {
  if (keepCopy(place, aside)) return "";
  return "cannot be kept aside (the browser's storage refused it)";
}

std::string writeStore(const std::string& place, const std::string& text) {
  if (store(place, text)) return "";
  return "the browser's storage refused the progress";
}
