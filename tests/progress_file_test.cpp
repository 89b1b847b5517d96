// The state file on the disk: made where the player's state belongs,
// replaced whole, a damaged file kept aside with its line, an unwritable
// folder reported once, and two games saving at once both kept.
#include "app/progress_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

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
  progress.save([&](Progress& kept) {
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

  // A read-only folder binds everyone but the superuser.
  if (geteuid() == 0) return;
  fs::remove_all(folder);
  fs::create_directories(folder);
  chmod(folder.c_str(), 0500);
  ProgressFile readOnly = opened();
  EXPECT_TRUE(readOnly.path.empty());
  chmod(folder.c_str(), 0700);
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
