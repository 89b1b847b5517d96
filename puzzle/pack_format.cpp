// Level packs: levels written as text, in the form the reader takes back.
#include "puzzle/pack_format.h"

#include <charconv>

#include "puzzle/board.h"

namespace {

std::string signedWhole(float value) {
  const int whole = static_cast<int>(value);
  return (whole > 0 ? "+" : "") + std::to_string(whole);
}

std::string shapeText(float size, int sides, float hue) {
  return std::to_string(static_cast<int>(size)) + "/" + std::to_string(sides) +
         "/" + std::to_string(static_cast<int>(hue));
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
    text += "start " +
            shapeText(level.startSize, level.startSides, level.startHue) + "\n";
    text += "target " +
            shapeText(level.targetSize, level.targetSides, level.targetHue) +
            "\n";
    text += "colour " + channelText(level.nodeRed) + " " +
            channelText(level.nodeGreen) + " " + channelText(level.nodeBlue) +
            "\n";
    for (int k = 0; k < gridNodeCount; ++k) {
      const NodeDeltas& d = level.deltas[k];
      text += signedWhole(d.sizeDelta) + "/" +
              signedWhole(static_cast<float>(d.sidesDelta)) + "/" +
              signedWhole(d.hueDelta);
      text += (k % gridColumns == gridColumns - 1) ? "\n" : " ";
    }
    text += "\n";
  }
  return text + "end\n";
}
