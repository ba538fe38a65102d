// The content manifest: one line per file the data build makes (archive entries, the program's
// sounds, the help page), with its kind, its size where the layout fixes one, and its generator.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace content {

enum class EntryKind { kPicture, kMetrics, kCourse, kWave, kPage };

struct ManifestEntry {
  std::string name;  // archive entry name, or file name for sounds and pages
  EntryKind kind = EntryKind::kPicture;
  int width = 0;  // pictures: pixels; 0 = not fixed by a layout (font strips)
  int height = 0;
  std::string generator;  // which generator program makes it
  int line = 0;           // where it stands in the manifest, for messages
};

// Whether the entry goes into the data archive (pictures, metrics and courses do).
bool InArchive(const ManifestEntry& e);

// Reads the manifest: blank lines and lines starting with '#' are skipped; every other line is
// "name kind width height generator" separated by blanks. On a bad line, nullopt and
// `error` = "FILE:LINE: what".
std::optional<std::vector<ManifestEntry>> LoadManifest(const std::filesystem::path& file,
                                                       std::string& error);

}  // namespace content
