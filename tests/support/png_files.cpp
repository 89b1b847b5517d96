// Test support: the tests' PNG pictures and files.
#include "tests/support/png_files.h"

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

void writeFile(const std::string& path,
               const std::vector<unsigned char>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}
