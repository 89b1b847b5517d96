// Sound files: a missing one is silent; one that is something else than a
// file is worth a line.
#include "sound/sound_file.h"

#include <cstdio>

#include "files/read_file.h"

std::optional<std::vector<unsigned char>> readSoundFile(const char* path) {
  FileRead file = readFile(path, kMaxSoundBytes);
  if (file.outcome == FileOutcome::NotRegular)
    std::fprintf(stderr, "%s: not a regular file, treated as missing\n", path);
  if (file.outcome == FileOutcome::TooLarge)
    std::fprintf(stderr, "%s: larger than %zu MiB, treated as missing\n", path,
                 kMaxSoundBytes >> 20);
  if (!file.ok()) return std::nullopt;
  return std::move(file.bytes);
}
