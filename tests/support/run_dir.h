// Test support: a scratch folder of the test's own, removed with all it
// holds when the test is done; as a run directory for the real game, with
// links to those data folders of the build's run directory it should find.
#pragma once

#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <system_error>

struct RunDir {
  std::filesystem::path path;

  // A test that cannot have its folder stops with the reason, rather than
  // writing where it happens to be.
  explicit RunDir(std::initializer_list<const char*> linked = {}) {
    namespace fs = std::filesystem;
    char pattern[] = "/tmp/linkloom-run-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
      throw std::system_error(errno, std::generic_category(), pattern);
    path = pattern;
    for (const char* name : linked)
      fs::create_directory_symlink(fs::path(LINKLOOM_RUN_DIR) / name,
                                   path / name);
  }
  ~RunDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  RunDir(const RunDir&) = delete;
  RunDir& operator=(const RunDir&) = delete;

  std::string file(const char* name) const { return (path / name).string(); }
  // Makes folder a real folder of links to each of the build's files in it,
  // so that one of them can be replaced.
  void unfold(const char* folder) const {
    namespace fs = std::filesystem;
    fs::create_directory(path / folder);
    for (const auto& entry :
         fs::directory_iterator(fs::path(LINKLOOM_RUN_DIR) / folder))
      fs::create_symlink(entry.path(), path / folder / entry.path().filename());
  }
};
