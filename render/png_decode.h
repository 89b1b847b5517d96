// PNG decoding on libpng into plain 8-bit RGB or RGBA pixels; no GL, so it
// can be fed arbitrary bytes on its own.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

// The display exponent assumed when VIEWING_GAMMA does not set another.
constexpr double kDefaultScreenGamma = 2.2;

// How many bytes a decoded pixel takes.
enum class PngPixels {
  AsFile,      // RGBA for a file with alpha, RGB for one without
  AlwaysRgba,  // RGBA either way, an opaque file's alpha bytes 255
  AlwaysBgra   // the same with blue and red swapped in each pixel
};

struct PngImage {
  int width = 0;
  int height = 0;
  bool hasAlpha = false;  // the file has an alpha channel
  bool filled = false;    // an opaque file decoded with alpha bytes of 255
  // Rows top first, each width * channels() bytes with no padding.
  std::vector<unsigned char> pixels;

  int channels() const { return hasAlpha || filled ? 4 : 3; }
};

// Decodes a whole PNG held in memory. Files with an alpha channel (RGBA,
// grey+alpha) come out RGBA; all others RGB, or with PngPixels::AlwaysRgba
// RGBA with every alpha byte 255, the layout a texture upload takes without
// converting (PngPixels::AlwaysBgra the same as BGRA): grey is expanded,
// palette
// images are opaque even with a tRNS chunk. 16-bit samples are reduced to 8
// and interlacing is undone. Gamma: png_set_gamma(screenGamma, file gamma),
// the file gamma being the gAMA value or 1/2.2 without one, so a screen of
// 2.2 leaves the usual file unchanged. A picture wider or taller than
// maxSide is refused before anything is allocated for it; maxSide must be
// positive. So is one whose header claims more pixels than size bytes can
// decompress to, and the pixels of a plain (not interlaced) picture are
// allocated only as its rows are decoded.
// Empty on failure: silently when the bytes do not start with the PNG
// signature, otherwise after libpng's default handler has printed
// "libpng error: ..." on standard error.
std::optional<PngImage> decodePng(const unsigned char* bytes, std::size_t size,
                                  int maxSide, double screenGamma,
                                  PngPixels layout = PngPixels::AsFile);

// The screen gamma of a load: 2.2 / VIEWING_GAMMA when that variable holds a
// positive number (within what libpng can represent), else 2.2. The
// environment is read anew on every call.
double screenGammaFromEnvironment();

// Reads the file at path through readAssetFile and decodes it with the
// screen gamma of the environment. Empty when the file cannot be read,
// silently when it is missing.
std::optional<PngImage> decodePngFile(const char* path, int maxSide,
                                      PngPixels layout = PngPixels::AsFile);
