// X sessions of the tests and tools: a private Xvfb server, the game started
// in it, and a client that finds the window, moves and clicks the mouse and
// reads pixels back.
#pragma once

#include <X11/Xlib.h>
#include <sys/types.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

// An Xvfb server of its own for one test or tool run, so none share a
// screen.
struct VirtualDisplay {
  pid_t pid = -1;
  std::string name;  // such as ":42"

  // Starts Xvfb with one 24-bit screen; false when it could not start.
  bool start(int width = 1024, int height = 768);
  ~VirtualDisplay();
};

// The real game binary, started from a run directory on a given display.
struct GameProcess {
  pid_t pid = -1;
  std::string stderrPath;  // the game's standard error, kept in a file
  std::string stdoutPath;  // and its standard output
  // A folder of its own for what the game keeps (XDG_STATE_HOME, unless the
  // caller's environment names one), so no run reads or changes the
  // player's progress; removed with the process.
  std::string stateDir;

  bool start(const std::string& binary, const std::string& runDir,
             const std::string& display,
             const std::vector<std::string>& extraEnv = {},
             const std::vector<std::string>& args = {});
  // Waits for the process to end; -1 on time-out, else its exit status
  // (128 + signal when killed by a signal).
  int waitExit(std::chrono::milliseconds timeout);
  std::string stderrText() const;
  std::string stdoutText() const;
  ~GameProcess();
};

struct Rgb {
  int r, g, b;
};

// An X client on the test's display.
struct XClient {
  Display* display = nullptr;

  bool open(const std::string& name);
  ~XClient();

  // The top-level window whose name begins with title, or 0 after the
  // time-out.
  Window findWindow(const std::string& title,
                    std::chrono::milliseconds timeout);
  bool size(Window window, int& width, int& height);
  // Resizes the window as a user dragging its border would.
  void resize(Window window, int width, int height);
  // Asks the window to close, as a window manager's close button does.
  void close(Window window);
  // Synthetic mouse: positions are window pixels.
  void moveTo(Window window, int x, int y);
  void click(int button = 1);
  // Moves, then clicks once the window has had time to see the motion (a
  // click acts where the last motion left the pointer), then waits a
  // little for the window to act on it.
  void clickAt(Window window, int x, int y);
  void press(int button);
  void release(int button);
  void key(const char* keysym);
  // The key pressed while a modifier, such as "Control_L", is held.
  void keyWith(const char* modifier, const char* keysym);
  // The window's name, as a task bar shows it.
  std::string title(Window window);
  // Presses the key, keeps it down that long, then lets it go.
  void holdKey(const char* keysym, std::chrono::milliseconds duration);
  // Reads one pixel of the window.
  Rgb pixel(Window window, int x, int y);
  // Saves the window as an RGB PNG file.
  bool savePng(Window window, const std::string& path);
};

// In a forked child: runs binary with args, or ends the child with status
// 127 when it cannot. Never returns.
[[noreturn]] void execProgram(const std::string& binary,
                              const std::vector<std::string>& args);

// Polls condition until it holds or the time-out passes.
bool waitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout);
