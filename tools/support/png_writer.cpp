// PNG writing: the samples packed into rows and handed to libpng.
#include "tools/support/png_writer.h"

#include <stdexcept>
#include <string_view>

#include "files/atomic_write.h"

namespace {
int channelsOf(int colourType) {
  switch (colourType) {
    case PNG_COLOR_TYPE_GRAY: return 1;
    case PNG_COLOR_TYPE_GRAY_ALPHA: return 2;
    case PNG_COLOR_TYPE_RGB: return 3;
    case PNG_COLOR_TYPE_RGB_ALPHA: return 4;
    default: return 1;  // palette index
  }
}

void appendBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}
}  // namespace

std::vector<unsigned char> encodePng(const PngPicture& picture) {
  const int channels = channelsOf(picture.colourType);
  const std::size_t rowSamples =
      static_cast<std::size_t>(picture.width) * channels;
  if (picture.samples.size() != rowSamples * picture.height)
    throw std::invalid_argument("sample count does not match the size");
  // Below 8 bits png_set_packing takes one byte per sample; 16-bit samples
  // go in big-endian, as PNG stores them.
  const int bytesPerSample = picture.bitDepth == 16 ? 2 : 1;
  std::vector<unsigned char> pixels;
  pixels.reserve(picture.samples.size() * bytesPerSample);
  for (unsigned sample : picture.samples) {
    if (bytesPerSample == 2) pixels.push_back((sample >> 8) & 0xff);
    pixels.push_back(sample & 0xff);
  }
  std::vector<png_bytep> rows(picture.height);
  for (int y = 0; y < picture.height; ++y)
    rows[y] = &pixels[y * rowSamples * bytesPerSample];

  std::vector<unsigned char> file;
  png_structp png =
      png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    throw std::runtime_error("libpng could not encode the picture");
  }
  png_set_write_fn(png, &file, appendBytes, nullptr);
  png_set_IHDR(png, info, picture.width, picture.height, picture.bitDepth,
               picture.colourType,
               picture.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!picture.palette.empty())
    png_set_PLTE(png, info, picture.palette.data(),
                 static_cast<int>(picture.palette.size()));
  if (!picture.paletteAlpha.empty())
    png_set_tRNS(png, info, picture.paletteAlpha.data(),
                 static_cast<int>(picture.paletteAlpha.size()), nullptr);
  if (picture.gamma > 0.0) png_set_gAMA(png, info, picture.gamma);
  png_write_info(png, info);
  if (picture.bitDepth < 8) png_set_packing(png);
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return file;
}

bool writePng(const std::string& path, const PngPicture& picture) {
  std::vector<unsigned char> bytes;
  try {
    bytes = encodePng(picture);
  } catch (const std::exception&) {
    return false;
  }
  // Whole or not at all: a full disk must not leave a cut picture behind
  // for the next build to take as done.
  return writeFileAtomically(
             path.c_str(),
             std::string_view(reinterpret_cast<const char*>(bytes.data()),
                              bytes.size()))
      .ok();
}
