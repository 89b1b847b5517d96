// Sound files: read through the file library with the player's cap, as
// files the game can go without.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

// The music loop is a few MiB; a larger file is taken for a mistake rather
// than read into memory.
constexpr std::size_t kMaxSoundBytes = std::size_t{64} << 20;

// The whole content of the regular file at path, of at most kMaxSoundBytes.
// Empty when the file is missing or unreadable (silently: the game plays in
// silence), or when it is something else than a regular file or is too
// large, with one line on standard error saying so.
std::optional<std::vector<unsigned char>> readSoundFile(const char* path);
