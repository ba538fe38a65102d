// The course entry's bytes: hole records (index, 90 block codes, tee, cup, 8-byte wall
// records ended by a record of kind 2) one after another, closed by a byte 0xFF.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace golf {

inline constexpr uint8_t kEntryEnd = 0xFF;
inline constexpr uint8_t kWallListEnd = 2;
inline constexpr std::size_t kHoleHeaderSize = 95;
inline constexpr std::size_t kWallRecordSize = 8;
inline constexpr uint8_t kEmptyCode = 112;

using WallRecord = std::array<uint8_t, kWallRecordSize>;

struct HoleRecord {
  uint8_t index = 0;
  std::array<uint8_t, 90> codes{};  // row-major block codes
  uint8_t teeCell = 0, teeKeypad = 0;
  uint8_t cupCell = 0, cupKeypad = 0;
  std::vector<WallRecord> walls;  // every record before the end record, in order
  WallRecord end{kWallListEnd};   // the end record (its last 7 bytes are ignored)
};

enum class HoleSearch { kFound, kMissing, kDamaged };

// Finds the record of a hole by skipping the records before it. Missing: the 0xFF byte
// came first; Damaged: the entry ended (or a record ran past its end) before either.
HoleSearch FindHoleRecord(std::span<const uint8_t> entry, int hole, std::size_t& offset);

// Reads the whole record at offset; false when it runs past the end of the entry.
bool ReadHoleRecord(std::span<const uint8_t> entry, std::size_t offset, HoleRecord& out,
                    std::size_t& next);

// Every record of an entry in order; false with a message when the entry is truncated,
// lacks its 0xFF byte or has bytes after it.
bool ReadCourseEntry(std::span<const uint8_t> entry, std::vector<HoleRecord>& holes,
                     std::string& error);

// The entry bytes of a list of hole records, with the closing 0xFF.
std::vector<uint8_t> WriteCourseEntry(const std::vector<HoleRecord>& holes);

}  // namespace golf
