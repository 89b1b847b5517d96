// Test support: run a program to its end, its output captured.
#include "tests/support/run_command.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "tools/support/x_session.h"

namespace {
std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  std::remove(path.c_str());
  return text.str();
}
}  // namespace

CommandRun runCommand(const std::string& binary,
                      const std::vector<std::string>& args,
                      int timeoutSeconds) {
  char outPath[] = "/tmp/linkloom-out-XXXXXX";
  char errPath[] = "/tmp/linkloom-err-XXXXXX";
  const int outFd = mkstemp(outPath);
  const int errFd = mkstemp(errPath);
  CommandRun run;
  if (outFd < 0 || errFd < 0) return run;
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(outFd, STDOUT_FILENO);
    dup2(errFd, STDERR_FILENO);
    unsetenv("DISPLAY");
    // Whatever happens, a test never waits on a hung child for long.
    alarm(static_cast<unsigned>(timeoutSeconds));
    execProgram(binary, args);
  }
  close(outFd);
  close(errFd);
  int status = 0;
  if (pid > 0 && waitpid(pid, &status, 0) == pid)
    run.status =
        WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  run.out = slurp(outPath);
  run.err = slurp(errPath);
  return run;
}
