// Fuzz target: arbitrary text read as a level pack. A pack that reads must
// hold 1 to 100 levels within the limits and be written back unchanged; a
// pack that does not must say where.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "puzzle/level_pack.h"
#include "puzzle/level_set.h"
#include "puzzle/pack_format.h"
#include "puzzle/shape.h"

namespace {
void require(bool condition) {
  if (!condition) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const PackReading pack = parsePack(text, "f");
  if (!pack.ok()) {
    require(pack.error.rfind("f:", 0) == 0 && pack.levels.empty());
    require(pack.error.find('\n') == std::string::npos);
    return 0;
  }
  require(!pack.levels.empty() &&
          static_cast<int>(pack.levels.size()) <= maxLevelsInSet);
  for (const Level& level : pack.levels) {
    require(level.startSides >= kMinSides && level.startSides <= kMaxSides);
    require(level.targetSize >= kMinSize && level.targetSize <= kMaxSize);
    require(level.nodeGreen >= 0.0f && level.nodeGreen <= 1.0f);
  }
  const PackReading again = parsePack(formatPack(pack.levels), "again");
  require(again.ok() && formatPack(again.levels) == formatPack(pack.levels));
  return 0;
}
