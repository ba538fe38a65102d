// pt-contact-sheet MANIFEST ENTRIES OUTDIR [COURSE...]: one PNG page per group of generated
// pictures (screens, buttons, backgrounds, blocks over each course's ground, animations, fonts)
// and two per course (its 18 holes as the game shows them, and with every wall drawn).
// pt-contact-sheet --hole MANIFEST ENTRIES COURSE HOLE OUT.png: one hole at 2x, both ways.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "content/art/bmp.h"
#include "content/art/manifest.h"
#include "content/art/png.h"
#include "content/sheet/hole_picture.h"
#include "content/sheet/sheet.h"
#include "tools/common/course_file.h"
#include "tools/common/whole_file.h"

namespace fs = std::filesystem;
using content::Canvas;
using content::ManifestEntry;
using content::Rgb;
using content::Sheet;

namespace {

struct Library {
  std::vector<ManifestEntry> manifest;
  fs::path entries;

  std::optional<Canvas> Picture(const std::string& name) const {
    for (const ManifestEntry& e : manifest) {
      if (e.name == name) {
        std::vector<uint8_t> bytes;
        if (!tools::ReadWholeFile(entries / e.generator / name, bytes)) return std::nullopt;
        return content::DecodeBmp(bytes);
      }
    }
    return std::nullopt;
  }
  std::vector<uint8_t> Bytes(const std::string& name) const {
    std::vector<uint8_t> bytes;
    for (const ManifestEntry& e : manifest)
      if (e.name == name) tools::ReadWholeFile(entries / e.generator / name, bytes);
    return bytes;
  }
};

// The block over a piece of ground, as the hole picture composes it (magenta shows the ground).
Canvas OnGround(const Canvas& ground, const Canvas& block, int x, int y) {
  Canvas cell = ground.Crop(x, y, block.Width(), block.Height());
  cell.DrawKeyed(block, 0, 0, content::kMagenta);
  return cell;
}

bool IsCellPicture(const ManifestEntry& e) {
  return e.generator == "terrain" && e.width == 21 && e.height == 21;
}

// Text drawn from a font strip and its metrics, as the game's bitmap fonts draw it.
Canvas FontSample(const Canvas& strip, const std::vector<uint8_t>& m, const std::string& text) {
  auto u16 = [&](size_t at) { return at + 1 < m.size() ? int(m[at] | m[at + 1] << 8) : 0; };
  const int first = u16(0), count = u16(2), fallback = u16(4) & 0xFF;
  auto glyph = [&](int c, int& x, int& w) {
    for (int code : {c, fallback}) {
      const size_t at = 6 + size_t(code - first) * 4;
      if (code < first || code >= first + count || at + 3 >= m.size() || m[at + 2] == 255) continue;
      x = int16_t(m[at] | m[at + 1] << 8);
      w = m[at + 2];
      return true;
    }
    return false;
  };
  int width = 0;
  for (unsigned char c : text) {
    int x = 0, w = 0;
    if (glyph(c, x, w)) width += w;
  }
  Canvas out(std::max(width, 1), strip.Height(), Rgb{255, 255, 255});
  int pen = 0;
  for (unsigned char c : text) {
    int x = 0, w = 0;
    if (!glyph(c, x, w)) continue;
    out.Draw(strip.Crop(x, 0, w, strip.Height()), pen, 0);
    pen += w;
  }
  return out;
}

// Windows-1252 sample text as UTF-8 for its caption (the few 0x80-0x9F signs it uses included).
std::string CaptionOf(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    const unsigned code = c == 0x80 ? 0x20AC : c == 0x96 ? 0x2013 : c;
    if (code < 0x80) {
      out += char(code);
    } else if (code < 0x800) {
      out += char(0xC0 | code >> 6);
      out += char(0x80 | (code & 0x3F));
    } else {
      out += char(0xE0 | code >> 12);
      out += char(0x80 | ((code >> 6) & 0x3F));
      out += char(0x80 | (code & 0x3F));
    }
  }
  return out;
}

