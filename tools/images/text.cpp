// Text: faces opened by FreeType, measured and drawn by cairo, word wrap.
#include "tools/images/text.h"

#include <cairo-ft.h>

#include <sstream>
#include <stdexcept>

namespace {

// One FreeType library for the run: cairo may keep faces until it exits.
FT_Library freeType() {
  static FT_Library library = [] {
    FT_Library made = nullptr;
    if (FT_Init_FreeType(&made) != 0)
      throw std::runtime_error("cannot start FreeType");
    return made;
  }();
  return library;
}

const cairo_user_data_key_t kFaceKey{};

}  // namespace

Font::Font(const std::string& path, int size) {
  FT_Face face = nullptr;
  if (FT_New_Face(freeType(), path.c_str(), 0, &face) != 0)
    throw std::runtime_error("cannot open the font " + path);
  cairo_font_face_t* cairoFace = cairo_ft_font_face_create_for_ft_face(face, 0);
  // The FreeType face lives as long as cairo's face does.
  cairo_font_face_set_user_data(cairoFace, &kFaceKey, face, [](void* done) {
    FT_Done_Face(static_cast<FT_Face>(done));
  });
  cairo_matrix_t sizeMatrix, identity;
  cairo_matrix_init_scale(&sizeMatrix, size, size);
  cairo_matrix_init_identity(&identity);
  cairo_font_options_t* options = cairo_font_options_create();
  scaled = cairo_scaled_font_create(cairoFace, &sizeMatrix, &identity, options);
  cairo_font_options_destroy(options);
  cairo_font_face_destroy(cairoFace);
  if (cairo_scaled_font_status(scaled) != CAIRO_STATUS_SUCCESS) {
    cairo_scaled_font_destroy(scaled);
    throw std::runtime_error("cannot set the font " + path);
  }
}

Font::~Font() { cairo_scaled_font_destroy(scaled); }

std::vector<cairo_glyph_t> Font::layout(const std::string& text, double x,
                                        double y) const {
  cairo_glyph_t* made = nullptr;
  int count = 0;
  cairo_scaled_font_text_to_glyphs(scaled, x, y, text.c_str(),
                                   static_cast<int>(text.size()), &made, &count,
                                   nullptr, nullptr, nullptr);
  std::vector<cairo_glyph_t> glyphs(made, made + count);
  cairo_glyph_free(made);
  // cairo spaces glyphs by their advances alone; the face's pairs kern them.
  FT_Face face = cairo_ft_scaled_font_lock_face(scaled);
  double shift = 0.0;
  for (std::size_t i = 1; i < glyphs.size(); ++i) {
    FT_Vector kern{};
    FT_Get_Kerning(face, glyphs[i - 1].index, glyphs[i].index,
                   FT_KERNING_DEFAULT, &kern);
    shift += kern.x / 64.0;  // 26.6 fixed point
    glyphs[i].x += shift;
  }
  cairo_ft_scaled_font_unlock_face(scaled);
  return glyphs;
}

double Font::width(const std::string& text) const {
  const std::vector<cairo_glyph_t> glyphs = layout(text, 0.0, 0.0);
  cairo_text_extents_t extents;
  cairo_scaled_font_glyph_extents(scaled, glyphs.data(),
                                  static_cast<int>(glyphs.size()), &extents);
  return extents.x_advance;
}

void Font::draw(cairo_t* cr, const std::string& text, double x,
                double y) const {
  const std::vector<cairo_glyph_t> glyphs = layout(text, x, y);
  cairo_set_scaled_font(cr, scaled);
  cairo_show_glyphs(cr, glyphs.data(), static_cast<int>(glyphs.size()));
}

void Font::drawCentred(cairo_t* cr, const std::string& text, double x,
                       double y) const {
  draw(cr, text, x - width(text) * 0.5, y);
}

std::vector<std::string> Font::wrap(const std::string& text,
                                    double maxWidth) const {
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
