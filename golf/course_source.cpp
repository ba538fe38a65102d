// Course source format, line by line ('#' starts a comment, blank lines are ignored):
//
//   hole 0                       the hole's index byte (0..17 in a course)
//   grid                         then 9 lines of 10 block tokens each, row 0 first
//   tee 7:1/5                    cell as row:column, then / and the keypad position
//   cup 1:8/5
//   wall 0:0/7 0:9/9 joinA       a straight wall, optional joinA and joinB
//   arc 4:4/5 3 270 90           an arc: centre, radius in cells, start and end degrees
//   record 05 01 02 03 04 05 06 07  any other 8-byte wall record, in hex
//   end                          the end of the wall list (optionally 7 hex bytes)
//
// Block tokens: "01" .. "17" for block01 .. block17 with "/90", "/180", "/270" for the
// turned blocks and the letters of 14c and 14r ("14r/90"); "--" an empty cell; "ML",
// "MR", "FL", "FR" the left and right magnets and fans; "#N" any code by number. Full
// block names ("block09_090", "magn_left") are accepted as well.
#include "golf/course_source.h"

#include <charconv>
#include <cstdio>
#include <sstream>

#include "frame/base/byte_order.h"
#include "golf/block_table.h"

namespace golf {
namespace {

constexpr const char* kFieldTokens[4] = {"ML", "MR", "FL", "FR"};

std::string ShortName(const char* name) {
  std::string s(name + 5);  // after "block"
  const std::size_t bar = s.find('_');
  if (bar == std::string::npos) return s;
  std::string turn = s.substr(bar + 1);
  if (turn == "090") turn = "90";
  return s.substr(0, bar) + "/" + turn;
}

bool ParseNumber(std::string_view text, int base, long max, long& value) {
  if (text.empty()) return false;
  long v = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v, base);
  if (ec != std::errc() || end != text.data() + text.size() || v < 0 || v > max) return false;
  value = v;
  return true;
}

// "R:C/K": a cell byte (row * 10 + column) and a keypad byte.
bool ParseLocation(std::string_view text, uint8_t& cell, uint8_t& keypad) {
  const std::size_t colon = text.find(':');
  const std::size_t slash = text.find('/');
  if (colon == std::string_view::npos || slash == std::string_view::npos || slash < colon) {
    return false;
  }
  long row = 0, column = 0, key = 0;
  if (!ParseNumber(text.substr(0, colon), 10, 25, row) ||
      !ParseNumber(text.substr(colon + 1, slash - colon - 1), 10, 9, column) ||
      !ParseNumber(text.substr(slash + 1), 10, 255, key) || row * 10 + column > 255) {
    return false;
  }
  cell = static_cast<uint8_t>(row * 10 + column);
  keypad = static_cast<uint8_t>(key);
  return true;
}

std::string Location(uint8_t cell, uint8_t keypad) {
  return std::to_string(cell / 10) + ":" + std::to_string(cell % 10) + "/" + std::to_string(keypad);
}

std::string Hex(uint8_t byte) {
  char text[3];
  std::snprintf(text, sizeof text, "%02x", byte);
  return text;
}

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
    std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') ++i;
    if (i > start) words.push_back(line.substr(start, i - start));
  }
  return words;
}

class Parser {
 public:
  Parser(std::string_view text, std::string_view fileName) : text_(text), file_(fileName) {}

  bool Run(std::vector<HoleRecord>& holes, std::string& error, std::vector<HoleSourceLines>* lines);

 private:
  // The next line with words on it; false at the end of the text.
  bool NextLine(std::vector<std::string_view>& words);
  bool Fail(const std::string& message);
  bool ParseHole(const std::vector<std::string_view>& words, HoleRecord& hole,
                 HoleSourceLines& lines);
  bool ParseHexBytes(const std::vector<std::string_view>& words, std::size_t first, uint8_t* out,
                     std::size_t count);

  std::string_view text_;
  std::string_view file_;
  std::size_t pos_ = 0;
  int line_ = 0;
  std::string error_;
};

bool Parser::NextLine(std::vector<std::string_view>& words) {
  while (pos_ < text_.size()) {
    std::size_t end = text_.find('\n', pos_);
    if (end == std::string_view::npos) end = text_.size();
    std::string_view line = text_.substr(pos_, end - pos_);
    pos_ = end + 1;
    ++line_;
    const std::size_t hash = line.find('#');
    // '#' starts a comment unless it opens a "#N" block token.
    std::size_t cut = hash;
    while (cut != std::string_view::npos && cut + 1 < line.size() && line[cut + 1] >= '0' &&
           line[cut + 1] <= '9' && (cut == 0 || line[cut - 1] == ' ' || line[cut - 1] == '\t')) {
      cut = line.find('#', cut + 1);
    }
    if (cut != std::string_view::npos) line = line.substr(0, cut);
    words = Words(line);
    if (!words.empty()) return true;
  }
  return false;
}