// The course number (1..5) of a course file named course00N, or 0.
int CourseNumber(const fs::path& file) {
  const std::string stem = file.stem().string();
  if (stem.size() == 9 && stem.rfind("course00", 0) == 0 && stem[8] >= '1' && stem[8] <= '5')
    return stem[8] - '0';
  return 0;
}

bool LoadHoles(const std::string& path, std::vector<golf::HoleRecord>& holes) {
  std::vector<uint8_t> entry;
  std::string error;
  if (!tools::LoadCourseFile(path, entry, error) || !golf::ReadCourseEntry(entry, holes, error)) {
    std::fprintf(stderr, "pt-contact-sheet: %s\n", error.c_str());
    return false;
  }
  return true;
}

bool Save(const Sheet& sheet, const fs::path& file) {
  std::string error;
  if (content::WritePng(file, sheet.Render(), error)) {
    std::printf("%s\n", file.c_str());
    return true;
  }
  std::fprintf(stderr, "pt-contact-sheet: %s\n", error.c_str());
  return false;
}

}  // namespace

int HoleMode(int argc, char** argv) {
  if (argc != 7) {
    std::fprintf(stderr, "usage: pt-contact-sheet --hole MANIFEST ENTRIES COURSE HOLE OUT.png\n");
    return 2;
  }
  std::string error;
  const auto manifest = content::LoadManifest(argv[2], error);
  if (!manifest) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  const Library lib{*manifest, argv[3]};
  std::vector<golf::HoleRecord> holes;
  if (!LoadHoles(argv[4], holes)) return 1;
  const int hole = std::atoi(argv[5]);
  const golf::HoleRecord* record = nullptr;
  for (const auto& h : holes)
    if (h.index == hole) record = &h;
  if (!record) {
    std::fprintf(stderr, "pt-contact-sheet: %s has no hole %d\n", argv[4], hole);
    return 1;
  }
  const int course = std::max(CourseNumber(argv[4]), 1) - 1;
  const auto look = [&](const std::string& n) { return lib.Picture(n); };
  Sheet sheet(std::string(argv[4]) + " hole " + argv[5], 1000);
  sheet.Add(content::RenderHole(*record, course, hole, look, content::WallOverlay::kGameLook),
            "as the game shows it", 2);
  sheet.Add(content::RenderHole(*record, course, hole, look, content::WallOverlay::kAllWalls),
            "every wall (red), corners that can be hit (dots)", 2);
  return Save(sheet, argv[6]) ? 0 : 1;
}

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--hole") return HoleMode(argc, argv);
  if (argc < 4) {
    std::fprintf(stderr,
                 "usage: pt-contact-sheet MANIFEST ENTRIES OUTDIR [COURSE...]\n"
                 "       pt-contact-sheet --hole MANIFEST ENTRIES COURSE HOLE OUT.png\n");
    return 2;
  }
  std::string error;
  const auto manifest = content::LoadManifest(argv[1], error);
  if (!manifest) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  const Library lib{*manifest, argv[2]};
  const fs::path out = argv[3];
  fs::create_directories(out);
  bool ok = true;

  Sheet screens("Screens", 1024), buttons("Buttons, titles and boxes (2x)", 1400),
      backgrounds("Hole backgrounds", 1200), animations("Animated cells and sprites (3x)", 1200),
      fonts("Bitmap fonts (3x)", 1400);
  for (const ManifestEntry& e : *manifest) {
    if (e.kind != content::EntryKind::kPicture) continue;
    const auto picture = lib.Picture(e.name);
    if (!picture) {
      std::fprintf(stderr, "pt-contact-sheet: cannot read %s (build the data first)\n",
                   e.name.c_str());
      ok = false;
      continue;
    }
    if (e.generator == "screens") {
      (picture->Width() >= 200 && picture->Height() >= 180 ? screens : buttons)
          .Add(*picture, e.name, picture->Width() >= 200 && picture->Height() >= 180 ? 1 : 2);
    } else if (e.generator == "terrain" && e.width == 210) {
      backgrounds.Add(*picture, e.name);
    } else if (e.generator == "sprites") {
      animations.Add(*picture, e.name, 3);
    }
  }

  // Blocks and animated cells over the ground of each course's first hole.
  const struct {
    const char* course;
    const char* ground;
  } courses[] = {{"garden", "pt_background_grass_17.bmp"},
                 {"golfclub", "pt_background_grass_06.bmp"},
                 {"desert", "pt_background_ground_05.bmp"},
                 {"moon", "pt_background_moon_01.bmp"},
                 {"mars", "pt_background_mars_08.bmp"}};
  for (const auto& c : courses) {
    const auto ground = lib.Picture(c.ground);
    if (!ground) continue;
    Sheet blocks(std::string("Blocks over ") + c.ground + " (3x)", 1300);
    int k = 0;
    for (const ManifestEntry& e : *manifest) {
      if (!IsCellPicture(e)) continue;
      const auto block = lib.Picture(e.name);
      if (!block) continue;
      // Animation frames end in "_a.bmp", "_b.bmp" and so on.
      const bool animated = e.name.size() > 6 && e.name[e.name.size() - 6] == '_' &&
                            std::isalpha(static_cast<unsigned char>(e.name[e.name.size() - 5]));
      if (animated && c.course != std::string("garden")) continue;
      (animated ? animations : blocks)
          .Add(OnGround(*ground, *block, 21 * (k % 9), 21 * (k / 9 % 8)), e.name, 3);
      ++k;
    }
    ok &= Save(blocks, out / (std::string("blocks-") + c.course + ".png"));
  }

  for (const char* font : {"pt_font01", "pt_font02", "pt_highscores_font"}) {
    const auto strip = lib.Picture(std::string(font) + ".bmp");
    const auto metrics = lib.Bytes(std::string(font) + ".fmc");
    if (!strip || metrics.empty()) continue;
    fonts.Heading(font);
    fonts.Add(*strip, std::string(font) + ".bmp", 1);
    for (const char* text : {"Hole 7   Stroke 3   0123456789", "The quick brown fox: 18 holes!",
                             "Names: \xc6r\xf8 \xd1o\xf1o \x80 5 \x96 Zo\xeb"})
      fonts.Add(FontSample(*strip, metrics, text), CaptionOf(text), 3);
  }

  for (int i = 4; i < argc; ++i) {
    std::vector<golf::HoleRecord> holes;
    if (!LoadHoles(argv[i], holes)) {
      ok = false;
      continue;
    }
    const int course = std::max(CourseNumber(argv[i]), 1) - 1;
    const std::string stem = fs::path(argv[i]).stem().string();
    const auto look = [&](const std::string& n) { return lib.Picture(n); };
    Sheet game("Holes of " + stem, 1280), walls("Holes of " + stem + " with every wall", 1280);
    for (const auto& h : holes) {
      const std::string caption = "hole " + std::to_string(h.index + 1);
      game.Add(content::RenderHole(h, course, h.index, look, content::WallOverlay::kGameLook),
               caption);
      walls.Add(content::RenderHole(h, course, h.index, look, content::WallOverlay::kAllWalls),
                caption);
    }
    ok &= Save(game, out / ("holes-" + stem + ".png"));
    ok &= Save(walls, out / ("walls-" + stem + ".png"));
  }

  ok &= Save(screens, out / "screens.png");
  ok &= Save(buttons, out / "buttons.png");
  ok &= Save(backgrounds, out / "backgrounds.png");
  ok &= Save(animations, out / "animations.png");
  ok &= Save(fonts, out / "fonts.png");
  return ok ? 0 : 1;
}
