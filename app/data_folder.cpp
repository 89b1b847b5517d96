// Data folder: the candidates and the change into the first that has data.
#include "app/data_folder.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "files/read_file.h"
#include "render/glyph_font.h"
#include "render/picture_files.h"

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> candidates() {
  std::error_code error;
  std::vector<fs::path> folders = {fs::current_path(error)};
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  if (error) return folders;
  folders.push_back(program.parent_path());
  folders.push_back(
      (program.parent_path() / LINKLOOM_DATA_FROM_PROGRAM).lexically_normal());
  // The working directory may be the program's folder: each is tried once.
  std::vector<fs::path> distinct;
  for (const fs::path& folder : folders)
    if (std::find(distinct.begin(), distinct.end(), folder) == distinct.end())
      distinct.push_back(folder);
  return distinct;
}

// The files without which the game does not start (the font) or starts on
// a blank screen (the title picture). Any other missing file is a missing
// picture or sound, which the game handles as such.
std::vector<std::string> neededFiles() {
  return {fs::path(gameFontPath).lexically_normal().string(),
          fs::path(picturePath(titleFile)).lexically_normal().string()};
}

// What folder lacks of the needed files, "and"-joined; empty when nothing.
std::string lacking(const fs::path& folder) {
  std::string lacks;
  for (const std::string& name : neededFiles()) {
    const FileRead found = checkFile((folder / name).c_str(), SIZE_MAX);
    if (!found.ok()) lacks += (lacks.empty() ? "" : " and ") + name;
  }
  return lacks;
}

}  // namespace

bool enterDataFolder() {
  std::string looked;
  for (const fs::path& folder : candidates()) {
    const std::string lacks = lacking(folder);
    if (lacks.empty() && chdir(folder.c_str()) == 0) return true;
    looked += (looked.empty() ? "" : "; ") + folder.string() +
              (lacks.empty() ? " cannot be entered" : " lacks " + lacks);
  }
  std::fprintf(stderr, "No game data found: %s\n", looked.c_str());
  return false;
}
