// Reads the pixels of a Wine virtual desktop from its X display (Xlib's GetImage), for the
// tests that compare the Windows build's screens with the Linux build's.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace program::wine {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // rows top to bottom, 0x00RRGGBB
};

class DesktopCapture {
 public:
  DesktopCapture();
  ~DesktopCapture();
  DesktopCapture(const DesktopCapture&) = delete;
  DesktopCapture& operator=(const DesktopCapture&) = delete;

  // Connects to `display` and finds the top-level window titled `title` (Wine names a virtual
  // desktop's window "NAME - Wine desktop"); false, with a reason, when either fails.
  bool Open(const std::string& display, const std::string& title, std::string& error);

  // Lets the display go (before the session's X server ends).
  void Close();

  // The desktop's position on the X screen, for input sent to root coordinates.
  int OriginX() const { return originX_; }
  int OriginY() const { return originY_; }

  // The rectangle (x, y, width, height) of the desktop; an empty picture when X refuses.
  Picture Grab(int x, int y, int width, int height);

 private:
  struct Connection;
  std::unique_ptr<Connection> connection_;
  int originX_ = 0;
  int originY_ = 0;
};

}  // namespace program::wine
