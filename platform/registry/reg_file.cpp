// Writing and reading the registry file.
#include "registry/reg_file.h"

#include <cstring>
#include <vector>

#include "kernel/wide_text.h"

namespace platform::registry {
namespace {

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";
constexpr size_t kHexLineWidth = 76;

bool HasControl(std::wstring_view text) {
  for (wchar_t c : text) {
    if (c < 0x20 || c == 0x7F) return true;
  }
  return false;
}

// The string inside REG_SZ data when it can be written as quoted text.
std::optional<std::wstring> QuotableText(const std::vector<uint8_t>& data) {
  if (data.empty() || data.size() % sizeof(wchar_t) != 0) return std::nullopt;
  std::wstring units(data.size() / sizeof(wchar_t), L'\0');
  std::memcpy(units.data(), data.data(), data.size());
  if (units.back() != 0) return std::nullopt;
  units.pop_back();
  for (wchar_t c : units) {
    if (c == 0 || !IsScalarValue(static_cast<char32_t>(c))) return std::nullopt;
  }
  if (HasControl(units)) return std::nullopt;
  return units;
}

std::vector<uint8_t> TextData(std::wstring_view text) {
  std::vector<uint8_t> data((text.size() + 1) * sizeof(wchar_t), 0);
  std::memcpy(data.data(), text.data(), text.size() * sizeof(wchar_t));
  return data;
}

void AppendQuoted(std::string& out, std::wstring_view text) {
  out += '"';
  for (char c : WideToUtf8(text)) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  out += '"';
}

void AppendHex(std::string& out, size_t lineStart, const std::vector<uint8_t>& data) {
  static constexpr char kDigits[] = "0123456789abcdef";
  for (size_t i = 0; i < data.size(); ++i) {
    out += kDigits[data[i] >> 4];
    out += kDigits[data[i] & 15];
    if (i + 1 == data.size()) break;
    out += ',';
    if (out.size() - lineStart >= kHexLineWidth) {
      out += "\\\n  ";
      lineStart = out.size() - 2;
    }
  }
}

void AppendValue(std::string& out, const Value& value) {
  const size_t lineStart = out.size();
  if (value.name.empty()) {
    out += '@';
  } else {
    AppendQuoted(out, value.name);
  }
  out += '=';
  if (value.type == REG_SZ) {
    if (auto text = QuotableText(value.data)) {
      AppendQuoted(out, *text);
      out += '\n';
      return;
    }
  }
  if (value.type == REG_DWORD && value.data.size() == 4) {
    const uint32_t number = value.data[0] | (value.data[1] << 8) | (value.data[2] << 16) |
                            (uint32_t{value.data[3]} << 24);
    char text[16];
    std::snprintf(text, sizeof text, "dword:%08x", number);
    out += text;
  } else if (value.type == REG_BINARY) {
    out += "hex:";
    AppendHex(out, lineStart, value.data);
  } else {
    char prefix[24];
    std::snprintf(prefix, sizeof prefix, "hex(%x):", static_cast<unsigned>(value.type));
    out += prefix;
    AppendHex(out, lineStart, value.data);
  }
  out += '\n';
}

void AppendKey(std::string& out, const std::string& path, const Key& key, bool isRoot) {
  if (!isRoot || !key.Values().empty()) {
    out += '[' + path + "]\n";
    for (const auto& value : key.Values()) AppendValue(out, value);
    out += '\n';
  }
  for (const auto& [folded, child] : key.Children()) {
    AppendKey(out, path + '\\' + WideToUtf8(child->Name()), *child, false);
  }
}

// ---- reading ----

class Parser {
 public:
  Parser(std::string_view text, Hive& hive) : text_(text), hive_(hive) {}

