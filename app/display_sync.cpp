// Display synchronisation on GLX.
#include "app/display_sync.h"

#include <GL/glx.h>
#include <GL/glxext.h>
#include <poll.h>

#include <cstring>

namespace {

// Whether a space-separated extension list names this extension whole.
bool offers(const char* extensions, const char* name) {
  const std::size_t length = std::strlen(name);
  for (const char* at = extensions; (at = std::strstr(at, name)) != nullptr;
       at += length) {
    const bool starts = at == extensions || at[-1] == ' ';
    if (starts && (at[length] == ' ' || at[length] == '\0')) return true;
  }
  return false;
}

template <typename Function>
Function glxFunction(const char* name) {
  return reinterpret_cast<Function>(
      glXGetProcAddress(reinterpret_cast<const GLubyte*>(name)));
}

}  // namespace

void enableSwapControl() {
  Display* display = glXGetCurrentDisplay();
  const GLXDrawable drawable = glXGetCurrentDrawable();
  if (display == nullptr || drawable == 0) return;
  const char* extensions =
      glXQueryExtensionsString(display, DefaultScreen(display));
  if (extensions == nullptr) return;
  if (offers(extensions, "GLX_EXT_swap_control")) {
    if (auto set =
            glxFunction<PFNGLXSWAPINTERVALEXTPROC>("glXSwapIntervalEXT")) {
      set(display, drawable, 1);
      return;
    }
  }
  if (offers(extensions, "GLX_MESA_swap_control")) {
    if (auto set =
            glxFunction<PFNGLXSWAPINTERVALMESAPROC>("glXSwapIntervalMESA")) {
      set(1);
      return;
    }
  }
  if (offers(extensions, "GLX_SGI_swap_control")) {
    if (auto set = glxFunction<PFNGLXSWAPINTERVALSGIPROC>("glXSwapIntervalSGI"))
      set(1);
  }
}

void waitForInput(std::chrono::nanoseconds timeout) {
  Display* display = glXGetCurrentDisplay();
  // Events already read into Xlib's queue would not wake the poll.
  if (display == nullptr || XPending(display) > 0) return;
  pollfd connection{ConnectionNumber(display), POLLIN, 0};
  const auto seconds =
      std::chrono::duration_cast<std::chrono::seconds>(timeout);
  const timespec wait{static_cast<time_t>(seconds.count()),
                      static_cast<long>((timeout - seconds).count())};
  ppoll(&connection, 1, &wait, nullptr);
}
