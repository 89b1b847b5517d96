// The state file on the disk: made where the player's state belongs,
// replaced whole, a damaged file kept aside with its line, an unreadable
// one left alone, an unwritable folder read and reported once, a link
// written through, another game's lock never waited for, and two games
// saving at once both kept.
#include "app/progress_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/as_player.h"
#include "tests/support/run_dir.h"

namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

struct ProgressFileTest : ::testing::Test {
  RunDir scratch{};
  std::FILE* messages = std::tmpfile();
  fs::path folder = scratch.path / "state" / "linkloom";
  fs::path file = folder / "progress";

  ~ProgressFileTest() override { std::fclose(messages); }

  ProgressFile opened(const char* home = "/nonexistent") {
    ProgressFile progress;
    progress.messages = messages;
    progress.open((scratch.path / "state").c_str(), home);
    return progress;
  }
  // Every line reported so far.
  std::string said() {
    std::fflush(messages);
    std::rewind(messages);
    std::string text;
    for (int c; (c = std::fgetc(messages)) != EOF;) text += char(c);
    return text;
  }
  std::vector<std::string> names() {
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(folder))
      found.push_back(entry.path().filename().string());
    std::sort(found.begin(), found.end());
    return found;
  }
};

void solve(ProgressFile& progress, const std::string& puzzle, int level) {
  progress.save([puzzle, level](Progress& kept) {
    recordSolved(kept, puzzle, {level, 1000 + level, 0});
  });
}

TEST_F(ProgressFileTest, TheFolderIsMadeAndEachSaveReplacesTheFileWhole) {
  ProgressFile progress = opened();
  EXPECT_EQ(progress.path, file.string());
  EXPECT_EQ(contents(file), "linkloom progress 1\n");
  // A reader that opened the old file keeps reading the old file whole.
  std::ifstream before(file);
  solve(progress, "seed 3 easy", 0);
  const std::string saved = contents(file);
  EXPECT_EQ(saved,
            "linkloom progress 1\npuzzle 1 seed 3 easy\nsolved 1 1000 0\n");
  std::stringstream old;
  old << before.rdbuf();
  EXPECT_EQ(old.str(), "linkloom progress 1\n");
  EXPECT_EQ(names(), (std::vector<std::string>{"progress", "progress.lock"}))
      << "a temporary file was left behind";
  EXPECT_EQ(said(), "");
  // The next game reads it, and a relative XDG_STATE_HOME is not used.
  ProgressFile again;
  again.messages = messages;
  again.open("state", scratch.path.c_str());
  EXPECT_EQ(again.path,
            (scratch.path / ".local/state/linkloom/progress").string());
  EXPECT_EQ(opened().progress.puzzles.size(), 1u);
}

TEST_F(ProgressFileTest, ADamagedFileIsKeptAsideWithOneLine) {
  fs::create_directories(folder);
  const std::string garbage = "linkloom progress 1\npuzzle 1 a\nsolved x\n";
  std::ofstream(file) << garbage;
  ProgressFile progress = opened();
  EXPECT_EQ(said(), "linkloom: " + file.string() +
                        " is damaged (line 3: a solved level is its number, "
                        "milliseconds and hints); kept as " +
                        file.string() + ".damaged, progress starts afresh\n");
  EXPECT_EQ(contents(file.string() + ".damaged"), garbage);
  EXPECT_TRUE(progress.progress.puzzles.empty());
  solve(progress, "seed 1 easy", 0);
  EXPECT_EQ(opened().progress.puzzles.size(), 1u);

  // A second damaged file does not take the place of the first; a folder
  // and an oversized file are set aside the same way.
  std::ofstream(file) << "\x89PNG";
  opened();
  EXPECT_EQ(contents(file.string() + ".damaged"), garbage);
  EXPECT_EQ(contents(file.string() + ".damaged.2"), "\x89PNG");
  fs::remove(file);
  fs::create_directory(file);
  opened();
  EXPECT_TRUE(fs::is_directory(file.string() + ".damaged.3"));
  std::ofstream(file).close();
  fs::resize_file(file, maxProgressBytes + 1);
  ProgressFile last = opened();
  EXPECT_EQ(fs::file_size(file.string() + ".damaged.4"), maxProgressBytes + 1);
  EXPECT_EQ(contents(file), "linkloom progress 1\n");
  const std::string lines = said();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 4);
  EXPECT_NE(lines.find("(not a regular file)"), std::string::npos) << lines;
  EXPECT_NE(lines.find("(larger than any progress file)"), std::string::npos);
}

