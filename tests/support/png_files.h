// Test support: PNG files of any colour type, depth and layout, written
// with libpng so the loader is tested on what real encoders produce.
#pragma once

#include <png.h>

#include <cstdint>
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

// The encoded file.
std::vector<unsigned char> encodePng(const PngPicture& picture);
// An 8-bit RGBA picture from rows of r, g, b, a bytes, top first.
std::vector<unsigned char> rgbaPng(int width, int height,
                                   const std::vector<unsigned>& rgba);
// A picture of one colour; RGBA when alpha is below 255, RGB otherwise.
std::vector<unsigned char> solidPng(int width, int height, unsigned r,
                                    unsigned g, unsigned b, unsigned a = 255);
// A one-pixel picture whose header, checksum and all, claims width x
// height, Adam7-interlaced if asked: only the missing pixel data gives it
// away.
std::vector<unsigned char> lyingPng(std::uint32_t width, std::uint32_t height,
                                    bool interlaced = false);
void writeFile(const std::string& path,
               const std::vector<unsigned char>& bytes);
