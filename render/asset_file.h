// Picture and font files: read through the file library with the
// renderer's cap, as files the game can go without.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

// No picture or font of the game comes near this; a larger file is taken
// for a mistake rather than read into memory.
constexpr std::size_t kMaxAssetBytes = std::size_t{64} << 20;

// The whole content of the regular file at path, of at most kMaxAssetBytes.
// Empty when the file is missing or unreadable (silently), or when it is not
// a regular file (a FIFO, device, socket or directory) or is too large:
// those are treated as missing, with one line on standard error saying so.
std::optional<std::vector<unsigned char>> readAssetFile(const char* path);
