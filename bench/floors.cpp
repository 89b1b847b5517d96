// The floors the game is measured against.
#include "bench/floors.h"

#include <GL/freeglut.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_GLYPH_H

#include "render/camera.h"
#include "render/picture_files.h"
#include "render/png_decode.h"
#include "render/world.h"

namespace {
constexpr int maxSide = 8192;
}  // namespace

void FloorFrame::load() {
  const auto image =
      decodePngFile(picturePath(backgroundFile).c_str(), maxSide);
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  if (image) {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    const GLenum format = image->hasAlpha ? GL_RGBA : GL_RGB;
    glTexImage2D(GL_TEXTURE_2D, 0, format, image->width, image->height, 0,
                 format, GL_UNSIGNED_BYTE, image->pixels.data());
  }
  glBindTexture(GL_TEXTURE_2D, 0);
}

void FloorFrame::draw() const {
  camera().apply();
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glBindTexture(GL_TEXTURE_2D, texture);
  glColor4f(1, 1, 1, 1);
  glBegin(GL_QUADS);
  glTexCoord2f(0, 1);
  glVertex3f(kWorldLeft, kWorldBottom, 0);
  glTexCoord2f(1, 1);
  glVertex3f(kWorldRight, kWorldBottom, 0);
  glTexCoord2f(1, 0);
  glVertex3f(kWorldRight, kWorldTop, 0);
  glTexCoord2f(0, 0);
  glVertex3f(kWorldLeft, kWorldTop, 0);
  glEnd();
  glDisable(GL_BLEND);
  glDisable(GL_TEXTURE_2D);
  glutSwapBuffers();
}

unsigned long floorStartUp() {
  unsigned long checksum = 0;
  for (const char* name : gamePictureFiles) {
    const auto image = decodePngFile(picturePath(name).c_str(), maxSide);
    if (image) checksum += image->pixels.size();
  }
  FT_Library library;
  FT_Face face;
  if (FT_Init_FreeType(&library) != 0) return checksum;
  if (FT_New_Face(library, "./fonts/rabiohead.ttf", 0, &face) == 0) {
    FT_Set_Char_Size(face, 46 * 64, 46 * 64, 96, 96);
    for (unsigned code = 0; code < 128; ++code) {
      if (FT_Load_Glyph(face, FT_Get_Char_Index(face, code), 0) != 0) continue;
      FT_Glyph glyph;
      if (FT_Get_Glyph(face->glyph, &glyph) != 0) continue;
      FT_Glyph_To_Bitmap(&glyph, FT_RENDER_MODE_NORMAL, nullptr, 1);
      checksum += reinterpret_cast<FT_BitmapGlyph>(glyph)->bitmap.rows;
      FT_Done_Glyph(glyph);
    }
    FT_Done_Face(face);
  }
  FT_Done_FreeType(library);
  return checksum;
}
