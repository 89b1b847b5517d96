// Test support: PNG files of the shapes the tests need, written with the
// shared libpng writer so the loader is tested on what real encoders
// produce.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/support/png_writer.h"

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
// Any bytes, damaged ones too; throws std::runtime_error when it fails.
void writeFile(const std::string& path,
               const std::vector<unsigned char>& bytes);
