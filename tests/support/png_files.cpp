// Test support: the tests' PNG pictures and files.
#include "tests/support/png_files.h"

#include <zlib.h>

#include <fstream>
#include <stdexcept>

std::vector<unsigned char> rgbaPng(int width, int height,
                                   const std::vector<unsigned>& rgba) {
  PngPicture picture;
  picture.width = width;
  picture.height = height;
  picture.colourType = PNG_COLOR_TYPE_RGB_ALPHA;
  picture.samples = rgba;
  return encodePng(picture);
}

std::vector<unsigned char> solidPng(int width, int height, unsigned r,
                                    unsigned g, unsigned b, unsigned a) {
  PngPicture picture;
  picture.width = width;
  picture.height = height;
  picture.colourType = a < 255 ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB;
  for (int i = 0; i < width * height; ++i) {
    picture.samples.insert(picture.samples.end(), {r, g, b});
    if (a < 255) picture.samples.push_back(a);
  }
  return encodePng(picture);
}

std::vector<unsigned char> lyingPng(std::uint32_t width, std::uint32_t height,
                                    bool interlaced) {
  std::vector<unsigned char> file = solidPng(1, 1, 40, 80, 120);
  // After the 8-byte signature: IHDR's length, type, 13 bytes of data
  // (width and height first, big-endian), then its CRC over type and data.
  constexpr std::size_t type = 12, data = 16, crc = 29;
  for (int i = 0; i < 4; ++i) {
    file[data + i] = static_cast<unsigned char>(width >> (24 - 8 * i));
    file[data + 4 + i] = static_cast<unsigned char>(height >> (24 - 8 * i));
  }
  file[data + 12] = interlaced ? 1 : 0;
  const uLong sum = crc32(0, file.data() + type, crc - type);
  for (int i = 0; i < 4; ++i)
    file[crc + i] = static_cast<unsigned char>(sum >> (24 - 8 * i));
  return file;
}

void writeFile(const std::string& path,
               const std::vector<unsigned char>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}
