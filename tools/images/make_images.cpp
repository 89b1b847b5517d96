// Image generator: writes the fourteen pictures of the game, guided play's
// three and the icon.
// Usage: make_images OUTPUT_DIR REGULAR_FONT BOLD_FONT
#include <cstdio>
#include <exception>
#include <string>

#include "render/picture_files.h"
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
    for (int sides = kMinSides; sides <= kMaxSides; ++sides)
      writePng(shapePicture(sides), out + shapeFiles[sides - kMinSides]);
    writePng(nodePicture(), out + nodeFile);
    writePng(nodeOutlinePicture(), out + nodeOutlineFile);
    writePng(selectorPicture(), out + selectorFile);
    writePng(linkPicture(), out + linkFile);
    writePng(playfieldPicture(fonts), out + backgroundFile);
    writePng(titlePicture(fonts), out + titleFile);
    writePng(instructionsPicture(fonts), out + instructionsFile);
    writePng(gameOverPicture(fonts), out + gameOverFile);
    writePng(guidedPlayfieldPicture(fonts), out + guidedBackgroundFile);
    writePng(guidedInstructionsPicture(fonts), out + guidedInstructionsFile);
    writePng(guidedGameOverPicture(fonts), out + guidedGameOverFile);
    writePng(iconPicture(128), out + iconFile);
    writePng(iconPicture(256), out + webIconFile);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "make_images: %s\n", error.what());
    return 1;
  }
  return 0;
}
