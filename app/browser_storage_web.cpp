// The browser's local storage, reached from the game through small calls
// that pass bytes through the module's memory.
#include <emscripten.h>

#include "app/browser_storage.h"

namespace {

// clang-format off
// Every call is guarded: a browser that refuses storage throws on any use.
EM_JS(int, storageUsable, (), {
  try {
    return window.localStorage ? 1 : 0;
  } catch (error) {
    return 0;
  }
});

// The length of what key holds, or -1.
EM_JS(int, storedLength, (const char* key, int keyLength), {
  try {
    const text = localStorage.getItem(
        String.fromCharCode.apply(null, HEAPU8.subarray(key, key + keyLength)));
    return text === null ? -1 : text.length;
  } catch (error) {
    return -1;
  }
});

// Copies what key holds into buffer, a byte per character; 0 when it
// changed length in the meantime.
EM_JS(int, copyStored,
      (const char* key, int keyLength, char* buffer, int length), {
  try {
    const text = localStorage.getItem(
        String.fromCharCode.apply(null, HEAPU8.subarray(key, key + keyLength)));
    if (text === null || text.length !== length) return 0;
    for (let i = 0; i < length; ++i) HEAPU8[buffer + i] = text.charCodeAt(i);
    return 1;
  } catch (error) {
    return 0;
  }
});

EM_JS(int, storeBytes,
      (const char* key, int keyLength, const char* bytes, int length), {
  try {
    let text = "";
    // In slices: one call with a megabyte of arguments overflows the stack.
    for (let at = 0; at < length; at += 8192)
      text += String.fromCharCode.apply(
          null,
          HEAPU8.subarray(bytes + at, bytes + Math.min(length, at + 8192)));
    localStorage.setItem(
        String.fromCharCode.apply(null, HEAPU8.subarray(key, key + keyLength)),
        text);
    return 1;
  } catch (error) {
    return 0;
  }
});

EM_JS(void, removeStored, (const char* key, int keyLength), {
  try {
    localStorage.removeItem(
        String.fromCharCode.apply(null, HEAPU8.subarray(key, key + keyLength)));
  } catch (error) {
  }
});
// clang-format on

}  // namespace

bool storageAvailable() { return storageUsable() != 0; }

bool isStored(const std::string& key) {
  return storedLength(key.data(), static_cast<int>(key.size())) >= 0;
}

std::optional<std::string> readStored(const std::string& key) {
  const int keyLength = static_cast<int>(key.size());
  const int length = storedLength(key.data(), keyLength);
  if (length < 0) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(length), '\0');
  if (!copyStored(key.data(), keyLength, bytes.data(), length))
    return std::nullopt;
  return bytes;
}

bool store(const std::string& key, const std::string& bytes) {
  return storeBytes(key.data(), static_cast<int>(key.size()), bytes.data(),
                    static_cast<int>(bytes.size())) != 0;
}

void forgetStored(const std::string& key) {
  removeStored(key.data(), static_cast<int>(key.size()));
}
