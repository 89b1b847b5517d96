// X sessions: Xvfb, the game process, synthetic input and read-back.
#include "tools/support/x_session.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "tools/support/png_writer.h"

namespace {

void stopProcess(pid_t& pid) {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  for (int i = 0; i < 100; ++i) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) {
      pid = -1;
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  pid = -1;
}

}  // namespace

bool waitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < deadline) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
  }
  return condition();
}

bool VirtualDisplay::start(int width, int height) {
  int fds[2];
  if (pipe(fds) != 0) return false;
  pid = fork();
  if (pid == 0) {
    close(fds[0]);
    const int devNull = open("/dev/null", O_WRONLY);
    dup2(devNull, STDOUT_FILENO);
    dup2(devNull, STDERR_FILENO);
    const std::string fd = std::to_string(fds[1]);
    const std::string screen =
        std::to_string(width) + "x" + std::to_string(height) + "x24";
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0",
           screen.c_str(), "-nolisten", "tcp", "+extension", "GLX",
           static_cast<char*>(nullptr));
    _exit(127);
  }
  close(fds[1]);
  std::string number;
  char c;
  while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
  close(fds[0]);
  if (number.empty()) {
    stopProcess(pid);
    return false;
  }
  name = ":" + number;
  return true;
}

VirtualDisplay::~VirtualDisplay() { stopProcess(pid); }

bool GameProcess::start(const std::string& binary, const std::string& runDir,
                        const std::string& display,
                        const std::vector<std::string>& extraEnv,
                        const std::vector<std::string>& args) {
  char errPattern[] = "/tmp/linkloom-stderr-XXXXXX";
  char outPattern[] = "/tmp/linkloom-stdout-XXXXXX";
  const int errFd = mkstemp(errPattern);
  if (errFd < 0) return false;
  stderrPath = errPattern;
  const int outFd = mkstemp(outPattern);
  if (outFd < 0) {
    close(errFd);
    return false;
  }
  stdoutPath = outPattern;
  char statePattern[] = "/tmp/linkloom-state-XXXXXX";
  if (mkdtemp(statePattern) != nullptr) stateDir = statePattern;
  pid = fork();
  if (pid == 0) {
    if (chdir(runDir.c_str()) != 0) _exit(126);
    // The test's own output stays its own: ctest waits on that pipe.
    dup2(outFd, STDOUT_FILENO);
    dup2(errFd, STDERR_FILENO);
    setenv("DISPLAY", display.c_str(), 1);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (!stateDir.empty()) setenv("XDG_STATE_HOME", stateDir.c_str(), 1);
    for (const std::string& assignment : extraEnv)
      putenv(strdup(assignment.c_str()));
    execProgram(binary, args);
  }
  close(errFd);
  close(outFd);
  return pid > 0;
}

void execProgram(const std::string& binary,
                 const std::vector<std::string>& args) {
  std::vector<char*> argv = {const_cast<char*>(binary.c_str())};
  for (const std::string& arg : args)
    argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  execv(binary.c_str(), argv.data());
  _exit(127);
}

int GameProcess::waitExit(std::chrono::milliseconds timeout) {
  int status = 0;
  const bool ended = waitUntil(
      [&] { return pid > 0 && waitpid(pid, &status, WNOHANG) == pid; },
      timeout);
  if (!ended) return -1;
  pid = -1;
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  return 128 + WTERMSIG(status);
}

namespace {
std::string contentsOf(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}
}  // namespace

std::string GameProcess::stderrText() const { return contentsOf(stderrPath); }

std::string GameProcess::stdoutText() const { return contentsOf(stdoutPath); }

GameProcess::~GameProcess() {
  stopProcess(pid);
  if (!stderrPath.empty()) std::remove(stderrPath.c_str());
  if (!stdoutPath.empty()) std::remove(stdoutPath.c_str());
  std::error_code ignored;
  if (!stateDir.empty()) std::filesystem::remove_all(stateDir, ignored);
}

namespace {
// Xlib's default handler exits the process on any error; a test that reads
// a window while it is being mapped or torn down should fail, not vanish.
int ignoreXError(Display*, XErrorEvent*) { return 0; }
}  // namespace

bool XClient::open(const std::string& name) {
  XSetErrorHandler(ignoreXError);
  display = XOpenDisplay(name.c_str());
  return display != nullptr;
}

XClient::~XClient() {
  if (display != nullptr) XCloseDisplay(display);
}

