// PNG decoding: libpng set up to yield 8-bit RGB or RGBA rows, top first.
#include "render/png_decode.h"

#include <png.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "render/asset_file.h"

namespace {

constexpr std::size_t kSignatureBytes = 8;
// The gamma a PNG without a gAMA chunk is taken to be encoded with.
constexpr double kDefaultFileGamma = 1.0 / 2.2;
// No display has a gamma outside this range, and far outside it libpng's
// fixed-point gamma overflows and every load would fail.
constexpr double kMinScreenGamma = 0.01;
constexpr double kMaxScreenGamma = 100.0;

// Deflate cannot expand its input more than 1032 times (258-byte matches
// coded in 2 bits), so a file whose pixels need more than that many times
// its own size is lying about its size or truncated.
constexpr std::uintmax_t kMaxInflation = 1032;

struct MemoryReader {
  const unsigned char* bytes;
  std::size_t size;
  std::size_t offset;
};

void readFromMemory(png_structp png, png_bytep out, png_size_t length) {
  auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
  // The same message libpng's own file reader gives for a short file.
  if (length > reader->size - reader->offset) png_error(png, "Read Error");
  std::memcpy(out, reader->bytes + reader->offset, length);
  reader->offset += length;
}

// Whether the file is large enough for the pixel data its header claims,
// counting whole rows of packed samples: a lower bound on what the
// compressed data must yield, filter bytes and interlacing aside.
bool holdsClaimedPixels(png_structp png, png_infop info, std::size_t fileSize) {
  const std::uintmax_t rowBits = std::uintmax_t{png_get_bit_depth(png, info)} *
                                 png_get_channels(png, info) *
                                 png_get_image_width(png, info);
  const std::uintmax_t rowBytes = (rowBits + 7) / 8;
  return png_get_image_height(png, info) <= fileSize * kMaxInflation / rowBytes;
}

// Asks libpng for the layout PngImage promises: 8 bits, RGB or RGBA, and
// RGBA for an opaque file when it is to be filled, BGRA when asked.
// Returns the number of interlace passes.
int chooseTransforms(png_structp png, png_infop info, double screenGamma,
                     PngPixels layout) {
  const bool fill = layout != PngPixels::AsFile;
  const int colourType = png_get_color_type(png, info);
  if (png_get_bit_depth(png, info) == 16) png_set_scale_16(png);
  if (colourType == PNG_COLOR_TYPE_PALETTE) {
    png_set_palette_to_rgb(png);
    // Palette pictures load opaque; tRNS would otherwise add an alpha byte.
    if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_strip_alpha(png);
  }
  if ((colourType & PNG_COLOR_MASK_COLOR) == 0) {
    png_set_expand_gray_1_2_4_to_8(png);
    png_set_gray_to_rgb(png);
  }
  if (fill && (colourType & PNG_COLOR_MASK_ALPHA) == 0)
    png_set_filler(png, 0xff, PNG_FILLER_AFTER);
  if (layout == PngPixels::AlwaysBgra) png_set_bgr(png);
  double fileGamma = 0.0;
  if (!png_get_gAMA(png, info, &fileGamma)) fileGamma = kDefaultFileGamma;
  png_set_gamma(png, screenGamma, fileGamma);
  const int passes = png_set_interlace_handling(png);
  png_read_update_info(png, info);
  return passes;
}

// Every libpng error jumps back to the setjmp here, so no object with a
// destructor may live in this frame: the image and the row table belong to
// the caller. Memory follows the rows decoded: a plain image grows row by
// row, and an interlaced one, whose later passes fill in earlier rows, is
// allocated whole only once the file is known to be large enough for it.
bool readImage(png_structp png, png_infop info, std::size_t fileSize,
               double screenGamma, PngPixels layout, PngImage& image,
               std::vector<png_bytep>& rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_info(png, info);
  if (!holdsClaimedPixels(png, info, fileSize))
    png_error(png, "Image is larger than its data can hold");
  const int passes = chooseTransforms(png, info, screenGamma, layout);
  const bool fill = layout != PngPixels::AsFile;
  // The filler adds a fourth byte but leaves the colour type without alpha.
  image.hasAlpha = (png_get_color_type(png, info) & PNG_COLOR_MASK_ALPHA) != 0;
  image.filled = fill && !image.hasAlpha;
  const int channels = png_get_channels(png, info);
  if (channels != image.channels()) return false;

  image.width = static_cast<int>(png_get_image_width(png, info));
  image.height = static_cast<int>(png_get_image_height(png, info));
  const std::size_t stride = static_cast<std::size_t>(image.width) * channels;
  if (png_get_rowbytes(png, info) != stride) return false;
  if (passes == 1) {
    for (int y = 0; y < image.height; ++y) {
      image.pixels.resize(stride * (y + 1));
      png_read_row(png, &image.pixels[stride * y], nullptr);
    }
    return true;
  }
  image.pixels.resize(stride * image.height);
  rows.resize(image.height);
  for (int y = 0; y < image.height; ++y) rows[y] = &image.pixels[stride * y];
  png_read_image(png, rows.data());
  return true;
}

}  // namespace

std::optional<PngImage> decodePng(const unsigned char* bytes, std::size_t size,
                                  int maxSide, double screenGamma,
                                  PngPixels layout) {
  if (size < kSignatureBytes || png_sig_cmp(bytes, 0, kSignatureBytes) != 0)
    return std::nullopt;
  if (maxSide <= 0) return std::nullopt;
  // Null handlers keep libpng's defaults, which print to standard error.
  png_structp png =
      png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) return std::nullopt;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return std::nullopt;
  }
  MemoryReader reader{bytes, size, 0};
  png_set_read_fn(png, &reader, readFromMemory);
  // Checked against the header before any row is allocated.
  png_set_user_limits(png, static_cast<png_uint_32>(maxSide),
                      static_cast<png_uint_32>(maxSide));

  PngImage image;
  std::vector<png_bytep> rows;
  const bool decoded =
      readImage(png, info, size, screenGamma, layout, image, rows);
  png_destroy_read_struct(&png, &info, nullptr);
  if (!decoded) return std::nullopt;
  return image;
}

double screenGammaFromEnvironment() {
  const char* text = std::getenv("VIEWING_GAMMA");
  if (text == nullptr) return kDefaultScreenGamma;
  char* end = nullptr;
  const double viewingGamma = std::strtod(text, &end);
  if (end == text || *end != '\0' || !(viewingGamma > 0.0))
    return kDefaultScreenGamma;
  const double screenGamma = kDefaultScreenGamma / viewingGamma;
  if (!(screenGamma >= kMinScreenGamma && screenGamma <= kMaxScreenGamma))
    return kDefaultScreenGamma;
  return screenGamma;
}

std::optional<PngImage> decodePngFile(const char* path, int maxSide,
                                      PngPixels layout) {
  const auto bytes = readAssetFile(path);
  if (!bytes) return std::nullopt;
  return decodePng(bytes->data(), bytes->size(), maxSide,
                   screenGammaFromEnvironment(), layout);
}
