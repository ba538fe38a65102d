// The wall sweep tests. Every expression keeps the order of its operations: the ball's
// path is reproducible bit for bit only in this exact arithmetic.
#include "golf/wall_contact.h"

#include <cmath>

#include "golf/angle_tables.h"

namespace golf {
namespace {

constexpr double kEps = kContactEpsilon;

// The contact: the ball stands at (x, y), its velocity is mirrored about the unit normal
// (nx, ny), and the fraction f of its time left is spent.
void Bounce(Motion& m, double x, double y, double nx, double ny, double f) {
  const double vx = m.vx, vy = m.vy, t = m.t;
  const double k = (vx * nx + vy * ny) * -2.0;
  m.px = x;
  m.py = y;
  m.vx = vx + k * nx;
  m.vy = vy + k * ny;
  m.t = t - t * f;
}

}  // namespace

bool TestWall(Wall& w, Motion& m, double r, OverlapRule rule) {
  const double mx = m.px + m.vx * m.t;
  const double my = m.py + m.vy * m.t;
  if (m.px < w.boxMinX && mx < w.boxMinX) return false;
  if (m.px > w.boxMaxX && mx > w.boxMaxX) return false;
  if (m.py < w.boxMinY && my < w.boxMinY) return false;
  if (m.py > w.boxMaxY && my > w.boxMaxY) return false;
  switch (w.kind) {
    case WallKind::kStraightWall:
      return TestStraightWall(w, m, r, rule);
    case WallKind::kArcWall:
      return TestArcWall(w, m, r, rule);
  }
  return false;
}

// The face of a straight wall: where the ball's leading point (the centre moved one
// radius towards the wall along the normal) crosses the segment A-B within this move.
bool TestStraightWall(const Wall& w, Motion& m, double r, OverlapRule rule) {
  const double px = m.px, py = m.py, vx = m.vx, vy = m.vy, t = m.t;
  const double dx = (vx * t + px) - px;
  const double dy = (vy * t + py) - py;
  if (dx == 0.0 && dy == 0.0) return false;
  const double x1 = w.x1, y1 = w.y1;
  const double ex = w.x2 - w.x1;
  const double ey = w.y2 - w.y1;
  const double den = dy * ex - ey * dx;

  if (den == 0.0) {
    // Moving parallel to the wall: only the caps can be met. When both are, the one whose
    // contact lies nearer the start wins (squared distance; B on a tie). Comparing only
    // the x distance would always tie on a vertical wall and let a ball moving towards A
    // pass through A's cap.
    Motion a = m;
    Motion b = m;
    const bool hitA = TestCorner(w, a, r, -1.0, rule);
    const bool hitB = TestCorner(w, b, r, 2.0, rule);
    if (!hitA && !hitB) return false;
    if (hitA && hitB) {
      const double ax = px - a.px, ay = py - a.py;
      const double bx = px - b.px, by = py - b.py;
      m = (ax * ax + ay * ay < bx * bx + by * by) ? a : b;
    } else {
      m = hitA ? a : b;
    }
    return true;
  }

  const double wx = px - x1;
  const double wy = py - y1;
  const double s = (wx * ey - wy * ex) / den;  // where the centre's path crosses the line
  if (s < -kEps) return false;
  const double u = (wx * dy - wy * dx) / den;  // where along the wall: 0 at A, 1 at B

  // L(Q) is positive on one side of the wall's line, negative on the other.
  const double c = ey * x1 - ex * y1;
  const double dist = -ey * px + ex * py + c;
  if (std::fabs(dist) < kEps) return TestCorner(w, m, r, u, rule);

  double ox = w.normalX * r;
  double oy = w.normalY * r;
  const double ax = x1 + ox, ay = y1 + oy;
  if ((-ey * ax + ex * ay + c) * dist > 0.0) {
    ox = -ox;  // o now points from the centre towards the wall
    oy = -oy;
  }
  double s2 = s + (ox * ey - oy * ex) / den;  // the leading point's crossing
  const double u2 = u + (ox * dy - oy * dx) / den;
  if (s2 > 1.0 + kEps) return false;

  const bool onFace = u2 >= -kEps && u2 <= 1.0 + kEps;
  // A leading point already past the line while the centre is not: the ball overlaps the
  // face and moves into it, so it bounces where it stands.
  if (onFace && s2 < -kEps && rule == OverlapRule::kMended) s2 = 0.0;
  if (onFace && s2 >= -kEps) {
    Bounce(m, px + s2 * dx, py + s2 * dy, w.normalX, w.normalY, s2);
    return true;
  }
  if (u2 < -kEps && w.capA == 0) return false;
  if (u2 > 1.0 + kEps && w.capB == 0) return false;
  return TestCorner(w, m, r, u2, rule);
}

// A round cap of radius 0 at the corner Q: the moment the centre comes within r of Q,
// from the quadratic |P + s D - Q|^2 = r^2; the bounce is about the line Q to centre.
bool TestCorner(const Wall& w, Motion& m, double r, double u, OverlapRule rule) {
  const double qx = u < -kEps ? w.x1 : w.x2;
  const double qy = u < -kEps ? w.y1 : w.y2;
  const double px = m.px, py = m.py, vx = m.vx, vy = m.vy, t = m.t;
  const double dx = (vx * t + px) - px;
  const double dy = (vy * t + py) - py;
  const double cross = -dy * (qx - px) + dx * (qy - py);
  const double r2 = r * r;
  if (!(cross * cross / (dx * dx + dy * dy) < r2 + kEps)) return false;

  const double a = dx * dx + dy * dy;
  const double b = 2.0 * ((px - qx) * dx + (py - qy) * dy);
  const double c = (px - qx) * (px - qx) + (py - qy) * (py - qy) - r2;
  const double disc = b * b - 4.0 * c * a;
  if (disc <= 0.0) return false;
  const double q = NewtonSqrt(disc, 1e-5);
  const double s1 = (-b - q) * (1.0 / a) * 0.5;
  const double s2 = (q - b) * (1.0 / a) * 0.5;
  double s = s1 < s2 ? s1 : s2;
  // A centre already within r of the corner (c < 0) that moves towards it (b < 0)
  // touches the cap at once.
  if (s < -kEps && c < 0.0 && b < 0.0 && rule == OverlapRule::kMended) s = 0.0;
  if (s > 1.0 + kEps || s < -kEps) return false;

  const double cx = px + s * dx;
  const double cy = py + s * dy;
  const double len = NewtonSqrt((cx - qx) * (cx - qx) + (cy - qy) * (cy - qy), 0.01);
  const double nx = (cx - qx) / len;
  const double ny = (cy - qy) / len;
  Bounce(m, cx, cy, nx, ny, s);
  return true;
}

// The inside of an arc: bisect for the moment the centre reaches R - r from the arc's
// centre, then count the contact only when its angle lies within the arc's span.
bool TestArcWall(Wall& w, Motion& m, double r, OverlapRule rule) {
  const double zx = w.x1, zy = w.y1;
  const double radius = w.x2;
  const double px = m.px, py = m.py, vx = m.vx, vy = m.vy, t = m.t;
  const double mx = px + vx * t;
  const double my = py + vy * t;
  const double dx = mx - px;
  const double dy = my - py;
  const double inner2 = (radius - r) * (radius - r);
  const double outer2 = (radius + r) * (radius + r);
  const double d0 = (px - zx) * (px - zx) + (py - zy) * (py - zy);
  const double d1 = (mx - zx) * (mx - zx) + (my - zy) * (my - zy);
  if (d0 < inner2 - kEps && d1 < inner2 - kEps) return false;
  if (d0 > outer2 + kEps && d1 > outer2 + kEps) return false;
  if (d0 > radius * radius + kEps) return false;  // starts outside the circle

  double f = 0.5;
  double h = 0.5;
  double x = px + 0.5 * dx;
  double y = py + 0.5 * dy;
  double e = (x - zx) * (x - zx) + (y - zy) * (y - zy);
  while (std::fabs(e - inner2) > 1.0 + kEps) {
    if (h < 0.001) {
      // The bisection cannot settle when the ball starts inside the band, already
      // overlapping the arc: if it moves outward it touches the arc where it stands.
      const bool inBand = inner2 - kEps <= d0;
      const bool outward = (px - zx) * dx + (py - zy) * dy > 0.0;
      if (rule == OverlapRule::kPassThrough || !inBand || !outward) return false;
      x = px;
      y = py;
      f = 0.0;
      break;
    }
    h = h * 0.5;
    if (e > inner2 + kEps) {
      f = f - h;
      x = x - h * dx;
      y = y - h * dy;
    } else {
      f = f + h;
      x = x + h * dx;
      y = y + h * dy;
    }
    e = (x - zx) * (x - zx) + (y - zy) * (y - zy);
  }

  const double len = NewtonSqrt((x - zx) * (x - zx) + (y - zy) * (y - zy), 0.001);
  const double nx = (x - zx) / len;
  const double ny = (y - zy) / len;
  w.normalX = nx;
  w.normalY = ny;

  int theta = AcosLookup(nx);
  if (ny < 0.0) theta = 360 - theta;
  const double a1 = w.extA, a2 = w.extB;
  bool counts;
  if (a2 > a1) {
    counts = a1 <= theta && theta <= a2;
  } else if (a2 < a1) {
    counts = !(a2 < theta && theta < a1);  // the arc passes through 0 degrees
  } else {
    counts = false;
  }
  if (!counts) return false;

  Bounce(m, x, y, nx, ny, f);
  return true;
}

}  // namespace golf
