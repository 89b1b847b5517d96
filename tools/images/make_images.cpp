// Image generator: writes the fourteen pictures of the game and its icon.
// Usage: make_images OUTPUT_DIR REGULAR_FONT BOLD_FONT
#include <cstdio>
#include <exception>
#include <string>

#include "tools/images/playfield_picture.h"
#include "tools/images/png_output.h"
#include "tools/images/screen_pictures.h"
#include "tools/images/sprite_pictures.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR REGULAR_FONT BOLD_FONT\n",
                 argv[0]);
    return 2;
  }
  const std::string out = std::string(argv[1]) + "/";
  const FontPaths fonts{argv[2], argv[3]};
  try {
    for (int sides = 3; sides <= 8; ++sides)
      writePng(shapePicture(sides),
               out + "shape" + std::to_string(sides) + ".png");
    writePng(nodePicture(), out + "node.png");
    writePng(nodeOutlinePicture(), out + "nodeoutline.png");
    writePng(selectorPicture(), out + "selector.png");
    writePng(linkPicture(), out + "link.png");
    writePng(playfieldPicture(fonts), out + "background.png");
    writePng(titlePicture(fonts), out + "titlescreen.png");
    writePng(instructionsPicture(fonts), out + "instructions.png");
    writePng(gameOverPicture(fonts), out + "gameover.png");
    writePng(iconPicture(), out + "icon.png");
  } catch (const std::exception& error) {
    std::fprintf(stderr, "make_images: %s\n", error.what());
    return 1;
  }
  return 0;
}