bool Parser::Fail(const std::string& message) {
  error_ = std::string(file_) + ":" + std::to_string(line_) + ": " + message;
  return false;
}

bool Parser::ParseHexBytes(const std::vector<std::string_view>& words, std::size_t first,
                           uint8_t* out, std::size_t count) {
  if (words.size() != first + count) {
    return Fail("expected " + std::to_string(count) + " hex bytes after '" + std::string(words[0]) +
                "'");
  }
  for (std::size_t i = 0; i < count; ++i) {
    long v = 0;
    if (!ParseNumber(words[first + i], 16, 255, v)) {
      return Fail("'" + std::string(words[first + i]) + "' is not a hex byte");
    }
    out[i] = static_cast<uint8_t>(v);
  }
  return true;
}

bool Parser::ParseHole(const std::vector<std::string_view>& head, HoleRecord& hole,
                       HoleSourceLines& lines) {
  lines.hole = line_;
  long index = 0;
  if (head.size() != 2 || !ParseNumber(head[1], 10, 254, index)) {
    return Fail("expected 'hole N' with N from 0 to 254");
  }
  hole.index = static_cast<uint8_t>(index);
  std::vector<std::string_view> words;
  if (!NextLine(words) || words.size() != 1 || words[0] != "grid") {
    return Fail("expected 'grid' after 'hole'");
  }
  for (int row = 0; row < 9; ++row) {
    if (!NextLine(words)) return Fail("the grid needs 9 rows");
    lines.gridRows[row] = line_;
    if (words.size() != 10) return Fail("a grid row needs 10 block tokens");
    for (int column = 0; column < 10; ++column) {
      if (!BlockCodeOfToken(words[column], hole.codes[row * 10 + column])) {
        return Fail("unknown block '" + std::string(words[column]) + "'");
      }
    }
  }
  const char* keys[2] = {"tee", "cup"};
  for (int i = 0; i < 2; ++i) {
    if (!NextLine(words) || words[0] != keys[i]) {
      return Fail(std::string("expected '") + keys[i] + " ROW:COLUMN/KEYPAD'");
    }
    (i == 0 ? lines.tee : lines.cup) = line_;
    uint8_t& cell = i == 0 ? hole.teeCell : hole.cupCell;
    uint8_t& keypad = i == 0 ? hole.teeKeypad : hole.cupKeypad;
    if (words.size() != 2 || !ParseLocation(words[1], cell, keypad)) {
      return Fail(std::string("expected '") + keys[i] + " ROW:COLUMN/KEYPAD'");
    }
  }
  for (;;) {
    if (!NextLine(words)) return Fail("the hole has no 'end' line");
    WallRecord record{};
    if (words[0] == "end") {
      lines.end = line_;
      hole.end = WallRecord{kWallListEnd};
      if (words.size() > 1 && !ParseHexBytes(words, 1, hole.end.data() + 1, 7)) return false;
      return true;
    }
    if (words[0] == "wall") {
      if (words.size() < 3 || words.size() > 5 || !ParseLocation(words[1], record[1], record[2]) ||
          !ParseLocation(words[2], record[3], record[4])) {
        return Fail("expected 'wall ROW:COLUMN/KEYPAD ROW:COLUMN/KEYPAD [joinA] [joinB]'");
      }
      for (std::size_t i = 3; i < words.size(); ++i) {
        if (words[i] == "joinA" && record[6] == 0) {
          record[6] = 1;
        } else if (words[i] == "joinB" && record[7] == 0) {
          record[7] = 1;
        } else {
          return Fail("unexpected '" + std::string(words[i]) + "' (joinA or joinB, once each)");
        }
      }
    } else if (words[0] == "arc") {
      long radius = 0, from = 0, to = 0;
      if (words.size() != 5 || !ParseLocation(words[1], record[1], record[2]) ||
          !ParseNumber(words[2], 10, 255, radius) || !ParseNumber(words[3], 10, 65535, from) ||
          !ParseNumber(words[4], 10, 65535, to)) {
        return Fail(
            "expected 'arc ROW:COLUMN/KEYPAD RADIUS START END' (radius in cells, "
            "angles in degrees)");
      }
      record = {1,
                record[1],
                record[2],
                static_cast<uint8_t>(radius),
                static_cast<uint8_t>(from & 0xFF),
                static_cast<uint8_t>(from >> 8),
                static_cast<uint8_t>(to & 0xFF),
                static_cast<uint8_t>(to >> 8)};
    } else if (words[0] == "record") {
      if (!ParseHexBytes(words, 1, record.data(), 8)) return false;
      if (record[0] == kWallListEnd) return Fail("a record of kind 2 is written 'end'");
    } else {
      return Fail("expected 'wall', 'arc', 'record' or 'end', not '" + std::string(words[0]) + "'");
    }
    hole.walls.push_back(record);
    lines.walls.push_back(line_);
  }
}

