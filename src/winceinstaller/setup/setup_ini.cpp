// Reading "Setup.ini": key matching, trimming and the "cabfiles" list.
// Only the key part of a line is lower-cased; values keep their case.
#include "setup_ini.h"

#include <cctype>

#include "setup_error.h"

namespace {

// Returns the value when `line` starts with `key` followed (after spaces) by "=".
bool MatchKey(std::string_view line, std::string_view key, std::string& value) {
  if (line.substr(0, key.size()) != key) return false;
  std::string rest = TrimSpaces(line.substr(key.size()));
  if (rest.empty() || rest.front() != '=') return false;  // "componentname=x" is not a key
  value = TrimSpaces(std::string_view(rest).substr(1));
  return true;
}

// An item becomes "<Setup's directory>\<item>" for the shell's copy and delete, so it must
// name one file in that directory: anything that reaches elsewhere or matches many files
// would let the removal delete what Setup never copied.
bool IsPlainFileName(std::string_view name) {
  if (name == "." || name == "..") return false;
  for (char c : name) {
    unsigned char u = static_cast<unsigned char>(c);
    if (c == '\\' || c == '/' || c == ':' || c == '*' || c == '?' || u < 0x20) return false;
  }
  return true;
}

void AddCabFiles(std::string_view value, SetupIni& ini) {
  size_t start = 0;
  while (start <= value.size()) {
    size_t comma = value.find(',', start);
    if (comma == std::string_view::npos) comma = value.size();
    std::string_view item = value.substr(start, comma - start);
    // An empty item (",," or a trailing comma) would name the directory itself; skip it.
    // Other items stay untrimmed: "a.cab, b.cab" lists " b.cab", which the copy rejects.
    if (item.find_first_not_of(' ') != std::string_view::npos) {
      if (!IsPlainFileName(item)) {
        throw SetupError("Bad file name in " + std::string(kSetupIniName) + ": " +
                         std::string(item));
      }
      ini.cabFiles.emplace_back(item);
    }
    start = comma + 1;
  }
}

}  // namespace

std::string TrimSpaces(std::string_view text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

void ReadSetupIniLine(std::string_view line, SetupIni& ini) {
  line = line.substr(0, line.find('\0'));
  std::string text(line);
  // Only the key is case-insensitive: lower everything before the first "=".
  size_t equals = text.find('=');
  if (equals == std::string::npos) equals = text.size();
  for (size_t i = 0; i < equals; ++i) {
    text[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
  }
  text = TrimSpaces(text);

  std::string value;
  if (MatchKey(text, "component", value)) {
    ini.component = value;
  } else if (MatchKey(text, "uninstall", value)) {
    ini.uninstallName = value;
  } else if (MatchKey(text, "cabfiles", value)) {
    AddCabFiles(value, ini);
  }
}

SetupIni ReadSetupIni(std::string_view text) {
  SetupIni ini;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (next != end && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    ReadSetupIniLine(line, ini);
    start = next;
  }
  return ini;
}
