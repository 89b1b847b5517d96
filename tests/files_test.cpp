// The file library: each kind of thing at a path read as promised, and an
// atomic write that leaves the old file whole when it fails half-way.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "files/atomic_write.h"
#include "files/read_file.h"
#include "tests/support/file_kinds.h"
#include "tests/support/run_dir.h"

namespace {

namespace fs = std::filesystem;

struct FileLibrary : ::testing::Test {
  const RunDir scratch;
  const fs::path& dir = scratch.path;
  std::string write(const char* name, const std::string& text) {
    std::ofstream(dir / name, std::ios::binary) << text;
    return (dir / name).string();
  }
  std::string read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  // The names in the folder, so a temporary file left behind shows.
  std::size_t entries() {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
  }
};

TEST_F(FileLibrary, EveryKindOfFileIsJudgedBeforeAnyByteIsRead) {
  constexpr std::size_t cap = 1000;
  const struct {
    const char* name;
    FileKind kind;
    FileOutcome outcome;
  } cases[] = {
      {"missing", FileKind::Missing, FileOutcome::Missing},
      {"folder", FileKind::Folder, FileOutcome::NotRegular},
      {"fifo", FileKind::Fifo, FileOutcome::NotRegular},  // would block
      {"device", FileKind::EndlessDevice, FileOutcome::NotRegular},  // endless
      {"oversized", FileKind::Oversized, FileOutcome::TooLarge},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path at = dir / c.name;
    plantFileKind(at, c.kind, cap);
    EXPECT_EQ(checkFile(at.c_str(), cap).outcome, c.outcome);
    const FileRead read = readFile(at.c_str(), cap);
    EXPECT_EQ(read.outcome, c.outcome);
    EXPECT_TRUE(read.bytes.empty());
  }
  EXPECT_EQ(readFile((dir / "missing" / "below").c_str(), cap).outcome,
            FileOutcome::Missing);
  const std::string exact = write("exact", std::string(cap, 'x'));
  const FileRead whole = readFile(exact.c_str(), cap);
  ASSERT_TRUE(whole.ok());
  EXPECT_EQ(whole.bytes.size(), cap);
  EXPECT_EQ(readFile(exact.c_str(), cap - 1).outcome, FileOutcome::TooLarge);
}

// A file of the kernel's is a regular file of size 0 that holds more: what
// a file that grows after its size was checked looks like to the reader.
TEST(FileLibraryRead, ReadsNoMoreThanTheSizeItChecked) {
  const FileRead status = readFile("/proc/self/status", 1000);
  ASSERT_EQ(status.outcome, FileOutcome::Read);
  EXPECT_TRUE(status.bytes.empty());
}

TEST_F(FileLibrary, AnAtomicWriteReplacesTheFileWhole) {
  const std::string path = write("progress", "old");
  ASSERT_TRUE(writeFileAtomically(path.c_str(), "new and longer").ok());
  EXPECT_EQ(read(path), "new and longer");
  // Readable as any new file is, not only by its owner as a temporary one.
  const mode_t mask = umask(022);
  const FileWrite fresh = writeFileAtomically((dir / "fresh").c_str(), "first");
  umask(mask);
  ASSERT_TRUE(fresh.ok());
  EXPECT_EQ(read((dir / "fresh").string()), "first");
  EXPECT_EQ(fs::status(dir / "fresh").permissions(),
            fs::perms::owner_read | fs::perms::owner_write |
                fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(entries(), 2u);

  const FileWrite nowhere =
      writeFileAtomically((dir / "no-such-folder" / "file").c_str(), "x");
  EXPECT_EQ(nowhere.outcome, WriteOutcome::CannotCreate);
  EXPECT_EQ(nowhere.error, ENOENT);
  // A folder cannot be replaced by a file.
  fs::create_directory(dir / "folder");
  EXPECT_EQ(writeFileAtomically((dir / "folder").c_str(), "x").outcome,
            WriteOutcome::RenameFailed);
  EXPECT_EQ(entries(), 3u);
}

TEST_F(FileLibrary, AnAtomicWriteKeepsALinkAndPassesOnNoSpecialBits) {
  const std::string real = write("real", "old");
  ASSERT_EQ(chmod(real.c_str(), 06755 | S_ISVTX), 0);
  fs::create_symlink("real", dir / "link");
  ASSERT_TRUE(writeFileAtomically((dir / "link").c_str(), "new").ok());
  EXPECT_TRUE(fs::is_symlink(dir / "link"));
  EXPECT_EQ(read(real), "new");
  struct stat status {};
  ASSERT_EQ(stat(real.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0755u);
  EXPECT_EQ(entries(), 2u);
  // A link that leads nowhere is refused and left as it is.
  fs::create_symlink("missing/file", dir / "nowhere");
  const FileWrite nowhere = writeFileAtomically((dir / "nowhere").c_str(), "x");
  EXPECT_EQ(nowhere.outcome, WriteOutcome::CannotCreate);
  EXPECT_EQ(nowhere.error, ENOENT);
  EXPECT_TRUE(fs::is_symlink(dir / "nowhere"));
  EXPECT_EQ(entries(), 3u);
}

TEST_F(FileLibrary, AnAtomicWriteRemovesItsOwnStaleTemporaryFiles) {
  const std::string path = write("progress", "old");
  const auto aged = [&](const char* name, int seconds) {
    const std::string made = write(name, "left");
    const timespec times[2] = {{time(nullptr) - seconds, 0},
                               {time(nullptr) - seconds, 0}};
    EXPECT_EQ(utimensat(AT_FDCWD, made.c_str(), times, 0), 0);
  };
  aged("progress.a8Qz0K", 120);  // left by a killed game
  aged("progress.Zm3k9P", 5);    // another game may be writing it
  aged("progress.backup", 120);  // a word, not one of ours
  aged("progress.damaged", 120);
  aged("other.a8Qz0K", 120);
  fs::create_directory(dir / "progress.B7d2Xa");
  ASSERT_TRUE(writeFileAtomically(path.c_str(), "new").ok());
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names,
            (std::vector<std::string>{"other.a8Qz0K", "progress",
                                      "progress.B7d2Xa", "progress.Zm3k9P",
                                      "progress.backup", "progress.damaged"}));
}

// The process's file size limit stops the write after 4 KiB, as a full
// disk would.
TEST_F(FileLibrary, AnAtomicWriteFailingHalfWayLeavesTheOldFileWhole) {
  const std::string old(3000, 'o');
  const std::string path = write("progress", old);
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const FileWrite cut =
      writeFileAtomically(path.c_str(), std::string(10000, 'n'));
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, oldHandler);

  EXPECT_EQ(cut.outcome, WriteOutcome::WriteFailed);
  EXPECT_EQ(cut.error, EFBIG);
  EXPECT_EQ(read(path), old);
  EXPECT_EQ(entries(), 1u) << "the temporary file is removed";
}

}  // namespace
