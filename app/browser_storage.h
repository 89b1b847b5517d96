// The browser's local storage, which keeps text by key for this site from
// one visit to the next. Each byte is kept as one character, so any bytes
// come back as they went in.
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
// Removes what key holds, if anything.
void forgetStored(const std::string& key);
