// Standard output checked: the first failure is kept and reported.
#include "files/checked_output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

void CheckedOutput::write(std::string_view text) {
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() &&
      error == 0)
    error = errno != 0 ? errno : EIO;
}

int CheckedOutput::finish(int status) {
  // Buffered text meets the disk only here, so a full one shows here.
  if (std::fflush(stdout) != 0 && error == 0) error = errno;
  if (std::ferror(stdout) && error == 0) error = EIO;
  if (std::fclose(stdout) != 0 && error == 0) error = errno;
  if (error == 0) return status;
  std::fprintf(stderr, "%s: cannot write the output: %s\n", program,
               std::strerror(error));
  return 1;
}
