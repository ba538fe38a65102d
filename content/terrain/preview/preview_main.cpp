// Writes preview sheets of every terrain picture and mock-ups of whole holes as PNG files, so
// the pictures can be judged by eye: pt-terrain-preview OUTDIR.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "content/art/bmp.h"
#include "content/catalogue/block_catalogue.h"
#include "content/terrain/backgrounds.h"
#include "content/terrain/preview/png.h"
#include "content/terrain/terrain_entries.h"

namespace content {
namespace {

Canvas Entry(const std::string& name) {
  std::optional<Canvas> c = PaintTerrainEntry(name);
  if (!c) std::fprintf(stderr, "no picture for %s\n", name.c_str());
  return c ? *c : Canvas(21, 21, {255, 255, 0});
}

std::string FrameName(const BlockPicture& row, int frame) {
  return std::string(row.name) + "_" + char('a' + frame) + ".bmp";
}

// Every still block over a lawn, in rows of eight.
void BlockSheet(const std::string& dir) {
  const Canvas lawn = *PaintBackground("grass", 3);
  Canvas sheet(8 * 25 + 4, 7 * 25 + 4, {40, 40, 40});
  for (int id = 0; id < 53; ++id) {
    const int x = 4 + id % 8 * 25, y = 4 + id / 8 * 25;
    sheet.Draw(lawn.Crop(x, y, 21, 21), x, y);
    sheet.DrawKeyed(Entry(std::string(BlockCatalogue(id).name) + ".bmp"), x, y, kMagenta);
  }
  WritePng(dir + "/blocks_4x.png", sheet, 4);
  WritePng(dir + "/blocks_1x.png", sheet, 1);
}

// Every frame of the animated cells, one cell kind a row.
void FrameSheet(const std::string& dir) {
  const Canvas lawn = *PaintBackground("grass", 9);
  Canvas sheet(16 * 25 + 4, 10 * 25 + 4, {40, 40, 40});
  int line = 0;
  for (int id = 53; id < kCatalogueSize; ++id) {
    const BlockPicture& row = BlockCatalogue(id);
    if (row.frames == 0) continue;
    for (int f = 0; f < row.frames; ++f) {
      const int x = 4 + f * 25, y = 4 + line * 25;
      sheet.Draw(lawn.Crop(x, y, 21, 21), x, y);
      sheet.DrawKeyed(Entry(FrameName(row, f)), x, y, kMagenta);
    }
    ++line;
  }
  WritePng(dir + "/frames_4x.png", sheet, 4);
}

void BackgroundSheet(const std::string& dir) {
  const std::vector<std::string> names = {
      "grass_03",  "grass_04",  "grass_05",  "grass_06",  "grass_07", "grass_09", "grass_10",
      "grass_12",  "grass_13",  "grass_14",  "grass_16",  "grass_17", "grass_18", "ground_00",
      "ground_01", "ground_02", "ground_03", "ground_05", "moon_01",  "moon_02",  "moon_03",
      "mars_02",   "mars_03",   "mars_05",   "mars_07",   "mars_08",  "mars_09"};
  Canvas sheet(5 * 214, 6 * 193, {0, 0, 0});
  for (size_t i = 0; i < names.size(); ++i) {
    const Canvas bg = Entry("pt_background_" + names[i] + ".bmp");
    sheet.Draw(bg, int(i % 5) * 214, int(i / 5) * 193);
  }
  WritePng(dir + "/backgrounds.png", sheet, 1);
}

// A hole: rounded corners, water, a corner hill of four quarter cones, the 3 x 3 hill, ramps,
// a ridge, a fan and a magnet, with the straight walls the game would draw.
void MockHole(const std::string& dir, const std::string& background, int hazardA, int hazardB,
              const std::string& file) {
  constexpr int kE = -1;
  const int grid[9][10] = {
      {kE, 5, 0, 0, 0, 0, 0, 0, 6, kE},
      {kE, 0, hazardA, hazardA, 0, 21, 0, 0, 0, kE},
      {kE, 0, hazardA, hazardB, 0, 0, 38, 39, 0, kE},
      {kE, 13, 0, 0, 17, 33, 41, 40, 9, kE},
      {kE, 0, 49, 44, 50, 0, 34, 0, 0, kE},
      {63, 0, 47, 48, 45, 0, 34, 0, 0, 60},
      {kE, 0, 52, 46, 51, 0, 42, 30, 0, kE},
      {kE, 8, 0, 25, 25, 0, 1, 2, 7, kE},
      {kE, kE, kE, kE, kE, kE, kE, kE, kE, kE},
  };
  Canvas hole = Entry("pt_background_" + background + ".bmp");
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 10; ++c) {
      const int id = grid[r][c];
      if (id < 0) continue;
      const BlockPicture& row = BlockCatalogue(id);
      const std::string name = row.frames > 1 ? FrameName(row, 0) : std::string(row.name) + ".bmp";
      hole.DrawKeyed(Entry(name), 21 * c, 21 * r, kMagenta);
    }
  }
  const Rgb black{0, 0, 0};
  hole.Line(42, 0, 167, 0, black);      // top, between the rounded corners
  hole.Line(21, 21, 21, 146, black);    // left
  hole.Line(188, 21, 188, 146, black);  // right
  hole.Line(42, 167, 146, 167, black);  // bottom, up to the diagonal cell
  hole.Line(63, 147, 104, 147, black);  // the kerb's wall
  hole.FillCircle(7 * 21 + 10.5, 1 * 21 + 10.5, 3.5, {20, 20, 20});  // the cup
  WritePng(dir + "/" + file + "_1x.png", hole, 1);
  WritePng(dir + "/" + file + "_2x.png", hole, 2);
}

