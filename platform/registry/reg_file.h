// The registry file: the familiar .reg export text ("Windows Registry Editor Version 5.00",
// [HKEY_LOCAL_MACHINE\...] sections, "name"="text", dword:, hex:, hex(n):), in UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "registry/hive.h"

namespace platform::registry {

// Writing. REG_SZ data that is one terminated string without controls is written as quoted text;
// REG_DWORD data of 4 bytes as dword:; everything else as hex bytes of the data exactly as the
// API returns it (strings there are 32-bit WCHARs, little-endian). Key and value names must not
// contain control characters (the API refuses them).
std::string WriteRegFile(const Hive& hive);

struct ParseError {
  size_t line = 0;  // 1-based
  std::string problem;
};

// Reading: fills an empty hive; on the first problem stops and says where. Never reads outside
// `text`, whatever it holds.
std::optional<ParseError> ReadRegFile(std::string_view text, Hive& hive);

constexpr size_t kMaxKeyNameLength = 255;
constexpr size_t kMaxValueNameLength = 16383;
constexpr size_t kMaxKeyDepth = 512;  // levels below a root key

}  // namespace platform::registry
