// Reading the content manifest.
#include "content/art/manifest.h"

#include <charconv>
#include <fstream>
#include <set>
#include <sstream>

namespace content {

namespace {

std::optional<EntryKind> KindOf(const std::string& word) {
  if (word == "picture") return EntryKind::kPicture;
  if (word == "metrics") return EntryKind::kMetrics;
  if (word == "course") return EntryKind::kCourse;
  if (word == "wave") return EntryKind::kWave;
  if (word == "page") return EntryKind::kPage;
  return std::nullopt;
}

std::optional<int> SizeOf(const std::string& word) {
  if (word == "-") return 0;
  int v = 0;
  const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), v);
  if (ec != std::errc() || end != word.data() + word.size() || v < 0 || v > 4096)
    return std::nullopt;
  return v;
}

}  // namespace

bool InArchive(const ManifestEntry& e) {
  return e.kind == EntryKind::kPicture || e.kind == EntryKind::kMetrics ||
         e.kind == EntryKind::kCourse;
}

std::optional<std::vector<ManifestEntry>> LoadManifest(const std::filesystem::path& file,
                                                       std::string& error) {
  std::ifstream in(file);
  if (!in) {
    error = file.string() + ": cannot read the manifest";
    return std::nullopt;
  }
  std::vector<ManifestEntry> entries;
  std::set<std::string> names;
  std::string text;
  int line = 0;
  auto fail = [&](const std::string& what) {
    error = file.string() + ":" + std::to_string(line) + ": " + what;
    return std::nullopt;
  };
  while (std::getline(in, text)) {
    ++line;
    std::istringstream words(text);
    std::string name, kind, width, height, generator, extra;
    if (!(words >> name) || name[0] == '#') continue;
    if (!(words >> kind >> width >> height >> generator))
      return fail("expected: name kind width height generator");
    if (words >> extra && extra[0] != '#') return fail("unexpected text after the generator");
    ManifestEntry e;
    e.name = name;
    e.generator = generator;
    e.line = line;
    const auto k = KindOf(kind);
    if (!k) return fail("unknown kind '" + kind + "' (picture, metrics, course, wave, page)");
    e.kind = *k;
    const auto w = SizeOf(width), h = SizeOf(height);
    if (!w || !h) return fail("a size is a number of pixels from 0 to 4096, or -");
    e.width = *w;
    e.height = *h;
    if (!names.insert(name).second) return fail("'" + name + "' is listed twice");
    entries.push_back(std::move(e));
  }
  return entries;
}

}  // namespace content
