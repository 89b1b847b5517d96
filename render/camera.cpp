// Camera: reshape, projection and view.
#include "render/camera.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cmath>

#include "puzzle/geometry.h"
#include "render/window_request.h"

namespace {
constexpr double nearPlane = 0.001;
constexpr double farPlane = 200.0;
}  // namespace

Camera& camera() {
  static Camera instance;
  return instance;
}

WindowSize fourThreeRequest(int width, WindowSize bound) {
  // The widest window whose 4:3 height fits: w * 3 / 4 <= height, as long
  // as 3 * w < 4 * height + 4.
  const long long fitsHeight = (4LL * bound.height + 3) / 3;
  const int widest =
      static_cast<int>(std::min<long long>(bound.width, fitsHeight));
  const int requestWidth = std::max(1, std::min(width, widest));
  return {requestWidth, std::max(1, requestWidth * 3 / 4)};
}

WindowSize windowBound() {
  GLint viewport[2] = {kWindowCap.width, kWindowCap.height};
  glGetIntegerv(GL_MAX_VIEWPORT_DIMS, viewport);
  WindowSize bound{std::min(kWindowCap.width, viewport[0]),
                   std::min(kWindowCap.height, viewport[1])};
  // The toolkit reports 0 when it cannot tell the screen's size.
  const int screenWidth = glutGet(GLUT_SCREEN_WIDTH);
  const int screenHeight = glutGet(GLUT_SCREEN_HEIGHT);
  if (screenWidth > 0) bound.width = std::min(bound.width, screenWidth);
  if (screenHeight > 0) bound.height = std::min(bound.height, screenHeight);
  return bound;
}

void Camera::reshape(int newWidth, int newHeight) {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  const WindowSize request = fourThreeRequest(newWidth, windowBound());
  requestWindowSize(request.width, request.height);
  if (newWidth <= 0 || newHeight <= 0) return;

  width = newWidth;
  height = newHeight;
  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(fieldOfView, static_cast<double>(width) / height, nearPlane,
                 farPlane);
  glMatrixMode(GL_MODELVIEW);
  apply();
}

void Camera::apply() const {
  glLoadIdentity();
  glTranslatef(static_cast<float>(translationX),
               static_cast<float>(translationY),
               static_cast<float>(translationZ));
}

double Camera::viewHalfHeight() const {
  const float halfAngle = static_cast<float>(fieldOfView * 0.5);
  return std::fabs(translationZ) * std::tan(halfAngle * kDegreesToRadians);
}

double Camera::pixelsPerUnit() const {
  return height / (2.0 * viewHalfHeight());
}

double Camera::windowX(double worldX) const {
  return width * 0.5 + (worldX + translationX) * pixelsPerUnit();
}

double Camera::windowY(double worldY) const {
  return height * 0.5 + (worldY + translationY) * pixelsPerUnit();
}