  std::optional<ParseError> Run() {
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") text_.remove_prefix(3);
    std::string_view line;
    if (!NextLine(line) || Trim(line) != kHeader)
      return Fail("the first line is not \"" + std::string(kHeader) + "\"");
    while (NextLine(line)) {
      if (!Utf8ToWide(line)) return Fail("the text is not valid UTF-8");
      std::string_view trimmed = Trim(line);
      if (trimmed.empty() || trimmed.front() == ';') continue;
      std::optional<ParseError> error;
      if (trimmed.front() == '[') {
        error = KeyLine(trimmed);
      } else if (trimmed.front() == '"' || trimmed.front() == '@') {
        error = ValueLine(trimmed);
      } else {
        error = Fail("a line that is neither a [key] nor a value");
      }
      if (error) return error;
    }
    return std::nullopt;
  }

 private:
  bool NextLine(std::string_view& line) {
    if (position_ >= text_.size()) return false;
    size_t end = text_.find('\n', position_);
    if (end == std::string_view::npos) end = text_.size();
    line = text_.substr(position_, end - position_);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    position_ = end + 1;
    ++lineNumber_;
    return true;
  }

  static std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
  }

  std::optional<ParseError> Fail(std::string problem) const {
    return ParseError{lineNumber_, std::move(problem)};
  }

  std::optional<ParseError> KeyLine(std::string_view line) {
    if (line.back() != ']' || line.size() < 3) return Fail("a key line must end with ']'");
    std::wstring path = *Utf8ToWide(line.substr(1, line.size() - 2));
    if (path.front() == L'-') return Fail("key deletions ([-...]) are not part of a registry file");
    std::vector<std::wstring_view> parts;
    for (size_t start = 0;;) {
      size_t end = path.find(L'\\', start);
      parts.push_back(std::wstring_view(path).substr(
          start, end == std::wstring::npos ? std::wstring::npos : end - start));
      if (end == std::wstring::npos) break;
      start = end + 1;
    }
    Key* key = nullptr;
    if (EqualsNoCase(parts[0], L"HKEY_LOCAL_MACHINE")) {
      key = &hive_.localMachine;
    } else if (EqualsNoCase(parts[0], L"HKEY_CURRENT_USER")) {
      key = &hive_.currentUser;
    } else {
      return Fail("unknown root key (HKEY_LOCAL_MACHINE or HKEY_CURRENT_USER expected)");
    }
    if (parts.size() - 1 > kMaxKeyDepth) return Fail("keys nested more than 512 levels deep");
    for (size_t i = 1; i < parts.size(); ++i) {
      if (parts[i].empty()) return Fail("empty key name in the path");
      if (parts[i].size() > kMaxKeyNameLength) return Fail("key name longer than 255 characters");
      if (HasControl(parts[i])) return Fail("control character in a key name");
      bool created = false;
      key = &key->AddChild(parts[i], created);
    }
    key_ = key;
    return std::nullopt;
  }

  // A quoted text starting at line[pos] (the opening quote); leaves pos after the closing quote.
  std::optional<std::wstring> Quoted(std::string_view line, size_t& pos) {
    std::string bytes;
    for (++pos; pos < line.size(); ++pos) {
      char c = line[pos];
      if (c == '"') {
        ++pos;
        return Utf8ToWide(bytes);
      }
      if (c == '\\') {
        if (++pos >= line.size() || (line[pos] != '\\' && line[pos] != '"')) return std::nullopt;
        c = line[pos];
      }
      bytes += c;
    }
    return std::nullopt;
  }

