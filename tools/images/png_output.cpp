// PNG output on libpng; no time stamp or other varying chunk, so the same
// canvas always gives the same bytes.
#include "tools/images/png_output.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {
unsigned char toByte(float value) {
  return static_cast<unsigned char>(
      std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
}  // namespace

void writePng(const Canvas& canvas, const std::string& path, bool withAlpha) {
  const int channels = withAlpha ? 4 : 3;
  std::vector<unsigned char> bytes;
  bytes.reserve(static_cast<std::size_t>(canvas.width) * canvas.height *
                channels);
  for (const Colour& c : canvas.pixels) {
    bytes.push_back(toByte(c.r));
    bytes.push_back(toByte(c.g));
    bytes.push_back(toByte(c.b));
    if (withAlpha) bytes.push_back(toByte(c.a));
  }
  std::vector<png_bytep> rows(canvas.height);
  for (int y = 0; y < canvas.height; ++y)
    rows[y] = &bytes[static_cast<std::size_t>(y) * canvas.width * channels];

  const std::unique_ptr<std::FILE, FileCloser> file(
      std::fopen(path.c_str(), "wb"));
  if (!file) throw std::runtime_error("cannot write " + path);
  png_structp png =
      png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (png == nullptr || info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    throw std::runtime_error("cannot encode " + path);
  }
  png_init_io(png, file.get());
  png_set_IHDR(png, info, canvas.width, canvas.height, 8,
               withAlpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(png, 9);
  png_write_info(png, info);
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
}
