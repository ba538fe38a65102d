// Helpers for the frame's tests.
#include "frame_test_support.h"

#include <cstdlib>

#include "frame/app/entry.h"
#include "frame/form/process_state.h"
#include "storage/tests/device_folder.h"

namespace frame_test {

namespace {

// The tests never touch a player's device: without a device named by the parent process, the
// program gets an empty folder of its own before the first platform call.
[[maybe_unused]] const bool kDeviceChosen = [] {
  if (std::getenv("PUTTLAND_DEVICE") == nullptr) test_device::Folder();
  return true;
}();

}  // namespace

void Fill(frame::DrawingSurface& surface, int x, int y, int width, int height, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  RECT area{x, y, x + width, y + height};
  ::FillRect(surface.DeviceContext(), &area, brush);
  DeleteObject(brush);
}

std::unique_ptr<frame::OffscreenSurface> SolidSurface(int width, int height, COLORREF color) {
  auto surface = std::make_unique<frame::OffscreenSurface>(width, height);
  Fill(*surface, 0, 0, width, height, color);
  return surface;
}

std::shared_ptr<frame::PictureSource> SolidSource(int width, int height, COLORREF color) {
  return std::make_shared<frame::SurfacePictureSource>(SolidSurface(width, height, color));
}

COLORREF PixelAt(const frame::DrawingSurface& surface, int x, int y) {
  return GetPixel(surface.DeviceContext(), x, y);
}

void EnsureRootWindow() {
  if (frame::RootWindow != nullptr) return;
  frame::ProcessInstance = GetModuleHandleW(nullptr);
  frame::CreateRootWindow();
}

}  // namespace frame_test
