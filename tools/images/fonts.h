// The two TrueType faces the screen pictures are lettered in.
#pragma once

#include <string>

struct FontPaths {
  std::string regular;
  std::string bold;
};
