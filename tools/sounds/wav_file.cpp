// WAV writer: RIFF header, format chunk and little-endian 16-bit data.
#include "tools/sounds/wav_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace {

void put(std::ofstream& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out.put(static_cast<char>((value >> (8 * i)) & 0xff));
}

}  // namespace

bool writeWav(const std::string& path, const std::vector<float>& samples,
              int channels, int rate) {
  constexpr std::uint32_t bytesPerSample = 2;
  const auto dataBytes =
      static_cast<std::uint32_t>(samples.size() * bytesPerSample);
  std::ofstream out(path, std::ios::binary);
  out.write("RIFF", 4);
  put(out, 36 + dataBytes, 4);
  out.write("WAVEfmt ", 8);
  put(out, 16, 4);  // format chunk size
  put(out, 1, 2);   // PCM
  put(out, channels, 2);
  put(out, rate, 4);
  put(out, rate * channels * bytesPerSample, 4);  // bytes per second
  put(out, channels * bytesPerSample, 2);         // bytes per frame
  put(out, 16, 2);                                // bits per sample
  out.write("data", 4);
  put(out, dataBytes, 4);
  for (float sample : samples) {
    const float clamped = std::clamp(sample, -1.0f, 1.0f);
    const auto value = static_cast<std::int16_t>(std::lround(clamped * 32767));
    put(out, static_cast<std::uint16_t>(value), 2);
  }
  return static_cast<bool>(out);
}
