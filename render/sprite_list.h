// Sprite lists: one picture on a unit square, compiled into a display list.
#pragma once

// Builds the display list of one sprite: a 1 x 1 square centred on the
// origin in the plane z = 0, facing +z, with the picture upright on it (its
// top-left pixel at (-0.5, 0.5)).
// listSlot: a display-list name, or -1 while none is built. When it already
// holds a list nothing is loaded and nothing changes.
// textureSlot: a texture name; when negative the picture at path is loaded
// into it first, and it becomes 0 when that fails. The list then binds
// texture 0 and draws an untextured square.
// The list sets no colour and enables nothing: the caller enables
// GL_TEXTURE_2D and sets the colour, which tints the picture.
void makeSpriteList(int& listSlot, int& textureSlot, const char* path);

// makeSpriteList with a texture slot of its own set to -1, so the picture
// at path always loads into a new texture. Every sprite of the game is
// built this way.
void makeSpriteFromFile(int& listSlot, const char* path);
