// pt-archive: packs folders and files into a data archive (optionally LZRW2 blocks), lists an
// archive's directory, and extracts entries with compressed ones expanded.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "storage/archive/archive_directory.h"
#include "storage/archive/archive_writer.h"
#include "storage/file/memory_file.h"
#include "storage/lzrw/compressor.h"
#include "storage/lzrw/lzrw.h"
#include "tools/common/whole_file.h"

namespace fs = std::filesystem;

namespace {

const char kUsage[] =
    "usage: pt-archive pack DIR|FILE... -o FILE [--lzrw2]\n"
    "       pt-archive list FILE\n"
    "       pt-archive extract FILE [NAME...] -C DIR\n"
    "\n"
    "pack     every regular file of each DIR, and each FILE, becomes an entry named by its file\n"
    "         name (sorted; a name given twice is an error); with --lzrw2 an entry is stored as\n"
    "         an LZRW2 block where that makes it smaller. The archive is written to a temporary\n"
    "         file and renamed, so a failed pack never leaves a partial archive\n"
    "list     prints name, offset, size and whether the entry is compressed or raw\n"
    "extract  writes the named entries (default: all) into DIR, compressed ones expanded\n";

using Bytes = std::vector<uint8_t>;

// The entry's bytes, or false when the directory points outside the file.
bool EntryBytes(const Bytes& archive, const storage::ArchiveEntry& e, Bytes* out) {
  if (uint64_t(e.offset) + e.size > archive.size()) return false;
  out->assign(archive.begin() + e.offset, archive.begin() + e.offset + e.size);
  return true;
}

int Pack(int argc, char** argv) {
  std::vector<fs::path> inputs;
  std::string output;
  bool lzrw2 = false;
  for (int i = 2; i < argc; ++i) {
    if (!std::strcmp(argv[i], "-o") && i + 1 < argc) {
      output = argv[++i];
    } else if (!std::strcmp(argv[i], "--lzrw2")) {
      lzrw2 = true;
    } else if (argv[i][0] == '-') {
      return std::fputs(kUsage, stderr), 2;
    } else {
      inputs.emplace_back(argv[i]);
    }
  }
  if (inputs.empty() || output.empty()) return std::fputs(kUsage, stderr), 2;
  std::vector<fs::path> files;
  for (const fs::path& input : inputs) {
    std::error_code ec;
    if (fs::is_regular_file(input, ec)) {
      files.push_back(input);
      continue;
    }
    for (const auto& e : fs::directory_iterator(input, ec))
      if (e.is_regular_file()) files.push_back(e.path());
    if (ec) {
      std::fprintf(stderr, "pt-archive: cannot read %s\n", input.c_str());
      return 1;
    }
  }
  std::sort(files.begin(), files.end(),
            [](const fs::path& a, const fs::path& b) { return a.filename() < b.filename(); });
  std::vector<storage::ArchiveSource> entries;
  for (const fs::path& f : files) {
    storage::ArchiveSource source{f.filename().string(), {}};
    if (!entries.empty() && entries.back().name == source.name) {
      std::fprintf(stderr, "pt-archive: two inputs are named %s\n", source.name.c_str());
      return 1;
    }
    if (!tools::ReadWholeFile(f, source.bytes)) {
      std::fprintf(stderr, "pt-archive: cannot read %s\n", f.c_str());
      return 1;
    }
    entries.push_back(std::move(source));
  }
  Bytes archive;
  std::vector<bool> packed;
  if (!storage::BuildArchive(
          entries, lzrw2 ? storage::EntryPacking::kLzrw2WhenSmaller : storage::EntryPacking::kRaw,
          archive, &packed)) {
    std::fprintf(stderr, "pt-archive: the archive would exceed 4 GiB\n");
    return 1;
  }
  const fs::path temporary = output + ".tmp";
  std::error_code ec;
  if (!tools::WriteWholeFile(temporary, archive.data(), archive.size()) ||
      (fs::rename(temporary, output, ec), ec)) {
    fs::remove(temporary, ec);
    std::fprintf(stderr, "pt-archive: cannot write %s\n", output.c_str());
    return 1;
  }
  size_t raw = 0;
  for (const storage::ArchiveSource& e : entries) raw += e.bytes.size();
  const auto count = std::count(packed.begin(), packed.end(), true);
  std::printf("%zu entries, %ld compressed, %zu bytes (%zu before compression)\n", entries.size(),
              long(count), archive.size(), raw);
  return 0;
}

bool Load(const char* path, Bytes* archive, storage::ArchiveDirectory* directory) {
  if (!tools::ReadWholeFile(path, *archive)) {
    std::fprintf(stderr, "pt-archive: cannot read %s\n", path);
    return false;
  }
  storage::MemoryFile file(*archive);
  bool complete = false;
  *directory = ReadArchiveDirectory(file, &complete);
  if (!complete) std::fprintf(stderr, "pt-archive: warning: the directory is cut short\n");
  return true;
}

int List(int argc, char** argv) {
  if (argc != 3) return std::fputs(kUsage, stderr), 2;
  Bytes archive;
  storage::ArchiveDirectory directory;
  if (!Load(argv[2], &archive, &directory)) return 1;
  for (const auto& [name, e] : directory) {
    Bytes bytes;
    const char* kind = !EntryBytes(archive, e, &bytes)                  ? "outside-file"
                       : lzrw::IsLzrw2Block(bytes.data(), bytes.size()) ? "compressed"
                                                                        : "raw";
    std::printf("%-40s %10u %10u %s\n", name.c_str(), e.offset, e.size, kind);
  }
  return 0;
}

int Extract(int argc, char** argv) {
  if (argc < 3) return std::fputs(kUsage, stderr), 2;
  std::string folder;
  std::vector<std::string> names;
  for (int i = 3; i < argc; ++i) {
    if (!std::strcmp(argv[i], "-C") && i + 1 < argc) {
      folder = argv[++i];
    } else {
      names.push_back(argv[i]);
    }
  }
  if (folder.empty()) return std::fputs(kUsage, stderr), 2;
  Bytes archive;
  storage::ArchiveDirectory directory;
  if (!Load(argv[2], &archive, &directory)) return 1;
  if (names.empty())
    for (const auto& entry : directory) names.push_back(entry.first);
  std::error_code ec;
  fs::create_directories(folder, ec);
  int status = 0;
  lzrw::Compressor lzrw2(kLzrw2Identifier);
  for (const std::string& name : names) {
    const auto it = directory.find(name);
    Bytes bytes;
    if (it == directory.end() || !EntryBytes(archive, it->second, &bytes)) {
      std::fprintf(stderr, "pt-archive: no entry %s\n", name.c_str());
      status = 1;
      continue;
    }
    if (lzrw::IsLzrw2Block(bytes.data(), bytes.size()))
      bytes = lzrw2.Decompress(bytes.data(), uint32_t(bytes.size()));
    // Names come from the archive: never let one climb out of the target folder.
    if (name.find('/') != std::string::npos || name == "." || name == "..") {
      std::fprintf(stderr, "pt-archive: skipping unsafe name %s\n", name.c_str());
      status = 1;
      continue;
    }
    if (!tools::WriteWholeFile(fs::path(folder) / name, bytes.data(), bytes.size())) {
      std::fprintf(stderr, "pt-archive: cannot write %s\n", name.c_str());
      status = 1;
    }
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
    std::fputs(kUsage, argc < 2 ? stderr : stdout);
    return argc < 2 ? 2 : 0;
  }
  const std::string command = argv[1];
  if (command == "pack") return Pack(argc, argv);
  if (command == "list") return List(argc, argv);
  if (command == "extract") return Extract(argc, argv);
  std::fputs(kUsage, stderr);
  return 2;
}
