// The world the game shows: the window it opens and the rectangle of the
// plane z = 0 the camera frames in it. The game, its tools, tests and
// benchmark all place things through these.
#pragma once

// The window the game opens: its title, which tools and tests find it by,
// and its size in pixels (4:3, which every reshape keeps).
constexpr const char* kWindowTitle = "Linkloom, Quillfen";
constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 600;

// The visible rectangle of the plane z = 0, world units.
constexpr float kWorldLeft = -50.0f;
constexpr float kWorldRight = 50.0f;
constexpr float kWorldBottom = 0.0f;
constexpr float kWorldTop = 75.0f;
constexpr float kWorldMiddleX = (kWorldLeft + kWorldRight) / 2;
constexpr float kWorldMiddleY = (kWorldBottom + kWorldTop) / 2;

// The camera looks at the middle from half the rectangle's height away, so
// a vertical field of view of 90 degrees frames it exactly.
constexpr double kFieldOfView = 90.0;
constexpr float kCameraDistance = (kWorldTop - kWorldBottom) / 2;

// Window pixels a world unit at the window's own size (8).
constexpr float kPixelsPerUnit = kWindowWidth / (kWorldRight - kWorldLeft);

// A world point in pixels of the 800 x 600 window, counted from its left
// and from its top, as X and picture files count them.
constexpr float pixelX(float worldX) {
  return (worldX - kWorldLeft) * kPixelsPerUnit;
}
constexpr float pixelY(float worldY) {
  return (kWorldTop - worldY) * kPixelsPerUnit;
}
