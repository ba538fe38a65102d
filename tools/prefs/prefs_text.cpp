// Printing and parsing the text form. Values print as what they most likely are (4 bytes an
// integer, 8 bytes a double when that reads back exactly, printable bytes text, a nested store
// when its bytes are whole records) and every form encodes back to the same bytes.
#include "tools/prefs/prefs_text.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "storage/property/property_store.h"

namespace {

std::string Quote(const std::string& s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += char(c);
    } else if (c >= 0x20 && c < 0x7F) {
      out += char(c);
    } else {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    }
  }
  return out + "\"";
}

bool Printable(const std::vector<uint8_t>& v) {
  if (v.empty()) return false;
  for (uint8_t c : v)
    if (c < 0x20 || c >= 0x7F) return false;
  return true;
}

void Print(const std::vector<uint8_t>& bytes, int depth, std::string* out) {
  const std::string indent(size_t(depth) * 2, ' ');
  for (const storage::PropertyRecord& r :
       storage::ListRecords(bytes.data(), uint32_t(bytes.size()), nullptr)) {
    char tag[16];
    std::snprintf(tag, sizeof tag, "0x%X", r.type);
    *out += indent + Quote(r.key) + " " + tag + " ";
    bool complete = false;
    storage::ListRecords(r.value.data(), uint32_t(r.value.size()), &complete);
    double d = 0;
    if (r.value.size() == 8) std::memcpy(&d, r.value.data(), 8);
    if (r.type == storage::kPropertyStoreValue && complete) {
      *out += "store {\n";
      Print(r.value, depth + 1, out);
      *out += indent + "}\n";
    } else if (r.value.size() == 4) {
      int32_t i;
      std::memcpy(&i, r.value.data(), 4);
      *out += "int " + std::to_string(i) + "\n";
    } else if (r.value.size() == 8 && std::isfinite(d) &&
               (d == 0 || (std::fabs(d) > 1e-9 && std::fabs(d) < 1e15))) {
      char text[40];
      std::snprintf(text, sizeof text, "%.17g", d);
      double back = std::strtod(text, nullptr);
      // A double only when the text reads back to the very same bits.
      if (std::bit_cast<uint64_t>(back) == std::bit_cast<uint64_t>(d)) {
        *out += std::string("double ") + text + "\n";
        continue;
      }
      goto hex;
    } else if (Printable(r.value)) {
      *out += "text " + Quote(std::string(r.value.begin(), r.value.end())) + "\n";
    } else {
    hex:
      *out += "hex";
      for (uint8_t b : r.value) {
        char h[4];
        std::snprintf(h, sizeof h, " %02X", b);
        *out += h;
      }
      *out += "\n";
    }
  }
  bool complete = false;
  storage::ListRecords(bytes.data(), uint32_t(bytes.size()), &complete);
  if (!complete) *out += indent + "# damaged bytes after the last whole record are not shown\n";
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads a quoted string at `at`; moves `at` past it. The only escapes are \", \\ and \xHH: any
// other backslash is refused rather than dropped, so a path written with single backslashes
// (\Program Files\...) is reported instead of encoded without them.
bool Unquote(const std::string& line, size_t* at, std::string* out, std::string* why) {
  size_t i = *at;
  if (i >= line.size() || line[i] != '"') {
    *why = "expected a quoted string";
    return false;
  }
  out->clear();
  for (++i; i < line.size(); ++i) {
    char c = line[i];
    if (c == '"') {
      *at = i + 1;
      return true;
    }
    if (c == '\\') {
      if (++i == line.size()) break;
      c = line[i];
      if (c == 'x') {
        const int high = i + 1 < line.size() ? HexDigit(line[i + 1]) : -1;
        const int low = i + 2 < line.size() ? HexDigit(line[i + 2]) : -1;
        if (high < 0 || low < 0) {
          *why = "\\x needs two hex digits";
          return false;
        }
        *out += char(high * 16 + low);
        i += 2;
        continue;
      }
      if (c != '"' && c != '\\') {
        *why = std::string("unknown escape \\") + c + " (write a backslash as \\\\)";
        return false;
      }
    }
    *out += c;
  }
  *why = "missing closing quote";
  return false;
}

struct Parser {
  std::vector<std::string> lines;
  size_t next = 0;
  std::string error;

  bool Fail(const std::string& why) {
    error = "line " + std::to_string(next) + ": " + why;
    return false;
  }

  // Parses records until a closing brace (nested) or the end of the text.
  bool Records(storage::PropertyStore* store, bool nested) {
    while (next < lines.size()) {
      const std::string& line = lines[next++];
      size_t at = line.find_first_not_of(" \t");
      if (at == std::string::npos || line[at] == '#') continue;
      if (line[at] == '}') return nested ? true : Fail("unexpected }");
      std::string key, why;
      if (!Unquote(line, &at, &key, &why)) return Fail("key: " + why);
      std::istringstream rest(line.substr(at));
      std::string tagText, kind;
      rest >> tagText >> kind;
      const uint32_t tag = uint32_t(std::stoul(tagText, nullptr, 0));
      std::vector<uint8_t> value;
      if (kind == "int") {
        long long i;
        if (!(rest >> i)) return Fail("expected an integer");
        const int32_t v = int32_t(i);
        value.resize(4);
        std::memcpy(value.data(), &v, 4);
      } else if (kind == "double") {
        std::string text;
        rest >> text;
        const double d = std::strtod(text.c_str(), nullptr);
        value.resize(8);
        std::memcpy(value.data(), &d, 8);
      } else if (kind == "text") {
        std::string text;
        size_t t = line.find('"', line.find("text", at));
        if (t == std::string::npos) return Fail("expected quoted text");
        if (!Unquote(line, &t, &text, &why)) return Fail("text: " + why);
        value.assign(text.begin(), text.end());
      } else if (kind == "hex") {
        std::string h;
        while (rest >> h) value.push_back(uint8_t(std::stoul(h, nullptr, 16)));
      } else if (kind == "store") {
        storage::PropertyStore child;
        if (!Records(&child, true)) return error.empty() ? Fail("missing }") : false;
        value = child.ToBytes();
      } else {
        return Fail("unknown value kind '" + kind + "'");
      }
      store->SetValue(tag, key.data(), uint32_t(key.size()), value.data(), uint32_t(value.size()));
    }
    return nested ? Fail("missing }") : true;
  }
};

}  // namespace

std::string StoreToText(const std::vector<uint8_t>& bytes) {
  std::string out;
  Print(bytes, 0, &out);
  return out;
}

bool TextToStore(const std::string& text, std::vector<uint8_t>& bytes, std::string& error) {
  Parser parser;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) parser.lines.push_back(line);
  storage::PropertyStore store;
  try {
    if (!parser.Records(&store, false)) {
      error = parser.error;
      return false;
    }
  } catch (const std::exception&) {
    error = "line " + std::to_string(parser.next) + ": bad number";
    return false;
  }
  bytes = store.ToBytes();
  return true;
}
