// The benchmark corpus: text, program binaries and uncompressed pictures that every Debian
// build machine of this project has, gathered in a fixed order so that runs compare.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct CorpusPart {
  std::string name;
  std::vector<uint8_t> bytes;
};

// About 8 MB of C++ library headers, 8 MB of programs from /usr/bin and 6 MB of pictures.
std::vector<CorpusPart> BuildStandardCorpus();
bool WriteCorpus(const std::vector<CorpusPart>& parts, const std::filesystem::path& folder);
