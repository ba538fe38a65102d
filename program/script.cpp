// Parsing of the headless run's scripts: commands, numbers, coordinates, key names and typed
// text, checked line by line with the line number of the first problem.
#include "program/script.h"

#include <windows.h>

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>
#include <optional>

namespace program {

namespace {

constexpr size_t kMaxShotName = 64;

struct KeyName {
  std::string_view name;
  unsigned vk;
};

constexpr KeyName kKeys[] = {{"up", VK_UP},       {"down", VK_DOWN}, {"left", VK_LEFT},
                             {"right", VK_RIGHT}, {"f1", VK_F1},     {"f2", VK_F2},
                             {"f3", VK_F3},       {"f4", VK_F4}};

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    size_t start = i;
    while (i < text.size() && !IsBlank(text[i])) ++i;
    if (i > start) words.push_back(text.substr(start, i - start));
  }
  return words;
}

std::optional<uint32_t> Number(std::string_view word) {
  if (word.empty() || word.front() < '0' || word.front() > '9') return std::nullopt;
  uint64_t value = 0;
  auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (ec != std::errc() || end != word.data() + word.size() || value > kMaxScriptTime)
    return std::nullopt;
  return static_cast<uint32_t>(value);
}

// Decodes UTF-8; nullopt on a malformed sequence.
std::optional<std::u32string> DecodeUtf8(std::string_view text) {
  std::u32string out;
  size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int extra = 0;
    char32_t c = 0;
    if (lead < 0x80) {
      c = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      extra = 1, c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2, c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3, c = lead & 0x07;
    } else {
      return std::nullopt;
    }
    if (i + extra >= text.size()) return std::nullopt;
    for (int k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      c = (c << 6) | (next & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    out.push_back(c);
    i += extra + 1;
  }
  return out;
}

bool ValidShotName(std::string_view name) {
  if (name.empty() || name.size() > kMaxShotName || name.front() == '.') return false;
  return std::all_of(name.begin(), name.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.';
  });
}

class LineParser {
 public:
  LineParser(Script& script, uint32_t& now) : script_(script), now_(now) {}

  // Empty when the line is good, else the problem.
  std::string Parse(std::string_view line, int number) {
    line_ = number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::vector<std::string_view> words = Words(line);
    if (!words.empty() && words[0] == "type") return Type(line);
    // Everything from '#' on is a comment (typed text excepted, above).
    line = line.substr(0, line.find('#'));
    words = Words(line);
    if (words.empty()) return {};
    if (script_.endsWithQuit) return "nothing can follow quit";
    const std::string_view command = words[0];
    const std::vector<std::string_view> args(words.begin() + 1, words.end());
    if (command == "wait") return Wait(args);
    if (command == "down") return Stylus(args, StepKind::kStylusDown);
    if (command == "move") return Stylus(args, StepKind::kStylusMove);
    if (command == "up") return Stylus(args, StepKind::kStylusUp);
    if (command == "tap") return Tap(args, false);
    if (command == "hold") return Tap(args, true);
    if (command == "key") return Key(args);
    if (command == "shot") return Shot(args);
    if (command == "quit") return Quit(args);
    return "unknown command \"" + std::string(command) + "\"";
  }

 private:
  ScriptStep Step(StepKind kind, uint32_t time) const {
    ScriptStep step;
    step.kind = kind;
    step.time = time;
    step.line = line_;
    return step;
  }

  static std::string Arguments(std::string_view usage, size_t wanted, size_t got) {
    return std::string(got < wanted ? "missing arguments: " : "too many arguments: ") +
           std::string(usage);
  }

  // Reads "X Y" at args[0], args[1] into `step`; empty or the problem.
  static std::string Point(const std::vector<std::string_view>& args, ScriptStep& step) {
    const auto x = Number(args[0]);
    const auto y = Number(args[1]);
    if (!x || !y)
      return "bad coordinate \"" + std::string(!x ? args[0] : args[1]) + "\": want a whole number";
    if (*x >= kScreenWidth || *y >= kScreenHeight) {
      return "point (" + std::to_string(*x) + ", " + std::to_string(*y) +
             ") is off the 240x320 screen";
    }
    step.x = static_cast<int>(*x);
    step.y = static_cast<int>(*y);
    return {};
  }

  std::string Advance(uint32_t ms) {
    if (ms > kMaxScriptTime - now_) return "the script runs past the clock's last time";
    now_ += ms;
    return {};
  }

  std::string Wait(const std::vector<std::string_view>& args) {
    if (args.size() != 1) return Arguments("wait MS", 1, args.size());
    const auto ms = Number(args[0]);
    if (!ms) return "bad time \"" + std::string(args[0]) + "\": want milliseconds";
    return Advance(*ms);
  }

