// Data folder: the candidates and the change into the first that has data.
#include "app/data_folder.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

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
  return folders;
}

// Any one of the three will do: a file missing from a data folder is a
// missing picture, font or sound, which the game handles as such.
bool holdsData(const fs::path& folder) {
  std::error_code error;
  for (const char* name : {"images", "fonts", "audio"})
    if (fs::is_directory(folder / name, error)) return true;
  return false;
}

}  // namespace

bool enterDataFolder() {
  const std::vector<fs::path> folders = candidates();
  for (const fs::path& folder : folders)
    if (holdsData(folder) && chdir(folder.c_str()) == 0) return true;
  std::string looked;
  for (const fs::path& folder : folders)
    looked += (looked.empty() ? "" : ", ") + folder.string();
  std::fprintf(stderr, "No images/, fonts/ or audio/ folder in %s\n",
               looked.c_str());
  return false;
}
