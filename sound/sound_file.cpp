// Sound files: a missing one is silent; one that is something else than a
// file is worth a line.
#include "sound/sound_file.h"

#include "files/read_file.h"

std::optional<std::vector<unsigned char>> readSoundFile(const char* path) {
  return readFileOrGoWithout(path, kMaxSoundBytes);
}