  std::string Stylus(const std::vector<std::string_view>& args, StepKind kind) {
    const char* usage = kind == StepKind::kStylusDown   ? "down X Y"
                        : kind == StepKind::kStylusMove ? "move X Y"
                                                        : "up X Y";
    if (args.size() != 2) return Arguments(usage, 2, args.size());
    ScriptStep step = Step(kind, now_);
    if (std::string problem = Point(args, step); !problem.empty()) return problem;
    script_.steps.push_back(step);
    return {};
  }

  std::string Tap(const std::vector<std::string_view>& args, bool hold) {
    const size_t wanted = hold ? 3 : 2;
    if (args.size() != wanted)
      return Arguments(hold ? "hold X Y MS" : "tap X Y", wanted, args.size());
    ScriptStep down = Step(StepKind::kStylusDown, now_);
    if (std::string problem = Point(args, down); !problem.empty()) return problem;
    uint32_t holdMs = 0;
    if (hold) {
      const auto ms = Number(args[2]);
      if (!ms) return "bad time \"" + std::string(args[2]) + "\": want milliseconds";
      holdMs = *ms;
    }
    // A hold takes its time: the next command comes when the stylus is lifted.
    if (std::string problem = Advance(holdMs); !problem.empty()) return problem;
    ScriptStep up = down;
    up.kind = StepKind::kStylusUp;
    up.time = now_;
    script_.steps.push_back(down);
    script_.steps.push_back(up);
    return {};
  }

  std::string Key(const std::vector<std::string_view>& args) {
    if (args.size() != 1) return Arguments("key NAME", 1, args.size());
    std::string name(args[0]);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    const auto* key = std::find_if(std::begin(kKeys), std::end(kKeys),
                                   [&](const KeyName& k) { return k.name == name; });
    if (key == std::end(kKeys)) {
      return "unknown key \"" + std::string(args[0]) + "\": want up, down, left, right or f1 to f4";
    }
    ScriptStep step = Step(StepKind::kKeyDown, now_);
    step.key = key->vk;
    script_.steps.push_back(step);
    step.kind = StepKind::kKeyUp;
    script_.steps.push_back(step);
    return {};
  }

  std::string Type(std::string_view line) {
    if (script_.endsWithQuit) return "nothing can follow quit";
    size_t start = 0;
    while (start < line.size() && IsBlank(line[start])) ++start;
    start += 4;  // "type"
    if (start >= line.size()) return "missing arguments: type TEXT";
    const std::string_view raw = line.substr(start + 1);  // after the one blank that separates
    if (raw.empty()) return "missing arguments: type TEXT";
    const auto text = DecodeUtf8(raw);
    if (!text) return "the text is not valid UTF-8";
    if (std::any_of(text->begin(), text->end(), [](char32_t c) { return c < 0x20 || c == 0x7F; }))
      return "the text holds a control character";
    ScriptStep step = Step(StepKind::kText, now_);
    step.text = *text;
    script_.steps.push_back(step);
    return {};
  }

  std::string Shot(const std::vector<std::string_view>& args) {
    if (args.size() != 1) return Arguments("shot NAME", 1, args.size());
    if (!ValidShotName(args[0])) {
      return "bad shot name \"" + std::string(args[0]) +
             "\": letters, digits, '_', '-' and '.' (not first), at most 64";
    }
    ScriptStep step = Step(StepKind::kShot, now_);
    step.name = std::string(args[0]);
    script_.steps.push_back(step);
    return {};
  }

  std::string Quit(const std::vector<std::string_view>& args) {
    if (!args.empty()) return Arguments("quit", 0, args.size());
    script_.steps.push_back(Step(StepKind::kQuit, now_));
    script_.endsWithQuit = true;
    return {};
  }

  Script& script_;
  uint32_t& now_;
  int line_ = 0;
};

}  // namespace

bool ParseScript(std::string_view text, Script& script, ScriptError& error) {
  Script parsed;
  uint32_t now = 0;
  LineParser parser(parsed, now);
  int number = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    ++number;
    if (std::string problem = parser.Parse(text.substr(start, end - start), number);
        !problem.empty()) {
      error = ScriptError{number, std::move(problem)};
      return false;
    }
    start = end + 1;
  }
  parsed.endTime = now;
  script = std::move(parsed);
  return true;
}

bool LoadScript(const std::filesystem::path& file, Script& script, std::string& error) {
  std::error_code ec;
  std::ifstream in(file, std::ios::binary);
  std::string text;
  if (in && !std::filesystem::is_directory(file, ec))
    text.assign(std::istreambuf_iterator<char>(in), {});
  if (!in || std::filesystem::is_directory(file, ec) || in.bad()) {
    error = file.string() + ": cannot read the script";
    return false;
  }
  ScriptError problem;
  if (!ParseScript(text, script, problem)) {
    error = file.string() + ":" + std::to_string(problem.line) + ": " + problem.message;
    return false;
  }
  return true;
}

}  // namespace program
