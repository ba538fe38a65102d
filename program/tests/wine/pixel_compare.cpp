// Differing areas by a flood fill over the differing pixels, and the difference picture.
#include "program/tests/wine/pixel_compare.h"

#include <algorithm>
#include <sstream>

#include "backend/png_file.h"

namespace program::wine {

namespace {

bool Masked(const std::vector<Mask>& masks, int x, int y) {
  return std::any_of(masks.begin(), masks.end(),
                     [x, y](const Mask& mask) { return mask.area.Contains(x, y); });
}

// One group: every differing pixel within `gap` of one already in it, from `start` on.
Area FloodGroup(const std::vector<bool>& differs, std::vector<bool>& taken, int width, int height,
                int start, int gap) {
  std::vector<int> pending{start};
  taken[size_t(start)] = true;
  int left = start % width, right = left, top = start / width, bottom = top;
  while (!pending.empty()) {
    const int at = pending.back();
    pending.pop_back();
    const int x = at % width, y = at / width;
    left = std::min(left, x), right = std::max(right, x);
    top = std::min(top, y), bottom = std::max(bottom, y);
    for (int ny = std::max(0, y - gap); ny <= std::min(height - 1, y + gap); ++ny) {
      for (int nx = std::max(0, x - gap); nx <= std::min(width - 1, x + gap); ++nx) {
        const size_t index = size_t(ny) * size_t(width) + size_t(nx);
        if (differs[index] && !taken[index]) {
          taken[index] = true;
          pending.push_back(int(index));
        }
      }
    }
  }
  return {left, top, right - left + 1, bottom - top + 1};
}

std::vector<Area> GroupAreas(const std::vector<bool>& differs, int width, int height, int gap) {
  std::vector<bool> taken(differs.size());
  std::vector<Area> areas;
  for (size_t index = 0; index < differs.size(); ++index) {
    if (differs[index] && !taken[index])
      areas.push_back(FloodGroup(differs, taken, width, height, int(index), gap));
  }
  return areas;
}

}  // namespace

std::vector<Area> DifferingAreas(const Picture& expected, const Picture& actual,
                                 const std::vector<Mask>& masks, int gap) {
  if (expected.width != actual.width || expected.height != actual.height ||
      expected.pixels.size() != actual.pixels.size()) {
    return {
        {0, 0, std::max(expected.width, actual.width), std::max(expected.height, actual.height)}};
  }
  const int width = expected.width, height = expected.height;
  std::vector<bool> differs(expected.pixels.size());
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const size_t index = size_t(y) * size_t(width) + size_t(x);
      differs[index] = expected.pixels[index] != actual.pixels[index] && !Masked(masks, x, y);
    }
  }
  return GroupAreas(differs, width, height, gap);
}

std::vector<Area> ChangingAreas(const std::vector<Picture>& frames, int gap) {
  if (frames.empty()) return {};
  const Picture& first = frames.front();
  std::vector<bool> changes(first.pixels.size());
  for (const Picture& frame : frames) {
    if (frame.pixels.size() != first.pixels.size()) return {{0, 0, first.width, first.height}};
    for (size_t index = 0; index < changes.size(); ++index)
      changes[index] = changes[index] || frame.pixels[index] != first.pixels[index];
  }
  return GroupAreas(changes, first.width, first.height, gap);
}

bool SameInside(const Picture& first, const Picture& second, const Area& area) {
  if (first.width != second.width || first.pixels.size() != second.pixels.size()) return false;
  for (int y = std::max(0, area.y); y < std::min(first.height, area.y + area.height); ++y) {
    for (int x = std::max(0, area.x); x < std::min(first.width, area.x + area.width); ++x) {
      const size_t index = size_t(y) * size_t(first.width) + size_t(x);
      if (first.pixels[index] != second.pixels[index]) return false;
    }
  }
  return true;
}

std::string DescribeAreas(const std::vector<Area>& areas) {
  std::ostringstream text;
  for (size_t i = 0; i < areas.size(); ++i) {
    if (i > 0) text << "; ";
    text << areas[i].x << ',' << areas[i].y << ' ' << areas[i].width << 'x' << areas[i].height;
  }
  return text.str();
}

bool WriteComparison(const std::filesystem::path& folder, const std::string& name,
                     const Picture& expected, const Picture& actual, const std::vector<Mask>& masks,
                     std::string& error) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  Picture difference = expected;
  for (int y = 0; y < difference.height; ++y) {
    for (int x = 0; x < difference.width; ++x) {
      const size_t index = size_t(y) * size_t(difference.width) + size_t(x);
      uint32_t& pixel = difference.pixels[index];
      const uint32_t grey =
          (((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF)) / 3 / 2 + 64;
      pixel = grey << 16 | grey << 8 | grey;
      if (Masked(masks, x, y)) {
        pixel = (grey / 2) << 16 | (grey / 2) << 8 | 0xFF;
      } else if (index < actual.pixels.size() && actual.pixels[index] != expected.pixels[index]) {
        pixel = 0xFF0000;
      }
    }
  }
  const std::pair<const char*, const Picture*> files[] = {
      {"-linux.png", &expected}, {"-windows.png", &actual}, {"-diff.png", &difference}};
  for (const auto& [suffix, picture] : files) {
    if (picture->pixels.empty()) continue;
    if (!platform::WritePng(folder / (name + suffix), picture->pixels.data(), picture->width,
                            picture->height, &error)) {
      return false;
    }
  }
  return true;
}

}  // namespace program::wine