std::optional<Canvas> ReadBmp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
  return DecodeBmp(bytes);
}

// Draws a masked sprite the way the game does: the mask ANDed in, the picture ORed over it.
void DrawMasked(Canvas& target, const Canvas& picture, const Canvas& mask, int x, int y) {
  for (int j = 0; j < picture.Height(); ++j) {
    for (int i = 0; i < picture.Width(); ++i) {
      if (!target.Contains(x + i, y + j)) continue;
      const Rgb t = target.Get(x + i, y + j), m = mask.Get(i, j), p = picture.Get(i, j);
      target.Set(
          x + i, y + j,
          {uint8_t((t.r & m.r) | p.r), uint8_t((t.g & m.g) | p.g), uint8_t((t.b & m.b) | p.b)});
    }
  }
}

// The ball and the sink frames on a strip of green and of sand, from the sprites generator.
void SpriteSheet(const std::string& dir, const std::string& spriteDir) {
  Canvas sheet(7 * 18, 2 * 20, {58, 160, 76});
  sheet.FillRect(0, 20, sheet.Width(), 20, {222, 192, 134});
  std::vector<std::string> names = {"pt_ball.bmp"};
  for (char f = 'a'; f <= 'e'; ++f) names.push_back(std::string("pt_sink_anim_") + f + ".bmp");
  for (int row = 0; row < 2; ++row) {
    for (size_t i = 0; i < names.size(); ++i) {
      const auto picture = ReadBmp(spriteDir + "/" + names[i]);
      const auto mask = ReadBmp(spriteDir + "/m_" + names[i]);
      if (!picture || !mask) {
        std::fprintf(stderr, "cannot read %s\n", names[i].c_str());
        continue;
      }
      sheet.FillCircle(int(i) * 18 + 6.5, row * 20 + 6.5, 5.5, {24, 24, 24});  // the cup
      DrawMasked(sheet, *picture, *mask, int(i) * 18 + 3, row * 20 + 3);
    }
  }
  WritePng(dir + "/sprites_8x.png", sheet, 8);
  WritePng(dir + "/sprites_1x.png", sheet, 1);
}

}  // namespace
}  // namespace content

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: pt-terrain-preview OUTDIR [SPRITEDIR]\n");
    return 2;
  }
  const std::string dir = argv[1];
  content::BlockSheet(dir);
  content::FrameSheet(dir);
  content::BackgroundSheet(dir);
  content::MockHole(dir, "grass_17", 53, 54, "hole_garden");
  content::MockHole(dir, "moon_03", 57, 58, "hole_moon");
  content::MockHole(dir, "mars_05", 55, 56, "hole_mars");
  content::MockHole(dir, "ground_02", 57, 53, "hole_desert");
  if (argc == 3) content::SpriteSheet(dir, argv[2]);
  return 0;
}
