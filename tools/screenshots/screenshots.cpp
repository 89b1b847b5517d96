// Takes the README's screenshots from the real game: the title screen and
// level 1 in play with a chain reaching the sink.
// Usage: screenshots BINARY RUN_DIR OUT_DIR
#include <png.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/x_session.h"

namespace {

using namespace std::chrono_literals;

bool writePng(const std::string& path, int width, int height,
              const std::vector<unsigned char>& rgb) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  png_structp png =
      png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y)
    png_write_row(png, rgb.data() + static_cast<std::size_t>(y) * width * 3);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(file) == 0;
}

bool capture(XClient& client, Window window, const std::string& path) {
  int width = 0, height = 0;
  if (!client.size(window, width, height)) return false;
  std::vector<unsigned char> rgb;
  rgb.reserve(static_cast<std::size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb p = client.pixel(window, x, y);
      rgb.insert(rgb.end(), {static_cast<unsigned char>(p.r),
                             static_cast<unsigned char>(p.g),
                             static_cast<unsigned char>(p.b)});
    }
  }
  return writePng(path, width, height, rgb);
}

// World units to pixels of the 800 x 600 window.
void clickWorld(XClient& client, Window window, float x, float y) {
  client.moveTo(window, static_cast<int>((x + 50) * 8),
                static_cast<int>((75 - y) * 8));
  std::this_thread::sleep_for(50ms);
  client.click();
  std::this_thread::sleep_for(50ms);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s BINARY RUN_DIR OUT_DIR\n", argv[0]);
    return 2;
  }
  const std::string out = argv[3];
  VirtualDisplay screen;
  GameProcess game;
  XClient client;
  if (!screen.start() || !game.start(argv[1], argv[2], screen.name) ||
      !client.open(screen.name))
    return 1;
  const Window window = client.findWindow("Linkloom, Quillfen", 10s);
  if (window == 0) return 1;
  std::this_thread::sleep_for(1s);
  if (!capture(client, window, out + "/title.png")) return 1;

  clickWorld(client, window, 0, 37.5f);  // to the instructions
  std::this_thread::sleep_for(300ms);
  clickWorld(client, window, 0, 37.5f);  // to level 1
  std::this_thread::sleep_for(300ms);
  // A chain from the source along the top row to the sink: it reaches the
  // sink with the wrong size, so the result shows and the level stays.
  const float chain[][2] = {{-18, 66}, {-6, 66}, {6, 66}, {18, 66}};
  clickWorld(client, window, -30, 48);
  for (const auto& node : chain) {
    clickWorld(client, window, node[0], node[1]);
    clickWorld(client, window, node[0], node[1]);
  }
  clickWorld(client, window, 30, 48);
  // Leave a selection and a hover mark showing, as in play.
  clickWorld(client, window, -6, 42);
  client.moveTo(window, (6 + 50) * 8, (75 - 42) * 8);
  std::this_thread::sleep_for(500ms);
  return capture(client, window, out + "/level1.png") ? 0 : 1;
}
