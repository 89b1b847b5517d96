// Camera: reshape, projection and view.
#include "render/camera.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cmath>

#include "puzzle/geometry.h"

namespace {
constexpr double nearPlane = 0.001;
constexpr double farPlane = 200.0;
}  // namespace

Camera& camera() {
  static Camera instance;
  return instance;
}

WindowSize fourThreeRequest(int width) {
  const int requestWidth = std::max(1, width);
  return {requestWidth, std::max(1, requestWidth * 3 / 4)};
}

WindowSize fourThreeFit(int availableWidth, int availableHeight) {
  // Any width up to 4/3 of the height keeps the 4:3 height within it.
  const long widest = static_cast<long>(availableHeight) * 4 / 3;
  return fourThreeRequest(
      static_cast<int>(std::min<long>(availableWidth, widest)));
}

void Camera::reshape(int newWidth, int newHeight) {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  const WindowSize request = fourThreeRequest(newWidth);
  glutReshapeWindow(request.width, request.height);
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