TEST_F(ProgressFileTest, AFolderThatCannotBeWrittenLeavesPlayUnsaved) {
  // Where the folder should be stands a file.
  fs::create_directories(scratch.path / "state");
  std::ofstream(folder) << "in the way";
  ProgressFile progress = opened();
  EXPECT_EQ(said(), "linkloom: cannot keep progress in " + folder.string() +
                        " (Not a directory); playing unsaved\n");
  EXPECT_TRUE(progress.path.empty());
  solve(progress, "seed 1 easy", 0);
  solve(progress, "seed 1 easy", 1);
  EXPECT_EQ(resumeLevel(progress.progress, "seed 1 easy", 6), 2)
      << "unsaved play still counts what is solved";
  EXPECT_EQ(contents(folder), "in the way");

  ProgressFile nowhere;
  nowhere.messages = messages;
  nowhere.open(nullptr, nullptr);
  EXPECT_TRUE(nowhere.path.empty());
  EXPECT_NE(said().find("neither XDG_STATE_HOME nor HOME"), std::string::npos);

  // A folder whose lock file cannot be made: one line, nothing written.
  fs::remove(folder);
  fs::create_directories(folder / "progress.lock");
  ProgressFile unlockable = opened();
  EXPECT_TRUE(unlockable.path.empty());
  EXPECT_NE(said().find("linkloom: cannot lock " + file.string() +
                        ".lock (Is a directory); playing unsaved\n"),
            std::string::npos)
      << said();
  EXPECT_FALSE(fs::exists(file));
}

const char* const kThreeSolved =
    "linkloom progress 1\npuzzle 1 seed 5 medium\nsolved 1 10 0\n"
    "solved 2 10 0\nsolved 3 10 0\n";

TEST_F(ProgressFileTest, AReadOnlyFolderIsReadAndPlayGoesOnUnsaved) {
  fs::create_directories(folder);
  std::ofstream(file) << kThreeSolved;
  asPlayer(scratch.path, [&] {
    chmod(folder.c_str(), 0555);
    ProgressFile progress = opened();
    EXPECT_TRUE(progress.path.empty());
    EXPECT_EQ(resumeLevel(progress.progress, "seed 5 medium", 6), 3);
    EXPECT_EQ(said(), "linkloom: cannot lock " + file.string() +
                          ".lock (Permission denied); playing unsaved\n");
    solve(progress, "seed 5 medium", 3);
    EXPECT_EQ(resumeLevel(progress.progress, "seed 5 medium", 6), 4);
    EXPECT_EQ(contents(file), kThreeSolved);
    // With the lock file made before the folder became read-only, the
    // write is what fails, and what was read is still played on.
    chmod(folder.c_str(), 0755);
    std::ofstream(file.string() + ".lock").close();
    chmod(folder.c_str(), 0555);
    ProgressFile locked = opened();
    EXPECT_TRUE(locked.path.empty());
    EXPECT_EQ(resumeLevel(locked.progress, "seed 5 medium", 6), 3);
    EXPECT_NE(said().find("linkloom: cannot save progress to " + file.string() +
                          " (Permission denied)"),
              std::string::npos)
        << said();
    EXPECT_EQ(contents(file), kThreeSolved);
    chmod(folder.c_str(), 0755);
  });
}

TEST_F(ProgressFileTest, AFileThatCannotBeReadIsLeftAsItIs) {
  fs::create_directories(folder);
  std::ofstream(file) << kThreeSolved;
  asPlayer(scratch.path, [&] {
    chmod(file.c_str(), 0200);
    ProgressFile progress = opened();
    EXPECT_TRUE(progress.path.empty());
    EXPECT_EQ(said(), "linkloom: cannot read " + file.string() +
                          " (Permission denied), so it is left as it is; "
                          "playing unsaved\n");
    solve(progress, "seed 5 medium", 0);
    chmod(file.c_str(), 0600);
    EXPECT_EQ(names(), (std::vector<std::string>{"progress", "progress.lock"}));
    EXPECT_EQ(contents(file), kThreeSolved);
  });
}