namespace {

Window findNamed(Display* display, Window window, const std::string& title) {
  char* name = nullptr;
  if (XFetchName(display, window, &name) && name != nullptr) {
    // The game's own title first; guided play names the level after it.
    const bool match = std::string(name).rfind(title, 0) == 0;
    XFree(name);
    if (match) return window;
  }
  Window root, parent, *children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, window, &root, &parent, &children, &count)) return 0;
  Window found = 0;
  for (unsigned int i = 0; i < count && found == 0; ++i)
    found = findNamed(display, children[i], title);
  if (children != nullptr) XFree(children);
  return found;
}

}  // namespace

Window XClient::findWindow(const std::string& title,
                           std::chrono::milliseconds timeout) {
  // Found and mapped: pixels cannot be read from a window not yet shown.
  Window found = 0;
  waitUntil(
      [&] {
        found = findNamed(display, DefaultRootWindow(display), title);
        XWindowAttributes attributes;
        return found != 0 &&
               XGetWindowAttributes(display, found, &attributes) &&
               attributes.map_state == IsViewable;
      },
      timeout);
  return found;
}

bool XClient::size(Window window, int& width, int& height) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, window, &attributes)) return false;
  width = attributes.width;
  height = attributes.height;
  return true;
}

void XClient::resize(Window window, int width, int height) {
  XResizeWindow(display, window, static_cast<unsigned>(width),
                static_cast<unsigned>(height));
  XSync(display, False);
}

void XClient::close(Window window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] =
      static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XSync(display, False);
}

void XClient::moveTo(Window window, int x, int y) {
  int rootX = 0, rootY = 0;
  Window child;
  XTranslateCoordinates(display, window, DefaultRootWindow(display), x, y,
                        &rootX, &rootY, &child);
  XTestFakeMotionEvent(display, DefaultScreen(display), rootX, rootY,
                       CurrentTime);
  XSync(display, False);
}

void XClient::press(int button) {
  XTestFakeButtonEvent(display, button, True, CurrentTime);
  XSync(display, False);
}

void XClient::release(int button) {
  XTestFakeButtonEvent(display, button, False, CurrentTime);
  XSync(display, False);
}

void XClient::click(int button) {
  press(button);
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  release(button);
}

void XClient::clickAt(Window window, int x, int y) {
  moveTo(window, x, y);
  std::this_thread::sleep_for(std::chrono::milliseconds(40));
  click();
  std::this_thread::sleep_for(std::chrono::milliseconds(40));
}

void XClient::key(const char* keysym) {
  const KeyCode code = XKeysymToKeycode(display, XStringToKeysym(keysym));
  XTestFakeKeyEvent(display, code, True, CurrentTime);
  XTestFakeKeyEvent(display, code, False, CurrentTime);
  XSync(display, False);
}

void XClient::keyWith(const char* modifier, const char* keysym) {
  const KeyCode held = XKeysymToKeycode(display, XStringToKeysym(modifier));
  XTestFakeKeyEvent(display, held, True, CurrentTime);
  key(keysym);
  XTestFakeKeyEvent(display, held, False, CurrentTime);
  XSync(display, False);
}

std::string XClient::title(Window window) {
  char* name = nullptr;
  if (!XFetchName(display, window, &name) || name == nullptr) return {};
  const std::string title = name;
  XFree(name);
  return title;
}

void XClient::holdKey(const char* keysym, std::chrono::milliseconds duration) {
  const KeyCode code = XKeysymToKeycode(display, XStringToKeysym(keysym));
  XTestFakeKeyEvent(display, code, True, CurrentTime);
  XSync(display, False);
  std::this_thread::sleep_for(duration);
  XTestFakeKeyEvent(display, code, False, CurrentTime);
  XSync(display, False);
}

namespace {
// A pixel of a 24-bit ZPixmap.
Rgb rgbOf(unsigned long value) {
  return {static_cast<int>((value >> 16) & 0xff),
          static_cast<int>((value >> 8) & 0xff),
          static_cast<int>(value & 0xff)};
}
}  // namespace

Rgb XClient::pixel(Window window, int x, int y) {
  XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
  if (image == nullptr) return {-1, -1, -1};
  const Rgb value = rgbOf(XGetPixel(image, 0, 0));
  XDestroyImage(image);
  return value;
}

bool XClient::savePng(Window window, const std::string& path) {
  PngPicture picture;
  if (!size(window, picture.width, picture.height)) return false;
  XImage* image = XGetImage(display, window, 0, 0, picture.width,
                            picture.height, AllPlanes, ZPixmap);
  if (image == nullptr) return false;
  picture.samples.reserve(static_cast<std::size_t>(picture.width) *
                          picture.height * 3);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const Rgb p = rgbOf(XGetPixel(image, x, y));
      picture.samples.insert(
          picture.samples.end(),
          {static_cast<unsigned>(p.r), static_cast<unsigned>(p.g),
           static_cast<unsigned>(p.b)});
    }
  }
  XDestroyImage(image);
  return writePng(path, picture);
}
