// Test support: a test's body run as an ordinary user, so that file
// permissions bind it even where the tests run as the superuser.
#pragma once

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>

// Runs body here or, as the superuser, in a child process that first gives
// folder and all it holds to the user nobody and becomes that user. A
// failure inside the child fails the test.
inline void asPlayer(const std::filesystem::path& folder,
                     const std::function<void()>& body) {
  if (geteuid() != 0) {
    body();
    return;
  }
  constexpr uid_t kNobody = 65534;
  std::fflush(nullptr);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    namespace fs = std::filesystem;
    bool owned = chown(folder.c_str(), kNobody, kNobody) == 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
      owned = owned && lchown(entry.path().c_str(), kNobody, kNobody) == 0;
    if (!owned || setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 ||
        setuid(kNobody) != 0)
      _exit(2);
    body();
    std::fflush(nullptr);
    _exit(::testing::Test::HasFailure() ? 1 : 0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
      << "as an ordinary user, the test failed (status " << status << ")";
}
