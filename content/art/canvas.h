// An RGB picture in memory that the art generators draw on, with the few primitives they share:
// fills, lines, circles, shading helpers and copies. Pixels outside the canvas are ignored.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace content {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(Rgb, Rgb) = default;
};

// The colour block pictures, fans and magnets leave transparent: the background shows there.
inline constexpr Rgb kMagenta{255, 0, 255};

// Mixes `a` towards `b` by t (0 gives a, 1 gives b).
Rgb Mix(Rgb a, Rgb b, double t);
// Lightens (amount > 0) or darkens (amount < 0) by up to 1.
Rgb Shade(Rgb c, double amount);

class Canvas {
 public:
  Canvas() = default;
  Canvas(int width, int height, Rgb fill = {});

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  Rgb Get(int x, int y) const { return pixels_[Index(x, y)]; }
  void Set(int x, int y, Rgb c) {
    if (Contains(x, y)) pixels_[Index(x, y)] = c;
  }
  // Lays `c` over the pixel with opacity `alpha` (0 to 1).
  void Blend(int x, int y, Rgb c, double alpha);
  const std::vector<Rgb>& Pixels() const { return pixels_; }

  void Fill(Rgb c);
  void FillRect(int x, int y, int w, int h, Rgb c);
  void FrameRect(int x, int y, int w, int h, Rgb c);
  // A rectangle with corners cut round by `radius` pixels, filled.
  void FillRoundRect(int x, int y, int w, int h, int radius, Rgb c);
  void Line(int x1, int y1, int x2, int y2, Rgb c);
  // Filled and outlined circles around a centre given in pixels (may be a half pixel).
  void FillCircle(double cx, double cy, double radius, Rgb c);
  void Circle(double cx, double cy, double radius, Rgb c);
  // A vertical gradient from `top` to `bottom` over the rectangle.
  void VerticalGradient(int x, int y, int w, int h, Rgb top, Rgb bottom);
  // Copies `source` with its top-left corner at (x, y); `key` pixels are skipped when given.
  void Draw(const Canvas& source, int x, int y);
  void DrawKeyed(const Canvas& source, int x, int y, Rgb key);
  // The part (x, y, w, h) as a canvas of its own.
  Canvas Crop(int x, int y, int w, int h) const;

 private:
  std::size_t Index(int x, int y) const {
    return std::size_t(y) * std::size_t(width_) + std::size_t(x);
  }
  int width_ = 0, height_ = 0;
  std::vector<Rgb> pixels_;
};

// A small deterministic noise source, so every build draws the same pictures.
class Noise {
 public:
  explicit Noise(uint32_t seed) : state_(seed * 2654435761u + 1) {}
  uint32_t Next();
  // Uniform in [0, 1).
  double Unit() { return double(Next() >> 8) / double(1u << 24); }

 private:
  uint32_t state_;
};

// Smooth value noise in [0, 1] at (x, y), repeating every `period` pixels on both axes.
double ValueNoise(uint32_t seed, double x, double y, int period);

}  // namespace content