TEST_F(ProgressFileTest, ALinkedFileIsWrittenThroughItsLink) {
  const fs::path elsewhere = scratch.path / "elsewhere";
  fs::create_directories(folder);
  fs::create_directories(elsewhere);
  std::ofstream(elsewhere / "kept") << kThreeSolved;
  chmod((elsewhere / "kept").c_str(), 04755);
  fs::create_symlink("../../elsewhere/kept", file);
  ProgressFile progress = opened();
  EXPECT_EQ(resumeLevel(progress.progress, "seed 5 medium", 6), 3);
  solve(progress, "seed 5 medium", 3);
  EXPECT_TRUE(fs::is_symlink(file));
  EXPECT_EQ(resumeLevel(parseProgress(contents(elsewhere / "kept")).progress,
                        "seed 5 medium", 6),
            4);
  struct stat status {};
  ASSERT_EQ(stat((elsewhere / "kept").c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0755u) << "no set-user-ID bit passed on";
  EXPECT_EQ(said(), "");
  // A link that leads nowhere is refused with one line, and stays.
  fs::remove(elsewhere / "kept");
  ProgressFile nowhere = opened();
  EXPECT_TRUE(nowhere.path.empty());
  EXPECT_EQ(said(), "linkloom: cannot save progress to " + file.string() +
                        " (No such file or directory); playing unsaved\n");
  EXPECT_TRUE(fs::is_symlink(file));
}

TEST_F(ProgressFileTest, AnotherGamesLockIsNeverWaitedFor) {
  fs::create_directories(folder);
  std::ofstream(file) << kThreeSolved;
  const int held = open((file.string() + ".lock").c_str(),
                        O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  ASSERT_EQ(flock(held, LOCK_EX), 0);
  // Play starts at once with what the file holds; the level solved waits.
  ProgressFile progress = opened();
  EXPECT_EQ(progress.path, file.string());
  EXPECT_EQ(resumeLevel(progress.progress, "seed 5 medium", 6), 3);
  solve(progress, "seed 5 medium", 3);
  progress.saveWaiting();
  EXPECT_EQ(resumeLevel(progress.progress, "seed 5 medium", 6), 4);
  EXPECT_EQ(contents(file), kThreeSolved);
  EXPECT_EQ(said(), "linkloom: another game holds " + file.string() +
                        ".lock; progress is saved once it is free\n");
  // The other game saves and lets go; the level waiting is saved beside
  // what it saved, and so is every later one.
  close(held);
  ProgressFile other = opened();
  solve(other, "seed 9 hard", 0);
  progress.saveWaiting();
  EXPECT_TRUE(progress.waiting.empty());
  solve(progress, "seed 5 medium", 4);
  const Progress kept = parseProgress(contents(file)).progress;
  EXPECT_EQ(resumeLevel(kept, "seed 5 medium", 6), 5);
  EXPECT_NE(findPuzzle(kept, "seed 9 hard"), nullptr);
  EXPECT_EQ(progress.progress.puzzles.size(), 2u);
  const std::string lines = said();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 1) << lines;
}

TEST_F(ProgressFileTest, TwoGamesSavingAtOnceBothKeepTheirLevels) {
  constexpr int kLevels = 40;
  opened();
  pid_t games[2];
  for (int game = 0; game < 2; ++game) {
    games[game] = fork();
    ASSERT_GE(games[game], 0);
    if (games[game] == 0) {
      ProgressFile progress = opened();
      for (int level = 0; level < kLevels; ++level) {
        solve(progress, "seed " + std::to_string(game) + " hard", level);
        solve(progress, "shared", level * 2 + game);
      }
      // As the game's frames do while the other game holds the lock.
      while (!progress.waiting.empty()) {
        progress.saveWaiting();
        usleep(1000);
      }
      _exit(progress.path.empty() ? 1 : 0);
    }
  }
  for (pid_t game : games) {
    int status = 0;
    ASSERT_EQ(waitpid(game, &status, 0), game);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  const Progress kept = opened().progress;
  for (const char* puzzle : {"seed 0 hard", "seed 1 hard"}) {
    ASSERT_NE(findPuzzle(kept, puzzle), nullptr) << puzzle;
    EXPECT_EQ(findPuzzle(kept, puzzle)->solved.size(), std::size_t(kLevels));
  }
  ASSERT_NE(findPuzzle(kept, "shared"), nullptr);
  EXPECT_EQ(findPuzzle(kept, "shared")->solved.size(),
            std::size_t(2 * kLevels));
  EXPECT_EQ(said(), "");
}

}  // namespace
