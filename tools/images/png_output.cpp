// PNG output of a canvas through the shared writer, which adds no time stamp
// or other varying chunk, so the same canvas always gives the same bytes.
#include "tools/images/png_output.h"

#include <cstdint>
#include <stdexcept>

#include "tools/support/png_writer.h"

namespace {
// Straight 8-bit RGB or RGBA from one of cairo's premultiplied pixels.
void unpremultiply(std::uint32_t pixel, bool withAlpha,
                   std::vector<unsigned>& out) {
  const unsigned alpha = withAlpha ? pixel >> 24 : 255;
  for (int shift : {16, 8, 0}) {
    const unsigned value = (pixel >> shift) & 0xff;
    out.push_back(alpha == 0 ? 255 : (value * 255 + alpha / 2) / alpha);
  }
  if (withAlpha) out.push_back(alpha);
}
}  // namespace

void writePng(const Canvas& canvas, const std::string& path) {
  cairo_surface_t* surface = canvas.surface.get();
  cairo_surface_flush(surface);
  const bool withAlpha =
      cairo_image_surface_get_format(surface) == CAIRO_FORMAT_ARGB32;
  PngPicture picture;
  picture.width = canvas.width();
  picture.height = canvas.height();
  picture.colourType = withAlpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB;
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  for (int y = 0; y < picture.height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
    for (int x = 0; x < picture.width; ++x)
      unpremultiply(row[x], withAlpha, picture.samples);
  }
  if (!writePng(path, picture))
    throw std::runtime_error("cannot write " + path);
}