  std::optional<ParseError> ValueLine(std::string_view line) {
    if (key_ == nullptr) return Fail("a value before the first [key]");
    size_t pos = 0;
    std::wstring name;
    if (line[0] == '@') {
      pos = 1;
    } else {
      auto quoted = Quoted(line, pos);
      if (!quoted) return Fail("badly quoted value name");
      if (quoted->empty()) return Fail("an empty value name is written @");
      name = std::move(*quoted);
    }
    if (name.size() > kMaxValueNameLength) return Fail("value name too long");
    if (HasControl(name)) return Fail("control character in a value name");
    while (pos < line.size() && line[pos] == ' ') ++pos;
    if (pos >= line.size() || line[pos] != '=') return Fail("'=' expected after the value name");
    ++pos;
    while (pos < line.size() && line[pos] == ' ') ++pos;
    std::string_view data = line.substr(pos);

    if (!data.empty() && data.front() == '"') {
      size_t end = 0;
      auto text = Quoted(data, end);
      if (!text || Trim(data.substr(end)).size() != 0) return Fail("badly quoted string");
      if (HasControl(*text)) return Fail("control character in a string");
      key_->SetValue(name, REG_SZ, TextData(*text));
      return std::nullopt;
    }
    if (data.substr(0, 6) == "dword:") {
      std::string_view digits = data.substr(6);
      uint32_t number = 0;
      if (digits.empty() || digits.size() > 8 || !ParseHexNumber(digits, number)) {
        return Fail("dword: needs 1 to 8 hexadecimal digits");
      }
      std::vector<uint8_t> bytes{static_cast<uint8_t>(number), static_cast<uint8_t>(number >> 8),
                                 static_cast<uint8_t>(number >> 16),
                                 static_cast<uint8_t>(number >> 24)};
      key_->SetValue(name, REG_DWORD, std::move(bytes));
      return std::nullopt;
    }
    DWORD type = REG_BINARY;
    if (data.substr(0, 4) == "hex:") {
      data.remove_prefix(4);
    } else if (data.substr(0, 4) == "hex(") {
      const size_t close = data.find("):");
      if (close == std::string_view::npos || close == 4 || close > 12 ||
          !ParseHexNumber(data.substr(4, close - 4), type)) {
        return Fail("hex(type): needs a hexadecimal type number");
      }
      data.remove_prefix(close + 2);
    } else if (data == "-") {
      return Fail("value deletions (=-) are not part of a registry file");
    } else {
      return Fail("unknown kind of value data");
    }
    std::vector<uint8_t> bytes;
    if (auto error = HexBytes(data, bytes)) return error;
    key_->SetValue(name, type, std::move(bytes));
    return std::nullopt;
  }

  static bool ParseHexNumber(std::string_view digits, uint32_t& number) {
    number = 0;
    for (char c : digits) {
      int digit = HexDigit(c);
      if (digit < 0) return false;
      number = (number << 4) | static_cast<uint32_t>(digit);
    }
    return true;
  }

  static int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  }

  // Comma-separated byte pairs; a line ending in a backslash continues on the next line.
  std::optional<ParseError> HexBytes(std::string_view data, std::vector<uint8_t>& bytes) {
    for (;;) {
      data = Trim(data);
      bool continues = false;
      if (!data.empty() && data.back() == '\\') {
        continues = true;
        data = Trim(data.substr(0, data.size() - 1));
      }
      while (!data.empty()) {
        if (data.size() < 2 || HexDigit(data[0]) < 0 || HexDigit(data[1]) < 0)
          return Fail("bad hex byte");
        bytes.push_back(static_cast<uint8_t>(HexDigit(data[0]) * 16 + HexDigit(data[1])));
        data = Trim(data.substr(2));
        if (data.empty()) break;
        if (data.front() != ',') return Fail("',' expected between hex bytes");
        data = Trim(data.substr(1));
        if (data.empty() && !continues) return Fail("hex bytes end with ','");
      }
      if (!continues) return std::nullopt;
      std::string_view next;
      if (!NextLine(next)) return Fail("the file ends inside a continued hex value");
      if (!Utf8ToWide(next)) return Fail("the text is not valid UTF-8");
      data = next;
    }
  }

  std::string_view text_;
  Hive& hive_;
  size_t position_ = 0;
  size_t lineNumber_ = 0;
  Key* key_ = nullptr;
};

}  // namespace

std::string WriteRegFile(const Hive& hive) {
  std::string out(kHeader);
  out += "\n\n";
  AppendKey(out, "HKEY_LOCAL_MACHINE", hive.localMachine, true);
  AppendKey(out, "HKEY_CURRENT_USER", hive.currentUser, true);
  return out;
}

std::optional<ParseError> ReadRegFile(std::string_view text, Hive& hive) {
  return Parser(text, hive).Run();
}

}  // namespace platform::registry
