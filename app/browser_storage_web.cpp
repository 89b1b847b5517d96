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

// The length in bytes of what key holds, or -1. Text with a character
// above one byte, which the game never stores, is counted in UTF-8.
EM_JS(int, storedLength, (const char* key, int keyLength), {
  try {
    const text = localStorage.getItem(
        String.fromCharCode.apply(null, HEAPU8.subarray(key, key + keyLength)));
    if (text === null) return -1;
    let wide = false;
    for (let i = 0; i < text.length && !wide; ++i)
      wide = text.charCodeAt(i) > 255;
    return wide ? new TextEncoder().encode(text).length : text.length;
  } catch (error) {
    return -1;
  }
});

// Copies what key holds into buffer, a byte per character, or in UTF-8 as
// storedLength counts it; 0 when it changed length in the meantime.
EM_JS(int, copyStored,
      (const char* key, int keyLength, char* buffer, int length), {
  try {
    const text = localStorage.getItem(
        String.fromCharCode.apply(null, HEAPU8.subarray(key, key + keyLength)));
    if (text === null) return 0;
    let wide = false;
    for (let i = 0; i < text.length && !wide; ++i)
      wide = text.charCodeAt(i) > 255;
    if (wide) {
      const bytes = new TextEncoder().encode(text);
      if (bytes.length !== length) return 0;
      HEAPU8.set(bytes, buffer);
      return 1;
    }
    if (text.length !== length) return 0;
    for (let i = 0; i < length; ++i) HEAPU8[buffer + i] = text.charCodeAt(i);
    return 1;
  } catch (error) {
    return 0;
  }
});

// Keeps what key holds under copyKey too, as it is, character for
// character.
EM_JS(int, copyWithin,
      (const char* key, int keyLength, const char* copyKey, int copyLength), {
  try {
    const text = localStorage.getItem(
        String.fromCharCode.apply(null, HEAPU8.subarray(key, key + keyLength)));
    if (text === null) return 0;
    localStorage.setItem(String.fromCharCode.apply(
        null, HEAPU8.subarray(copyKey, copyKey + copyLength)), text);
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

bool keepCopy(const std::string& key, const std::string& copyKey) {
  return copyWithin(key.data(), static_cast<int>(key.size()), copyKey.data(),
                    static_cast<int>(copyKey.size())) != 0;
}

void forgetStored(const std::string& key) {
  removeStored(key.data(), static_cast<int>(key.size()));
}
