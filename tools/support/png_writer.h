// PNG writing with libpng, shared by the screenshot tool and the tests: any
// colour type, depth and layout, into memory or into a file.
#pragma once

#include <png.h>

#include <string>
#include <vector>

struct PngPicture {
  int width = 1;
  int height = 1;
  int colourType = PNG_COLOR_TYPE_RGB;  // a PNG_COLOR_TYPE_* value
  int bitDepth = 8;
  bool interlaced = false;  // Adam7
  // One value per sample, rows top first: width * height * channels, where
  // a palette image has one index per pixel.
  std::vector<unsigned> samples;
  std::vector<png_color> palette;
  std::vector<unsigned char> paletteAlpha;  // tRNS entries of a palette
  double gamma = 0.0;                       // a gAMA chunk when positive
};

// The encoded file. Throws std::invalid_argument when the samples do not
// fill the size, std::runtime_error when libpng refuses the header.
std::vector<unsigned char> encodePng(const PngPicture& picture);
// Encodes picture into the file at path; false when that fails.
bool writePng(const std::string& path, const PngPicture& picture);
