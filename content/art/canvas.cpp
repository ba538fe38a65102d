// Drawing primitives of the art generators' canvas.
#include "content/art/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace content {

namespace {
uint8_t Channel(double v) {
  return uint8_t(std::clamp(std::lround(v), 0L, 255L));
}
}  // namespace

Rgb Mix(Rgb a, Rgb b, double t) {
  return {Channel(a.r + (b.r - a.r) * t), Channel(a.g + (b.g - a.g) * t),
          Channel(a.b + (b.b - a.b) * t)};
}

Rgb Shade(Rgb c, double amount) {
  return amount >= 0 ? Mix(c, Rgb{255, 255, 255}, amount) : Mix(c, Rgb{0, 0, 0}, -amount);
}

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(size_t(width_) * size_t(height_), fill) {}

void Canvas::Blend(int x, int y, Rgb c, double alpha) {
  if (Contains(x, y)) pixels_[Index(x, y)] = Mix(pixels_[Index(x, y)], c, alpha);
}

void Canvas::Fill(Rgb c) {
  std::fill(pixels_.begin(), pixels_.end(), c);
}

void Canvas::FillRect(int x, int y, int w, int h, Rgb c) {
  const int x0 = std::max(x, 0), y0 = std::max(y, 0);
  const int x1 = std::min(x + w, width_), y1 = std::min(y + h, height_);
  for (int j = y0; j < y1; ++j)
    for (int i = x0; i < x1; ++i) pixels_[Index(i, j)] = c;
}

void Canvas::FrameRect(int x, int y, int w, int h, Rgb c) {
  if (w <= 0 || h <= 0) return;
  FillRect(x, y, w, 1, c);
  FillRect(x, y + h - 1, w, 1, c);
  FillRect(x, y, 1, h, c);
  FillRect(x + w - 1, y, 1, h, c);
}

void Canvas::FillRoundRect(int x, int y, int w, int h, int radius, Rgb c) {
  radius = std::clamp(radius, 0, std::min(w, h) / 2);
  for (int j = 0; j < h; ++j) {
    // How far the corner's circle cuts into this row.
    int inset = 0;
    const int dy = j < radius ? radius - j : (j >= h - radius ? j - (h - 1 - radius) : 0);
    if (dy > 0) {
      const double r = radius - 0.5;
      const double yy = dy - 0.5;
      inset = radius - int(std::floor(std::sqrt(std::max(0.0, r * r - yy * yy)) + 0.5));
    }
    FillRect(x + inset, y + j, w - 2 * inset, 1, c);
  }
}

void Canvas::Line(int x1, int y1, int x2, int y2, Rgb c) {
  const int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
  const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    Set(x1, y1, c);
    if (x1 == x2 && y1 == y2) break;
    const int e2 = 2 * err;
    if (e2 >= dy) err += dy, x1 += sx;
    if (e2 <= dx) err += dx, y1 += sy;
  }
}

void Canvas::FillCircle(double cx, double cy, double radius, Rgb c) {
  const int y0 = int(std::floor(cy - radius)), y1 = int(std::ceil(cy + radius));
  const int x0 = int(std::floor(cx - radius)), x1 = int(std::ceil(cx + radius));
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
      if (dx * dx + dy * dy <= radius * radius) Set(x, y, c);
    }
  }
}

void Canvas::Circle(double cx, double cy, double radius, Rgb c) {
  const int y0 = int(std::floor(cy - radius - 1)), y1 = int(std::ceil(cy + radius + 1));
  const int x0 = int(std::floor(cx - radius - 1)), x1 = int(std::ceil(cx + radius + 1));
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
      const double d = std::sqrt(dx * dx + dy * dy);
      if (d <= radius && d > radius - 1) Set(x, y, c);
    }
  }
}

void Canvas::VerticalGradient(int x, int y, int w, int h, Rgb top, Rgb bottom) {
  for (int j = 0; j < h; ++j) FillRect(x, y + j, w, 1, Mix(top, bottom, h > 1 ? j / (h - 1.0) : 0));
}

void Canvas::Draw(const Canvas& source, int x, int y) {
  for (int j = 0; j < source.Height(); ++j)
    for (int i = 0; i < source.Width(); ++i) Set(x + i, y + j, source.Get(i, j));
}

void Canvas::DrawKeyed(const Canvas& source, int x, int y, Rgb key) {
  for (int j = 0; j < source.Height(); ++j) {
    for (int i = 0; i < source.Width(); ++i)
      if (!(source.Get(i, j) == key)) Set(x + i, y + j, source.Get(i, j));
  }
}

Canvas Canvas::Crop(int x, int y, int w, int h) const {
  Canvas out(w, h);
  for (int j = 0; j < h; ++j) {
    for (int i = 0; i < w; ++i)
      if (Contains(x + i, y + j)) out.Set(i, j, Get(x + i, y + j));
  }
  return out;
}

uint32_t Noise::Next() {
  // xorshift32: fast, and the same sequence on every machine.
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

namespace {
double Lattice(uint32_t seed, int x, int y) {
  uint32_t h = seed * 374761393u + uint32_t(x) * 668265263u + uint32_t(y) * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return double((h ^ (h >> 16)) & 0xFFFF) / 65535.0;
}
double Smooth(double t) {
  return t * t * (3 - 2 * t);
}
}  // namespace

double ValueNoise(uint32_t seed, double x, double y, int period) {
  period = std::max(period, 1);
  const double fx = std::floor(x), fy = std::floor(y);
  const double tx = Smooth(x - fx), ty = Smooth(y - fy);
  auto at = [&](double px, double py) {
    const int ix = ((int(px) % period) + period) % period;
    const int iy = ((int(py) % period) + period) % period;
    return Lattice(seed, ix, iy);
  };
  const double a = at(fx, fy), b = at(fx + 1, fy), c = at(fx, fy + 1), d = at(fx + 1, fy + 1);
  return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

}  // namespace content
