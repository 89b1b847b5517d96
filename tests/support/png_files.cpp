// Test support: PNG encoding into memory.
#include "tests/support/png_files.h"

#include <zlib.h>

#include <fstream>
#include <stdexcept>

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
    throw std::runtime_error("libpng could not encode the test picture");
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

std::vector<unsigned char> lyingPng(std::uint32_t width, std::uint32_t height,
                                    bool interlaced) {
  std::vector<unsigned char> file = solidPng(1, 1, 40, 80, 120);
  // After the 8-byte signature: IHDR's length, type, 13 bytes of data
  // (width and height first, big-endian), then its CRC over type and data.
  constexpr std::size_t type = 12, data = 16, crc = 29;
  for (int i = 0; i < 4; ++i) {
    file[data + i] = static_cast<unsigned char>(width >> (24 - 8 * i));
    file[data + 4 + i] = static_cast<unsigned char>(height >> (24 - 8 * i));
  }
  file[data + 12] = interlaced ? 1 : 0;
  const uLong sum = crc32(0, file.data() + type, crc - type);
  for (int i = 0; i < 4; ++i)
    file[crc + i] = static_cast<unsigned char>(sum >> (24 - 8 * i));
  return file;
}

void writeFile(const std::string& path,
               const std::vector<unsigned char>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}
