// Glyph font: FreeType renders each character, GL keeps it as a texture
// and a display list.
#include "render/glyph_font.h"

#include <GL/gl.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_GLYPH_H

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

#include "render/asset_file.h"
#include "render/display_list.h"
#include "render/glyph_font_layout.h"
#include "render/texture_params.h"

namespace {

constexpr FT_UInt dotsPerInch = 96;

// FreeType objects are released however the load ends, the face before
// its library.
using LibraryHandle =
    std::unique_ptr<FT_LibraryRec_, decltype(&FT_Done_FreeType)>;
using FaceHandle = std::unique_ptr<FT_FaceRec_, decltype(&FT_Done_Face)>;
using GlyphHandle = std::unique_ptr<FT_GlyphRec_, decltype(&FT_Done_Glyph)>;

// Tightly packed texel rows for the upload (a 1-texel row is 2 bytes); the
// caller's unpack alignment comes back however the load ends.
struct TightUnpacking {
  GLint saved = 4;
  TightUnpacking() {
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &saved);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  }
  ~TightUnpacking() { glPixelStorei(GL_UNPACK_ALIGNMENT, saved); }
  TightUnpacking(const TightUnpacking&) = delete;
  TightUnpacking& operator=(const TightUnpacking&) = delete;
};

// The rendered bitmap of a glyph image, or an empty one when the image is
// not an 8-bit coverage bitmap (a failed conversion, or a font's embedded
// monochrome strike), so that no row is read beyond its bytes.
struct RenderedGlyph {
  GlyphBitmap bitmap;
  int left = 0;  // pixels from the pen to the bitmap's left edge
  int top = 0;   // pixels from the baseline up to the bitmap's top row
};

RenderedGlyph rendered(FT_Glyph image) {
  RenderedGlyph glyph;
  if (image->format != FT_GLYPH_FORMAT_BITMAP) return glyph;
  const FT_BitmapGlyph bitmapGlyph = reinterpret_cast<FT_BitmapGlyph>(image);
  const FT_Bitmap& bitmap = bitmapGlyph->bitmap;
  if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || bitmap.pitch < 0) return glyph;
  glyph.bitmap.width = static_cast<int>(bitmap.width);
  glyph.bitmap.rows = static_cast<int>(bitmap.rows);
  glyph.bitmap.pitch = bitmap.pitch;
  glyph.bitmap.coverage = bitmap.buffer;
  glyph.left = bitmapGlyph->left;
  glyph.top = bitmapGlyph->top;
  return glyph;
}

void uploadTexture(GLuint texture, const GlyphBitmap& bitmap,
                   const GlyphLayout& layout) {
  const std::vector<std::uint8_t> texels = glyphTexels(bitmap, layout);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexImage2D(GL_TEXTURE_2D, 0, glyphInternalFormat, layout.width,
               layout.height, 0, GL_LUMINANCE_ALPHA, GL_UNSIGNED_BYTE,
               texels.data());
}

// The quad stands on the baseline with t = 0 (the bitmap's top row) at its
// top, so the glyph is upright; the pen then moves on by whole pixels.
void compileGlyphList(GLuint list, GLuint texture, const RenderedGlyph& glyph,
                      const GlyphLayout& layout, FT_Pos advance) {
  const float width = static_cast<float>(glyph.bitmap.width);
  const float rows = static_cast<float>(glyph.bitmap.rows);
  const float left = static_cast<float>(glyph.left);
  const float top = static_cast<float>(glyph.top);
  const float u = layout.u;
  const float v = layout.v;
  const float pen = static_cast<float>(advance >> 6);
  compileList(list, [=] {
    glBindTexture(GL_TEXTURE_2D, texture);
    glPushMatrix();
    glTranslatef(left, 0.0f, 0.0f);
    glTranslatef(0.0f, top - rows, 0.0f);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(0.0f, rows);
    glTexCoord2f(0.0f, v);
    glVertex2f(0.0f, 0.0f);
    glTexCoord2f(u, v);
    glVertex2f(width, 0.0f);
    glTexCoord2f(u, 0.0f);
    glVertex2f(width, rows);
    glEnd();
    glPopMatrix();
    glTranslatef(pen, 0.0f, 0.0f);
  });
}

// A glyph's bitmap kept past its FreeType image, for the atlas.
struct KeptGlyph {
  std::vector<std::uint8_t> coverage;  // rows top first, width bytes each
  int width = 0;
  int rows = 0;
  int left = 0;
  int top = 0;

  GlyphBitmap bitmap() const { return {width, rows, width, coverage.data()}; }
};

KeptGlyph kept(const RenderedGlyph& glyph) {
  KeptGlyph copy{
      {}, glyph.bitmap.width, glyph.bitmap.rows, glyph.left, glyph.top};
  for (int row = 0; row < glyph.bitmap.rows; ++row) {
    const std::uint8_t* from =
        glyph.bitmap.coverage +
        static_cast<std::ptrdiff_t>(row) * glyph.bitmap.pitch;
    copy.coverage.insert(copy.coverage.end(), from, from + glyph.bitmap.width);
  }
  return copy;
}

