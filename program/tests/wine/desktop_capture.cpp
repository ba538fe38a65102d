// DesktopCapture: Xlib's GetImage of the desktop's window, read pixel by pixel in the visual's
// own channel masks, so that any 24- or 32-bit visual reads as 0x00RRGGBB.
#include "program/tests/wine/desktop_capture.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <bit>

namespace program::wine {

struct DesktopCapture::Connection {
  Display* display = nullptr;
  Window window = 0;
  ~Connection() {
    if (display != nullptr) XCloseDisplay(display);
  }
};

namespace {

std::string TitleOf(Display* display, Window window) {
  char* name = nullptr;
  if (XFetchName(display, window, &name) == 0 || name == nullptr) return {};
  std::string title(name);
  XFree(name);
  return title;
}

// The window titled `title` among `parent`'s children, searched depth first.
Window FindTitled(Display* display, Window parent, const std::string& title, int depth) {
  Window root = 0;
  Window unusedParent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  if (XQueryTree(display, parent, &root, &unusedParent, &children, &count) == 0) return 0;
  Window found = 0;
  for (unsigned i = 0; i < count && found == 0; ++i) {
    if (TitleOf(display, children[i]) == title) {
      found = children[i];
    } else if (depth > 0) {
      found = FindTitled(display, children[i], title, depth - 1);
    }
  }
  if (children != nullptr) XFree(children);
  return found;
}

// One channel of a pixel, scaled to 8 bits.
uint32_t Channel(unsigned long pixel, unsigned long mask) {
  if (mask == 0) return 0;
  const unsigned long value = (pixel & mask) >> std::countr_zero(mask);
  const int bits = std::popcount(mask);
  return bits >= 8 ? uint32_t(value >> (bits - 8)) : uint32_t(value << (8 - bits));
}

}  // namespace

DesktopCapture::DesktopCapture() = default;
DesktopCapture::~DesktopCapture() = default;

bool DesktopCapture::Open(const std::string& display, const std::string& title,
                          std::string& error) {
  connection_ = std::make_unique<Connection>();
  connection_->display = XOpenDisplay(display.c_str());
  if (connection_->display == nullptr) {
    error = "cannot open the X display " + display;
    return false;
  }
  Display* x = connection_->display;
  connection_->window = FindTitled(x, DefaultRootWindow(x), title, 2);
  if (connection_->window == 0) {
    error = "no window titled \"" + title + "\" on " + display;
    return false;
  }
  Window child = 0;
  if (XTranslateCoordinates(x, connection_->window, DefaultRootWindow(x), 0, 0, &originX_,
                            &originY_, &child) == 0) {
    error = "cannot place the desktop's window on the screen";
    return false;
  }
  return true;
}

void DesktopCapture::Close() {
  connection_.reset();
}

Picture DesktopCapture::Grab(int x, int y, int width, int height) {
  Picture picture;
  if (!connection_ || connection_->window == 0) return picture;
  XImage* image = XGetImage(connection_->display, connection_->window, x, y, unsigned(width),
                            unsigned(height), AllPlanes, ZPixmap);
  if (image == nullptr) return picture;
  picture.width = width;
  picture.height = height;
  picture.pixels.resize(size_t(width) * size_t(height));
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column) {
      const unsigned long pixel = XGetPixel(image, column, row);
      picture.pixels[size_t(row) * size_t(width) + size_t(column)] =
          Channel(pixel, image->red_mask) << 16 | Channel(pixel, image->green_mask) << 8 |
          Channel(pixel, image->blue_mask);
    }
  }
  XDestroyImage(image);
  return picture;
}

}  // namespace program::wine
