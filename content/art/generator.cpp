// Running a content generator over its part of the manifest.
#include "content/art/generator.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <set>
#include <stdexcept>
#include <string>

#include "content/art/bmp.h"

namespace content {

namespace fs = std::filesystem;

namespace {

bool WriteAtomically(const fs::path& file, const Bytes& bytes) {
  const fs::path temporary = file.string() + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    if (out.fail()) return false;
  }
  std::error_code ec;
  fs::rename(temporary, file, ec);
  return !ec;
}

}  // namespace

Bytes PictureBytes(const ManifestEntry& e, const Canvas& canvas) {
  if ((e.width && canvas.Width() != e.width) || (e.height && canvas.Height() != e.height)) {
    throw std::runtime_error("drawn " + std::to_string(canvas.Width()) + "x" +
                             std::to_string(canvas.Height()) + ", the manifest says " +
                             std::to_string(e.width) + "x" + std::to_string(e.height));
  }
  return EncodeBmp(canvas);
}

int RunGenerator(int argc, char** argv, std::string_view group, const MakeEntry& make) {
  const std::string self = argc > 0 ? fs::path(argv[0]).filename().string() : "generator";
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s MANIFEST OUTDIR\n", self.c_str());
    return 2;
  }
  std::string error;
  const auto manifest = LoadManifest(argv[1], error);
  if (!manifest) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  const fs::path out = argv[2];
  std::error_code ec;
  fs::create_directories(out, ec);
  std::set<std::string> mine;
  for (const ManifestEntry& e : *manifest) {
    if (e.generator != group) continue;
    mine.insert(e.name);
    try {
      const auto bytes = make(e);
      if (!bytes) throw std::runtime_error("this generator does not know the entry");
      if (!WriteAtomically(out / e.name, *bytes))
        throw std::runtime_error("cannot write " + (out / e.name).string());
    } catch (const std::exception& x) {
      std::fprintf(stderr, "%s:%d: %s: %s\n", argv[1], e.line, e.name.c_str(), x.what());
      return 1;
    }
  }
  for (const auto& f : fs::directory_iterator(out, ec))
    if (!mine.count(f.path().filename().string())) fs::remove(f.path(), ec);
  return 0;
}

}  // namespace content
