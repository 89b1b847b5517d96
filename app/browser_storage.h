// The browser's local storage, which keeps text by key for this site from
// one visit to the next. Each byte is kept as one character, so any bytes
// come back as they went in. Text put there otherwise, with a character
// above one byte, reads back as its UTF-8, never cut to single bytes.
#pragma once

#include <optional>
#include <string>

// Whether this page may use the storage at all (a browser may refuse it).
bool storageAvailable();
// Whether anything is kept under key.
bool isStored(const std::string& key);
// The bytes kept under key, or nothing when none are.
std::optional<std::string> readStored(const std::string& key);
// Keeps bytes under key; false when the storage refuses (it is full, or
// unavailable).
bool store(const std::string& key, const std::string& bytes);
// Keeps what key holds under copyKey as well, exactly as it is held,
// whatever its characters; false when key holds nothing or the storage
// refuses.
bool keepCopy(const std::string& key, const std::string& copyKey);
// Removes what key holds, if anything.
void forgetStored(const std::string& key);
