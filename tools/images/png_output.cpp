// PNG output on libpng; no time stamp or other varying chunk, so the same
// canvas always gives the same bytes.
#include "tools/images/png_output.h"

#include <png.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {
struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// Straight 8-bit RGB or RGBA from one of cairo's premultiplied pixels.
void unpremultiply(std::uint32_t pixel, bool withAlpha,
                   std::vector<unsigned char>& out) {
  const unsigned alpha = withAlpha ? pixel >> 24 : 255;
  for (int shift : {16, 8, 0}) {
    const unsigned value = (pixel >> shift) & 0xff;
    out.push_back(alpha == 0 ? 255 : (value * 255 + alpha / 2) / alpha);
  }
  if (withAlpha) out.push_back(static_cast<unsigned char>(alpha));
}
}  // namespace

void writePng(const Canvas& canvas, const std::string& path) {
  cairo_surface_t* surface = canvas.surface.get();
  cairo_surface_flush(surface);
  const bool withAlpha =
      cairo_image_surface_get_format(surface) == CAIRO_FORMAT_ARGB32;
  const int width = canvas.width(), height = canvas.height();
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  std::vector<unsigned char> bytes;
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
    for (int x = 0; x < width; ++x) unpremultiply(row[x], withAlpha, bytes);
  }
  const std::size_t rowBytes = bytes.size() / height;
  std::vector<png_bytep> rows(height);
  for (int y = 0; y < height; ++y) rows[y] = &bytes[y * rowBytes];

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
  png_set_IHDR(png, info, width, height, 8,
               withAlpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(png, 9);
  png_write_info(png, info);
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
}
