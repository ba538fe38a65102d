// The standard corpus. Text: the files of /usr/include/c++/12 (the compiler's headers),
// sorted by path, up to 8 MiB. Binaries: regular ELF files of /usr/bin, sorted by name, up to
// 8 MiB. Pictures: three generated bottom-up BMP files (a 24-bit rendering of smooth shapes
// with noise, a 24-bit photo-like pattern and an 8-bit map), 6 MiB together.
#include "tools/lzrw/corpus.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "tools/common/whole_file.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t kPartLimit = 8u << 20;

std::vector<uint8_t> Gather(const fs::path& root, bool recursive, bool elfOnly) {
  std::vector<fs::path> files;
  std::error_code ec;
  auto consider = [&](const fs::directory_entry& e) {
    if (e.is_regular_file(ec) && !e.is_symlink(ec)) files.push_back(e.path());
  };
  if (recursive) {
    for (const auto& e : fs::recursive_directory_iterator(root, ec)) consider(e);
  } else {
    for (const auto& e : fs::directory_iterator(root, ec)) consider(e);
  }
  std::sort(files.begin(), files.end());
  std::vector<uint8_t> out;
  for (const fs::path& f : files) {
    if (out.size() >= kPartLimit) break;
    std::vector<uint8_t> bytes;
    tools::ReadWholeFile(f, bytes);  // an unreadable file adds nothing
    if (elfOnly && (bytes.size() < 4 || bytes[0] != 0x7F || bytes[1] != 'E')) continue;
    out.insert(out.end(), bytes.begin(), bytes.end());
  }
  if (out.size() > kPartLimit) out.resize(kPartLimit);
  return out;
}

void PutU32(std::vector<uint8_t>& v, size_t at, uint32_t x) {
  for (int i = 0; i < 4; ++i) v[at + i] = uint8_t(x >> (8 * i));
}

std::vector<uint8_t> BmpHeader(int width, int height, int bpp, uint32_t paletteBytes,
                               uint32_t imageBytes) {
  std::vector<uint8_t> h(54 + paletteBytes, 0);
  h[0] = 'B';
  h[1] = 'M';
  PutU32(h, 2, uint32_t(h.size()) + imageBytes);
  PutU32(h, 10, uint32_t(h.size()));
  PutU32(h, 14, 40);
  PutU32(h, 18, uint32_t(width));
  PutU32(h, 22, uint32_t(height));
  h[26] = 1;
  h[28] = uint8_t(bpp);
  PutU32(h, 34, imageBytes);
  return h;
}

std::vector<uint8_t> Picture24(int width, int height, bool photo, uint32_t seed) {
  const uint32_t stride = uint32_t((width * 24 + 31) / 32 * 4);
  std::vector<uint8_t> out = BmpHeader(width, height, 24, 0, stride * uint32_t(height));
  std::mt19937 rng(seed);
  for (int y = 0; y < height; ++y) {
    std::vector<uint8_t> row(stride, 0);
    for (int x = 0; x < width; ++x) {
      double r, g, b;
      if (photo) {
        r = 128 + 100 * std::sin(x * 0.013) * std::cos(y * 0.021);
        g = 128 + 90 * std::sin((x + y) * 0.007);
        b = 128 + 80 * std::cos(x * 0.004 - y * 0.011);
        r += int(rng() % 9) - 4;
        g += int(rng() % 9) - 4;
        b += int(rng() % 9) - 4;
      } else {
        // Flat-coloured discs and bands on a sky gradient, like the game's artwork.
        const int band = (y / 40) % 5;
        r = 40 + band * 30;
        g = 120 + (y * 100) / height;  // NOLINT(bugprone-integer-division): whole steps
        b = 200;
        const int cx = (x / 128) * 128 + 64, cy = (y / 128) * 128 + 64;
        if ((x - cx) * (x - cx) + (y - cy) * (y - cy) < 40 * 40) r = 250, g = 250, b = 30;
        if (rng() % 50 == 0) g += 3;
      }
      row[size_t(x) * 3 + 0] = uint8_t(std::clamp(b, 0.0, 255.0));
      row[size_t(x) * 3 + 1] = uint8_t(std::clamp(g, 0.0, 255.0));
      row[size_t(x) * 3 + 2] = uint8_t(std::clamp(r, 0.0, 255.0));
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

std::vector<uint8_t> Picture8(int width, int height) {
  const uint32_t stride = uint32_t((width * 8 + 31) / 32 * 4);
  std::vector<uint8_t> out = BmpHeader(width, height, 8, 1024, stride * uint32_t(height));
  for (int i = 0; i < 256; ++i) PutU32(out, 54 + size_t(i) * 4, uint32_t(i * 0x010203) & 0xFFFFFF);
  for (int y = 0; y < height; ++y) {
    for (uint32_t x = 0; x < stride; ++x) {
      out.push_back(
          uint8_t(((x / 21) * 7 + (uint32_t(y) / 21) * 13 + ((x ^ uint32_t(y)) & 3)) & 0xFF));
    }
  }
  return out;
}

}  // namespace

std::vector<CorpusPart> BuildStandardCorpus() {
  std::vector<CorpusPart> parts;
  parts.push_back({"text.bin", Gather("/usr/include/c++/12", true, false)});
  parts.push_back({"binaries.bin", Gather("/usr/bin", false, true)});
  parts.push_back({"shapes24.bmp", Picture24(1024, 1024, false, 1)});
  parts.push_back({"photo24.bmp", Picture24(800, 800, true, 2)});
  parts.push_back({"map8.bmp", Picture8(1024, 1100)});
  return parts;
}

bool WriteCorpus(const std::vector<CorpusPart>& parts, const fs::path& folder) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  for (const CorpusPart& part : parts) {
    if (!tools::WriteWholeFile(folder / part.name, part.bytes.data(), part.bytes.size())) {
      return false;
    }
  }
  return true;
}