// Builds texture textures[code] and list listBase + code for one character,
// and gives back its bitmap; a code the font does not map gets the font's
// missing-glyph shape.
KeptGlyph buildGlyph(
    FT_Face face, std::uint8_t code, GLuint listBase,
    const std::array<std::uint32_t, GlyphFont::glyphCount>& textures) {
  const FT_UInt index = FT_Get_Char_Index(face, code);
  if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT) != 0)
    throw std::runtime_error("FT_Load_Glyph failed");
  FT_Glyph copy = nullptr;
  if (FT_Get_Glyph(face->glyph, &copy) != 0)
    throw std::runtime_error("FT_Get_Glyph failed");
  // The conversion replaces the image in place and frees the outline; when
  // it fails the outline stays and the glyph is built empty.
  FT_Glyph_To_Bitmap(&copy, FT_RENDER_MODE_NORMAL, nullptr, 1);
  const GlyphHandle image(copy, &FT_Done_Glyph);

  const RenderedGlyph glyph = rendered(image.get());
  const GlyphLayout layout = glyphLayout(glyph.bitmap.width, glyph.bitmap.rows);
  uploadTexture(textures[code], glyph.bitmap, layout);
  compileGlyphList(listBase + code, textures[code], glyph, layout,
                   face->glyph->advance.x);
  return kept(glyph);
}

void uploadAtlas(GlyphFont& font, const std::vector<KeptGlyph>& glyphs) {
  std::vector<std::pair<int, int>> sizes;
  std::vector<GlyphBitmap> bitmaps;
  for (const KeptGlyph& glyph : glyphs) {
    sizes.emplace_back(glyph.width, glyph.rows);
    bitmaps.push_back(glyph.bitmap());
  }
  const AtlasLayout layout = packGlyphs(sizes);
  for (std::size_t code = 0; code < glyphs.size(); ++code) {
    font.cells[code] = layout.cells[code];
    font.cells[code].left = glyphs[code].left;
    font.cells[code].top = glyphs[code].top;
  }
  font.atlasWidth = layout.width;
  font.atlasHeight = layout.height;
  glGenTextures(1, &font.atlas);
  glBindTexture(GL_TEXTURE_2D, font.atlas);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexImage2D(GL_TEXTURE_2D, 0, glyphInternalFormat, layout.width,
               layout.height, 0, GL_LUMINANCE_ALPHA, GL_UNSIGNED_BYTE,
               atlasTexels(bitmaps, layout).data());
}

void releaseGlyphs(GlyphFont& font) {
  if (font.listBase == 0) return;
  deleteLists(font.listBase, GlyphFont::glyphCount);
  glDeleteTextures(GlyphFont::glyphCount, font.textures.data());
  glDeleteTextures(1, &font.atlas);
  font.listBase = 0;
  font.textures.fill(0);
  font.atlas = 0;
}

}  // namespace

GlyphFont& glyphFont() {
  static GlyphFont instance;
  return instance;
}

void GlyphFont::load(const std::string& path, unsigned heightPoints) {
  height = static_cast<float>(heightPoints);

  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) != 0)
    throw std::runtime_error("FT_Init_FreeType failed");
  const LibraryHandle libraryHandle(library, &FT_Done_FreeType);

  // FreeType reads the face from these bytes until it is released, and a
  // file that is not a regular one fails like a missing file.
  const auto bytes = readAssetFile(path.c_str());
  FT_Face face = nullptr;
  if (!bytes ||
      FT_New_Memory_Face(library, bytes->data(),
                         static_cast<FT_Long>(bytes->size()), 0, &face) != 0)
    throw std::runtime_error(
        "FT_New_Face failed (there is probably a problem with your font "
        "file)");
  const FaceHandle faceHandle(face, &FT_Done_Face);

  const FT_F26Dot6 size = static_cast<FT_F26Dot6>(heightPoints) * 64;
  FT_Set_Char_Size(face, size, size, dotsPerInch, dotsPerInch);

  // One set at a time: a reload (every restart) replaces the last one.
  releaseGlyphs(*this);
  listBase = newLists(glyphCount);
  glGenTextures(glyphCount, textures.data());

  const TightUnpacking unpacking;
  std::vector<KeptGlyph> glyphs;
  for (int code = 0; code < glyphCount; ++code) {
    glyphs.push_back(
        buildGlyph(face, static_cast<std::uint8_t>(code), listBase, textures));
    // The slot still holds the glyph just built.
    advances[code] = static_cast<float>(face->glyph->advance.x >> 6);
  }
  uploadAtlas(*this, glyphs);
}
