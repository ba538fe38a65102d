// The scenery stamps.
#include "content/terrain/scenery.h"

#include <cmath>

namespace content {
namespace {

// How much a point of a round body at (dx, dy) from its centre faces the top-left light.
double Facing(double dx, double dy, double radius) {
  return -(dx + dy) / (radius * std::sqrt(2.0));
}

}  // namespace

void CastShadow(Canvas& c, double cx, double cy, double rx, double ry, double amount) {
  for (int y = int(cy - ry) - 1; y <= int(cy + ry) + 1; ++y) {
    for (int x = int(cx - rx) - 1; x <= int(cx + rx) + 1; ++x) {
      const double u = (x + 0.5 - cx) / rx, v = (y + 0.5 - cy) / ry;
      if (u * u + v * v <= 1.0 && c.Contains(x, y)) c.Set(x, y, Shade(c.Get(x, y), amount));
    }
  }
}

void Tree(Canvas& c, double cx, double cy, double radius, Rgb leaves) {
  CastShadow(c, cx + radius * 0.45, cy + radius * 0.45, radius, radius);
  const Rgb dark = Shade(leaves, -0.3), lit = Shade(leaves, 0.22), shine = Shade(leaves, 0.42);
  for (int y = int(cy - radius) - 1; y <= int(cy + radius) + 1; ++y) {
    for (int x = int(cx - radius) - 1; x <= int(cx + radius) + 1; ++x) {
      const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
      // A leafy outline: the radius wobbles with the angle.
      const double a = std::atan2(dy, dx);
      const double edge = radius * (0.9 + 0.1 * std::sin(7 * a + radius));
      const double r = std::hypot(dx, dy);
      if (r > edge) continue;
      const double f = Facing(dx, dy, radius);
      // Leaf clumps: a lattice of small bumps, lit on their own upper left.
      const int clump = (int(std::floor(x / 3.0)) * 7 + int(std::floor(y / 3.0)) * 3) % 5;
      Rgb col = f > 0.35 ? lit : f < -0.3 ? dark : leaves;
      if (r > edge - 1.0) {
        col = dark;
      } else if (clump == 0 && f > 0.1) {
        col = shine;
      } else if (clump == 3 && f < 0.2) {
        col = Shade(col, -0.15);
      }
      c.Set(x, y, col);
    }
  }
}

void Bush(Canvas& c, double cx, double cy, double radius, Rgb leaves) {
  CastShadow(c, cx + 1.5, cy + 1.5, radius, radius * 0.9);
  const Rgb dark = Shade(leaves, -0.28), lit = Shade(leaves, 0.25);
  for (int y = int(cy - radius) - 1; y <= int(cy + radius) + 1; ++y) {
    for (int x = int(cx - radius) - 1; x <= int(cx + radius) + 1; ++x) {
      const double dx = x + 0.5 - cx, dy = y + 0.5 - cy, r = std::hypot(dx, dy);
      if (r > radius) continue;
      const double f = Facing(dx, dy, radius);
      c.Set(x, y, r > radius - 1 ? dark : f > 0.4 ? lit : f < -0.3 ? dark : leaves);
    }
  }
}

void Flowers(Canvas& c, int cx, int cy, uint32_t seed, Rgb petal) {
  Noise n(seed);
  const Rgb heart{250, 226, 80}, stem{40, 96, 36};
  const int count = 4 + int(n.Next() % 5);
  for (int i = 0; i < count; ++i) {
    const int x = cx + int(n.Next() % 11) - 5, y = cy + int(n.Next() % 9) - 4;
    c.Set(x + 1, y + 1, stem);
    c.Set(x - 1, y, petal);
    c.Set(x + 1, y, petal);
    c.Set(x, y - 1, petal);
    c.Set(x, y + 1, petal);
    c.Set(x, y, heart);
  }
}

void Pond(Canvas& c, double cx, double cy, double rx, double ry) {
  const Rgb rim{150, 140, 116}, rimLit{196, 188, 160}, deep{34, 92, 150}, water{56, 124, 186},
      glint{170, 214, 244}, pad{70, 150, 60};
  for (int y = int(cy - ry) - 2; y <= int(cy + ry) + 2; ++y) {
    for (int x = int(cx - rx) - 2; x <= int(cx + rx) + 2; ++x) {
      const double u = (x + 0.5 - cx) / rx, v = (y + 0.5 - cy) / ry, d = std::sqrt(u * u + v * v);
      if (d > 1.12) continue;
      Rgb col;
      if (d > 0.97) {
        col = (u + v) > 0 ? rimLit : rim;  // stones round the edge
      } else if (d > 0.8) {
        col = (u + v) < 0 ? deep : water;
      } else {
        col = ((x + 2 * y) % 9 == 0 && v < 0) ? glint : water;
      }
      c.Set(x, y, col);
    }
  }
  // Two lily pads.
  c.FillCircle(cx - rx * 0.35, cy + ry * 0.2, 2.2, pad);
  c.FillCircle(cx + rx * 0.3, cy - ry * 0.25, 1.7, pad);
  c.Set(int(cx - rx * 0.35), int(cy + ry * 0.2) - 1, Rgb{240, 140, 190});
}

void Stone(Canvas& c, double cx, double cy, double rx, double ry, Rgb body) {
  CastShadow(c, cx + 1.2, cy + 1.2, rx, ry, -0.3);
  const Rgb lit = Shade(body, 0.25), dark = Shade(body, -0.3);
  for (int y = int(cy - ry) - 1; y <= int(cy + ry) + 1; ++y) {
    for (int x = int(cx - rx) - 1; x <= int(cx + rx) + 1; ++x) {
      const double u = (x + 0.5 - cx) / rx, v = (y + 0.5 - cy) / ry;
      if (u * u + v * v > 1.0) continue;
      const double f = -(u + v) / std::sqrt(2.0);
      c.Set(x, y, f > 0.3 ? lit : f < -0.35 ? dark : body);
    }
  }
}

void Crater(Canvas& c, double cx, double cy, double radius, Rgb ground) {
  const Rgb rimLit = Shade(ground, 0.22), inner = Shade(ground, -0.12),
            shadow = Shade(ground, -0.3), wallLit = Shade(ground, 0.1);
  for (int y = int(cy - radius) - 2; y <= int(cy + radius) + 2; ++y) {
    for (int x = int(cx - radius) - 2; x <= int(cx + radius) + 2; ++x) {
      const double dx = x + 0.5 - cx, dy = y + 0.5 - cy, r = std::hypot(dx, dy);
      if (r > radius + 1.2) continue;
      const double f = r > 0 ? -(dx + dy) / (r * std::sqrt(2.0)) : 0;
      Rgb col;
      if (r > radius) {
        col = f > 0 ? rimLit : Shade(ground, 0.08);  // raised rim
      } else if (r > radius * 0.55) {
        col = f > 0.2 ? shadow : f < -0.2 ? wallLit : inner;
      } else {
        col = inner;
      }
      c.Set(x, y, col);
    }
  }
}

void Cactus(Canvas& c, int x, int baseY, int height, bool armLeft, bool armRight) {
  const Rgb body{70, 136, 72}, lit{120, 180, 110}, dark{40, 92, 48};
  CastShadow(c, x + 4.5, baseY + 1.0, 4.0, 1.6, -0.25);
  // The trunk, 3 pixels wide, rounded on top.
  for (int y = baseY - height; y <= baseY; ++y) {
    const bool top = y == baseY - height;
    c.Set(x - 1, y, top ? body : lit);
    c.Set(x, y, body);
    c.Set(x + 1, y, top ? body : dark);
  }
  const auto arm = [&](int side, int joinY, int length) {
    for (int i = 1; i <= 2; ++i) c.Set(x + side * (1 + i), joinY, body);
    for (int y = joinY - length; y <= joinY; ++y) {
      c.Set(x + side * 4, y, body);
      c.Set(x + side * 4 - 1, y, side < 0 ? lit : body);
    }
  };
  if (armLeft) arm(-1, baseY - height / 2, height / 3);
  if (armRight) arm(1, baseY - height / 2 + 2, height / 3);
}

}  // namespace content
