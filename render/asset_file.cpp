// Picture and font files: a missing one is silent, since the game draws
// without it; one that is something else than a file is worth a line.
#include "render/asset_file.h"

#include <cstdio>

#include "files/read_file.h"

std::optional<std::vector<unsigned char>> readAssetFile(const char* path) {
  FileRead file = readFile(path, kMaxAssetBytes);
  if (file.outcome == FileOutcome::NotRegular)
    std::fprintf(stderr, "%s: not a regular file, treated as missing\n", path);
  if (file.outcome == FileOutcome::TooLarge)
    std::fprintf(stderr, "%s: larger than %zu MiB, treated as missing\n", path,
                 kMaxAssetBytes >> 20);
  if (!file.ok()) return std::nullopt;
  return std::move(file.bytes);
}
