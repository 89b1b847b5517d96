// Level packs: levels written as text, in the form the reader takes back.
#include "puzzle/pack_format.h"

#include <charconv>

#include "puzzle/board.h"
#include "puzzle/quantities.h"

namespace {

std::string signedWhole(int whole) {
  return (whole > 0 ? "+" : "") + std::to_string(whole);
}

// "size/sides/hue", each amount a whole number.
std::string shapeText(const Level& level, LevelShape shape) {
  std::string text;
  forEachQuantity([&](const auto& entry) {
    if (!text.empty()) text += "/";
    text += std::to_string(static_cast<int>(level.*entry.shapeField(shape)));
  });
  return text;
}

// A cell's deltas, each signed: "+2/0/-60".
std::string cellText(const NodeDeltas& cell) {
  std::string text;
  forEachQuantity([&](const auto& entry) {
    if (!text.empty()) text += "/";
    text += signedWhole(static_cast<int>(cell.*entry.cell));
  });
  return text;
}

// The shortest decimal that reads back as the same float, in plain
// digits, since the reader takes no exponent; under 60 characters for any
// float from 0 to 1.
std::string channelText(float value) {
  char text[160];
  const auto result =
      std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
  return std::string(text, result.ptr);
}

}  // namespace

std::string formatPack(const std::vector<Level>& levels) {
  std::string text = "pack\n";
  for (std::size_t index = 0; index < levels.size(); ++index) {
    const Level& level = levels[index];
    text += "# level " + std::to_string(index + 1) + "\nlevel\n";
    text += "start " + shapeText(level, LevelShape::Start) + "\n";
    text += "target " + shapeText(level, LevelShape::Target) + "\n";
    text += "colour " + channelText(level.nodeRed) + " " +
            channelText(level.nodeGreen) + " " + channelText(level.nodeBlue) +
            "\n";
    for (int k = 0; k < gridNodeCount; ++k) {
      text += cellText(level.deltas[k]);
      text += (k % gridColumns == gridColumns - 1) ? "\n" : " ";
    }
    text += "\n";
  }
  return text + "end\n";
}
