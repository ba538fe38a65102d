// Whole-file reading and writing for the command-line tools: false when the file cannot be
// opened, or when the bytes written do not all reach it.
#pragma once

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace tools {

// Reads the whole file into `out`, a std::string or a byte vector.
template <typename Container>
bool ReadWholeFile(const std::filesystem::path& path, Container& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

// Replaces the file's contents with `size` bytes from `data`.
inline bool WriteWholeFile(const std::filesystem::path& path, const void* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  out.close();  // the last bytes reach the file here: a failure shows only now
  return !out.fail();
}

}  // namespace tools
