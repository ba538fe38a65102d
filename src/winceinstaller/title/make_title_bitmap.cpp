// Draws Setup's 240x268 title picture (a putting green at dusk with the game's name) and
// writes it as an uncompressed 24-bit BMP file; the build compiles it into Setup as bitmap 117.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 268;
constexpr int kRowBytes = kWidth * 3;  // 720, already a multiple of 4

struct Rgb {
  uint8_t r, g, b;
};

class Canvas {
 public:
  Canvas() : pixels_(size_t{kWidth} * kHeight) {}
  void Set(int x, int y, Rgb c) {
    if (x >= 0 && x < kWidth && y >= 0 && y < kHeight) pixels_[y * kWidth + x] = c;
  }
  Rgb Get(int x, int y) const { return pixels_[y * kWidth + x]; }
  void Fill(int x0, int y0, int w, int h, Rgb c) {
    for (int y = y0; y < y0 + h; ++y)
      for (int x = x0; x < x0 + w; ++x) Set(x, y, c);
  }
  void Disc(double cx, double cy, double rx, double ry, Rgb c) {
    for (int y = int(cy - ry) - 1; y <= int(cy + ry) + 1; ++y) {
      for (int x = int(cx - rx) - 1; x <= int(cx + rx) + 1; ++x) {
        double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
        if (dx * dx + dy * dy <= 1.0) Set(x, y, c);
      }
    }
  }

 private:
  std::vector<Rgb> pixels_;
};

uint8_t Mix(uint8_t a, uint8_t b, double t) {
  return uint8_t(std::lround(a + (b - a) * t));
}
Rgb Mix(Rgb a, Rgb b, double t) {
  return {Mix(a.r, b.r, t), Mix(a.g, b.g, t), Mix(a.b, b.b, t)};
}

// 5x7 block letters for the name, one string of '#' and '.' per row.
const char* Glyph(char c) {
  switch (c) {
    case 'P':
      return "####.#...##...#####.#....#....#....";
    case 'U':
      return "#...##...##...##...##...##...#.###.";
    case 'T':
      return "#####..#....#....#....#....#....#..";
    case 'L':
      return "#....#....#....#....#....#....#####";
    case 'A':
      return ".###.#...##...#######...##...##...#";
    case 'N':
      return "#...###..##.#.##..###...##...##...#";
    case 'D':
      return "####.#...##...##...##...##...#####.";
    default:
      return "...................................";
  }
}

void Word(Canvas& canvas, const char* text, int x, int y, int scale, Rgb ink, Rgb shadow) {
  for (const char* p = text; *p; ++p, x += 6 * scale) {
    const char* g = Glyph(*p);
    for (int row = 0; row < 7; ++row) {
      for (int col = 0; col < 5; ++col) {
        if (g[row * 5 + col] == '#') {
          canvas.Fill(x + col * scale + 2, y + row * scale + 2, scale, scale, shadow);
          canvas.Fill(x + col * scale, y + row * scale, scale, scale, ink);
        }
      }
    }
  }
}

void Draw(Canvas& c) {
  const Rgb skyTop{24, 38, 96}, skyLow{250, 170, 110}, grassFar{58, 130, 60}, grassNear{30, 96, 40};
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      // The horizon rolls gently; above it a dusk sky, below it a striped mown green.
      int horizon = 150 + int(8 * std::sin(x * 0.03));
      Rgb color = y < horizon ? Mix(skyTop, skyLow, double(y) / horizon)
                              : Mix(grassFar, grassNear, double(y - horizon) / (kHeight - horizon));
      if (y >= horizon && ((x + y / 2) / 20) % 2 == 0) color = Mix(color, Rgb{120, 200, 110}, 0.15);
      c.Set(x, y, color);
    }
  }
  c.Disc(190, 48, 18, 18, Rgb{255, 236, 170});  // low sun
  c.Disc(120, 214, 70, 22, Rgb{92, 176, 84});   // the putting surface
  c.Disc(146, 212, 9, 4, Rgb{14, 30, 12});      // cup
  c.Fill(145, 150, 2, 62, Rgb{235, 235, 235});  // flagstick
  for (int i = 0; i < 16; ++i) c.Fill(147, 150 + i / 2, 22 - i, 1, Rgb{220, 40, 40});  // pennant
  c.Disc(82, 226, 5, 5, Rgb{250, 250, 250});                                           // ball
  c.Disc(81, 225, 2, 2, Rgb{255, 255, 255});
  Word(c, "PUTTLAND", 25, 70, 4, Rgb{255, 250, 235}, Rgb{40, 30, 60});
}

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.bmp\n", argv[0]);
    return 2;
  }
  Canvas canvas;
  Draw(canvas);

  // File header, info header, bottom-up BGR rows, then two zero bytes that pad the file to
  // a multiple of four (193,016 bytes; 193,002 once the file header is dropped as a resource).
  const uint32_t imageSize = kRowBytes * kHeight;
  const uint32_t fileSize = 14 + 40 + imageSize + 2;
  std::vector<uint8_t> out;
  out.reserve(fileSize);
  out.push_back('B');
  out.push_back('M');
  Put32(out, fileSize);
  Put32(out, 0);
  Put32(out, 14 + 40);
  Put32(out, 40);
  Put32(out, kWidth);
  Put32(out, kHeight);
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);  // BI_RGB
  Put32(out, imageSize);
  Put32(out, 2835);  // 72 dpi
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = kHeight - 1; y >= 0; --y) {
    for (int x = 0; x < kWidth; ++x) {
      Rgb p = canvas.Get(x, y);
      out.push_back(p.b);
      out.push_back(p.g);
      out.push_back(p.r);
    }
  }
  out.push_back(0);
  out.push_back(0);

  std::FILE* file = std::fopen(argv[1], "wb");
  if (!file) {
    std::perror(argv[1]);
    return 1;
  }
  bool ok = std::fwrite(out.data(), 1, out.size(), file) == out.size();
  ok = std::fclose(file) == 0 && ok;
  return ok ? 0 : 1;
}
