// Test support: whatever may sit at a path a file is read from, planted in
// one call, for the file library's tests and its callers' alike.
#pragma once

#include <sys/stat.h>

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <stdexcept>

enum class FileKind { Missing, Folder, Fifo, EndlessDevice, Oversized };

// Puts a thing of kind at path, which must be free. Oversized is a sparse
// regular file of cap + 1 bytes, so it uses no disk.
inline void plantFileKind(const std::filesystem::path& path, FileKind kind,
                          std::size_t cap) {
  namespace fs = std::filesystem;
  switch (kind) {
    case FileKind::Missing: break;
    case FileKind::Folder: fs::create_directory(path); break;
    case FileKind::Fifo:
      if (mkfifo(path.c_str(), 0600) != 0)
        throw std::runtime_error("mkfifo failed");
      break;
    case FileKind::EndlessDevice: fs::create_symlink("/dev/zero", path); break;
    case FileKind::Oversized:
      std::ofstream(path).close();
      fs::resize_file(path, cap + 1);
      break;
  }
}
