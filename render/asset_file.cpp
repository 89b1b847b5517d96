// Picture and font files: a missing one is silent, since the game draws
// without it; one that is something else than a file is worth a line.
#include "render/asset_file.h"

#include "files/read_file.h"

std::optional<std::vector<unsigned char>> readAssetFile(const char* path) {
  return readFileOrGoWithout(path, kMaxAssetBytes);
}
