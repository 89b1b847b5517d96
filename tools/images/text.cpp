// Text: FreeType rendering with kerning, measuring and word wrap.
#include "tools/images/text.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <sstream>
#include <stdexcept>

struct FontFace {
  FT_Library library = nullptr;
  FT_Face face = nullptr;

  ~FontFace() {
    if (face != nullptr) FT_Done_Face(face);
    if (library != nullptr) FT_Done_FreeType(library);
  }
};

namespace {
constexpr float k26Dot6 = 1.0f / 64.0f;

// Calls visit(glyph index, pen x in pixels) for each character in turn and
// returns the pen position after the last one.
template <typename Visit>
float walk(FT_Face face, const std::string& text, Visit visit) {
  float pen = 0.0f;
  FT_UInt previous = 0;
  for (const unsigned char c : text) {
    const FT_UInt glyph = FT_Get_Char_Index(face, c);
    if (previous != 0 && glyph != 0) {
      FT_Vector kern;
      if (FT_Get_Kerning(face, previous, glyph, FT_KERNING_DEFAULT, &kern) == 0)
        pen += kern.x * k26Dot6;
    }
    if (FT_Load_Glyph(face, glyph, FT_LOAD_DEFAULT) != 0)
      throw std::runtime_error("cannot load a glyph");
    visit(glyph, pen);
    pen += face->glyph->advance.x * k26Dot6;
    previous = glyph;
  }
  return pen;
}
}  // namespace

Font::Font(const std::string& path, int size)
    : face(std::make_unique<FontFace>()), pixelSize(size) {
  if (FT_Init_FreeType(&face->library) != 0 ||
      FT_New_Face(face->library, path.c_str(), 0, &face->face) != 0 ||
      FT_Set_Pixel_Sizes(face->face, 0, static_cast<FT_UInt>(size)) != 0)
    throw std::runtime_error("cannot open the font " + path);
}

Font::~Font() = default;

float Font::width(const std::string& text) const {
  return walk(face->face, text, [](FT_UInt, float) {});
}

void Font::draw(Mask& mask, const std::string& text, float x, float y) const {
  FT_Face ft = face->face;
  walk(ft, text, [&](FT_UInt, float pen) {
    if (FT_Render_Glyph(ft->glyph, FT_RENDER_MODE_NORMAL) != 0)
      throw std::runtime_error("cannot render a glyph");
    const FT_Bitmap& bitmap = ft->glyph->bitmap;
    const int left =
        static_cast<int>(std::lround(x + pen)) + ft->glyph->bitmap_left;
    const int top = static_cast<int>(std::lround(y)) - ft->glyph->bitmap_top;
    for (unsigned row = 0; row < bitmap.rows; ++row) {
      for (unsigned column = 0; column < bitmap.width; ++column) {
        const int mx = left + static_cast<int>(column);
        const int my = top + static_cast<int>(row);
        if (mx < 0 || my < 0 || mx >= mask.width || my >= mask.height) continue;
        const float value = bitmap.buffer[row * bitmap.pitch + column] / 255.0f;
        mask.at(mx, my) = std::min(1.0f, mask.at(mx, my) + value);
      }
    }
  });
}

void Font::drawCentred(Mask& mask, const std::string& text, float x,
                       float y) const {
  draw(mask, text, x - width(text) * 0.5f, y);
}

std::vector<std::string> Font::wrap(const std::string& text,
                                    float maxWidth) const {
  std::vector<std::string> lines;
  std::istringstream words(text);
  std::string word, line;
  while (words >> word) {
    const std::string longer = line.empty() ? word : line + " " + word;
    if (!line.empty() && width(longer) > maxWidth) {
      lines.push_back(line);
      line = word;
    } else {
      line = longer;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}
