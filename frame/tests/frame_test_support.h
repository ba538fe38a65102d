// Helpers for the frame's tests: solid surfaces and picture sources, pixel reads, and the
// window classes and root window that forms need.
#pragma once

#include <windows.h>

#include <memory>

#include "frame/elements/picture_source.h"
#include "frame/surface/offscreen_surface.h"

namespace frame_test {

inline constexpr COLORREF kRed = RGB(255, 0, 0);
inline constexpr COLORREF kGreen = RGB(0, 255, 0);
inline constexpr COLORREF kBlue = RGB(0, 0, 255);
inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);

// Fills (x, y, width, height) of a surface with one colour.
void Fill(frame::DrawingSurface& surface, int x, int y, int width, int height, COLORREF color);
std::unique_ptr<frame::OffscreenSurface> SolidSurface(int width, int height, COLORREF color);
std::shared_ptr<frame::PictureSource> SolidSource(int width, int height, COLORREF color);
COLORREF PixelAt(const frame::DrawingSurface& surface, int x, int y);

// Registers the frame's window classes and creates the root window once per process.
void EnsureRootWindow();

}  // namespace frame_test
