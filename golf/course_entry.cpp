// Reading and writing course entries without ever reading past their end.
#include "golf/course_entry.h"

#include <algorithm>

namespace golf {

HoleSearch FindHoleRecord(std::span<const uint8_t> entry, int hole, std::size_t& offset) {
  std::size_t at = 0;
  for (;;) {
    if (at >= entry.size()) return HoleSearch::kDamaged;
    if (entry[at] == hole) break;
    if (entry[at] == kEntryEnd) return HoleSearch::kMissing;
    std::size_t record = at + kHoleHeaderSize;
    for (;;) {
      if (record >= entry.size()) return HoleSearch::kDamaged;
      if (entry[record] == kWallListEnd) break;
      record += kWallRecordSize;
    }
    at = record + kWallRecordSize;
  }
  offset = at;
  return HoleSearch::kFound;
}

bool ReadHoleRecord(std::span<const uint8_t> entry, std::size_t offset, HoleRecord& out,
                    std::size_t& next) {
  if (offset > entry.size() || entry.size() - offset < kHoleHeaderSize + kWallRecordSize) {
    return false;
  }
  const uint8_t* p = entry.data() + offset;
  out.index = p[0];
  std::copy(p + 1, p + 91, out.codes.begin());
  out.teeCell = p[91];
  out.teeKeypad = p[92];
  out.cupCell = p[93];
  out.cupKeypad = p[94];
  out.walls.clear();
  std::size_t record = offset + kHoleHeaderSize;
  for (;;) {
    if (entry.size() - record < kWallRecordSize) return false;
    WallRecord bytes;
    const auto source = entry.subspan(record, kWallRecordSize);
    std::copy(source.begin(), source.end(), bytes.begin());
    record += kWallRecordSize;
    if (bytes[0] == kWallListEnd) {
      out.end = bytes;
      break;
    }
    out.walls.push_back(bytes);
  }
  next = record;
  return true;
}

bool ReadCourseEntry(std::span<const uint8_t> entry, std::vector<HoleRecord>& holes,
                     std::string& error) {
  holes.clear();
  std::size_t at = 0;
  while (at < entry.size() && entry[at] != kEntryEnd) {
    HoleRecord hole;
    std::size_t next = 0;
    if (!ReadHoleRecord(entry, at, hole, next)) {
      error = "hole record at byte " + std::to_string(at) + " runs past the end of the entry";
      return false;
    }
    holes.push_back(std::move(hole));
    at = next;
  }
  if (at >= entry.size()) {
    error = "the entry has no closing 0xFF byte";
    return false;
  }
  if (at + 1 != entry.size()) {
    error = std::to_string(entry.size() - at - 1) + " bytes follow the closing 0xFF byte";
    return false;
  }
  return true;
}

std::vector<uint8_t> WriteCourseEntry(const std::vector<HoleRecord>& holes) {
  std::vector<uint8_t> bytes;
  for (const HoleRecord& hole : holes) {
    bytes.push_back(hole.index);
    bytes.insert(bytes.end(), hole.codes.begin(), hole.codes.end());
    bytes.insert(bytes.end(), {hole.teeCell, hole.teeKeypad, hole.cupCell, hole.cupKeypad});
    for (const WallRecord& wall : hole.walls) bytes.insert(bytes.end(), wall.begin(), wall.end());
    bytes.insert(bytes.end(), hole.end.begin(), hole.end.end());
  }
  bytes.push_back(kEntryEnd);
  return bytes;
}

}  // namespace golf
