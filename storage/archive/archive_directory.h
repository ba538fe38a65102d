// The data archive's directory: zero-terminated names, each followed by a little-endian u32
// offset and u32 size, ended by an empty name. Read through any AbstractFile.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "storage/file/abstract_file.h"

namespace storage {

struct ArchiveEntry {
  uint32_t offset = 0;
  uint32_t size = 0;
};

// Ordered by byte-wise comparison of the names; case matters.
using ArchiveDirectory = std::map<std::string, ArchiveEntry>;

enum class NameRead { kName, kEmpty, kCutShort };

// Reads a zero-terminated name in chunks of 16 bytes and leaves the position on the byte
// after its zero. kCutShort: the file ended before the zero byte.
NameRead ReadArchiveName(AbstractFile& file, std::string& name);

// Reads the directory from the current position (byte 0 of the archive). A later record with
// the same name replaces the earlier one. A directory cut short by the end of the file keeps
// the whole records read so far; `complete` says whether the end mark was found.
ArchiveDirectory ReadArchiveDirectory(AbstractFile& file, bool* complete = nullptr);

}  // namespace storage
