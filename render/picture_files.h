// The pictures the game loads from "./images", and the icon installed
// beside it. The build draws every file named here (it reads the names
// from this header), so renaming a picture is one edit.
#pragma once

#include <array>
#include <string>

#include "puzzle/shape.h"

constexpr const char* backgroundFile = "background.png";
constexpr const char* titleFile = "titlescreen.png";
constexpr const char* instructionsFile = "instructions.png";
constexpr const char* gameOverFile = "gameover.png";
// Entry i is the shape with i + 3 sides.
constexpr std::array<const char*, kMaxSides - kMinSides + 1> shapeFiles = {
    "shape3.png", "shape4.png", "shape5.png",
    "shape6.png", "shape7.png", "shape8.png"};
constexpr const char* nodeFile = "node.png";
constexpr const char* nodeOutlineFile = "nodeoutline.png";
constexpr const char* selectorFile = "selector.png";
constexpr const char* linkFile = "link.png";
// Guided play's own playing field, instructions and game-over pictures:
// they tell what guided play does, and the game-over one leaves room for
// the count the game writes over it. The classic game never loads them.
constexpr const char* guidedBackgroundFile = "guidedfield.png";
constexpr const char* guidedInstructionsFile = "guidedhelp.png";
constexpr const char* guidedGameOverFile = "guidedover.png";
// The desktop's icon, and the browser page's, large enough for the browser
// to install the page as an app; the game never loads either.
constexpr const char* iconFile = "icon.png";
constexpr const char* webIconFile = "webicon.png";

// Every picture the game loads, in the order it loads them.
constexpr std::array<const char*, 14> gamePictureFiles = {
    backgroundFile, titleFile,     instructionsFile, gameOverFile,
    shapeFiles[0],  shapeFiles[1], shapeFiles[2],    shapeFiles[3],
    shapeFiles[4],  shapeFiles[5], nodeFile,         nodeOutlineFile,
    selectorFile,   linkFile};

// The pictures guided play loads in place of the classic three.
constexpr std::array<const char*, 3> guidedPictureFiles = {
    guidedBackgroundFile, guidedInstructionsFile, guidedGameOverFile};

// Where the game finds a picture: relative to its run directory.
inline std::string picturePath(const char* name) {
  return std::string("./images/") + name;
}