bool Parser::Run(std::vector<HoleRecord>& holes, std::string& error,
                 std::vector<HoleSourceLines>* lines) {
  holes.clear();
  if (lines != nullptr) lines->clear();
  std::vector<std::string_view> words;
  while (NextLine(words)) {
    if (words[0] != "hole") {
      Fail("expected 'hole N', not '" + std::string(words[0]) + "'");
      break;
    }
    HoleRecord hole;
    HoleSourceLines holeLines;
    if (!ParseHole(words, hole, holeLines)) break;
    holes.push_back(std::move(hole));
    if (lines != nullptr) lines->push_back(std::move(holeLines));
  }
  if (!error_.empty()) {
    error = error_;
    return false;
  }
  return true;
}

}  // namespace

std::string BlockToken(uint8_t code) {
  if (code == kEmptyCode) return "--";
  if (code >= kMagnetLeft && code <= kFanRight) return kFieldTokens[code - kMagnetLeft];
  if (code >= 1 && code < kMagnetLeft) return ShortName(BlockTable(code - 1).name);
  return "#" + std::to_string(code);
}

bool BlockCodeOfToken(std::string_view token, uint8_t& code) {
  if (token.size() > 1 && token[0] == '#') {
    long v = 0;
    if (!ParseNumber(token.substr(1), 10, 255, v)) return false;
    code = static_cast<uint8_t>(v);
    return true;
  }
  static const std::vector<std::string> kTokens = [] {
    std::vector<std::string> all;
    all.reserve(256);
    for (int c = 0; c < 256; ++c) all.push_back(BlockToken(static_cast<uint8_t>(c)));
    return all;
  }();
  for (int c = 1; c < 256; ++c) {
    if (kTokens[c] == token) {
      code = static_cast<uint8_t>(c);
      return true;
    }
  }
  // Full names: block rows 0..58 by code, the fan and magnet cells with their fields.
  for (int id = 0; id < kBlockKinds; ++id) {
    if (token == BlockTable(id).name && id != 59) {
      code = static_cast<uint8_t>(id < 59 ? id + 1 : id);
      return true;
    }
  }
  return false;
}

bool ParseCourseSource(std::string_view text, std::string_view fileName,
                       std::vector<HoleRecord>& holes, std::string& error) {
  return Parser(text, fileName).Run(holes, error, nullptr);
}

bool ParseCourseSource(std::string_view text, std::string_view fileName,
                       std::vector<HoleRecord>& holes, std::string& error,
                       std::vector<HoleSourceLines>* lines) {
  return Parser(text, fileName).Run(holes, error, lines);
}

std::string WriteCourseSource(const std::vector<HoleRecord>& holes) {
  std::ostringstream out;
  for (std::size_t h = 0; h < holes.size(); ++h) {
    const HoleRecord& hole = holes[h];
    if (h > 0) out << "\n";
    out << "hole " << int(hole.index) << "\ngrid\n";
    for (int row = 0; row < 9; ++row) {
      std::string line;
      for (int column = 0; column < 10; ++column) {
        std::string token = BlockToken(hole.codes[row * 10 + column]);
        if (column < 9) token.resize(std::max<std::size_t>(token.size() + 1, 8), ' ');
        line += token;
      }
      out << "  " << line << "\n";
    }
    out << "tee " << Location(hole.teeCell, hole.teeKeypad) << "\n";
    out << "cup " << Location(hole.cupCell, hole.cupKeypad) << "\n";
    for (const WallRecord& r : hole.walls) {
      const bool plainWall = r[0] == 0 && r[5] == 0 && r[6] <= 1 && r[7] <= 1;
      if (plainWall) {
        out << "wall " << Location(r[1], r[2]) << " " << Location(r[3], r[4]);
        if (r[6] == 1) out << " joinA";
        if (r[7] == 1) out << " joinB";
      } else if (r[0] == 1) {
        out << "arc " << Location(r[1], r[2]) << " " << int(r[3]) << " "
            << frame::ReadLittle16(&r[4]) << " " << frame::ReadLittle16(&r[6]);
      } else {
        out << "record";
        for (uint8_t b : r) out << " " << Hex(b);
      }
      out << "\n";
    }
    out << "end";
    bool padded = false;
    for (std::size_t i = 1; i < 8; ++i) padded = padded || hole.end[i] != 0;
    if (padded) {
      for (std::size_t i = 1; i < 8; ++i) out << " " << Hex(hole.end[i]);
    }
    out << "\n";
  }
  return out.str();
}

}  // namespace golf
