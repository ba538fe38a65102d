// Builds data archives: the directory of every entry, the end mark, then the entries' bytes
// in the same order. Entries may be stored as LZRW2 blocks where that makes them smaller.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace storage {

struct ArchiveSource {
  std::string name;  // 1 or more bytes, no zero byte
  std::vector<uint8_t> bytes;
};

// kRaw stores the bytes, except those that begin like an LZRW2 block: a reader would expand
// them, so they are stored as a block of their own. kVerbatim stores every entry exactly as
// given (for entries that already are blocks).
enum class EntryPacking { kVerbatim, kRaw, kLzrw2WhenSmaller };

// Returns false (and leaves `archive` alone) for an empty name, a name with a zero byte, or an
// archive that would exceed 4 GiB.
bool BuildArchive(const std::vector<ArchiveSource>& entries, EntryPacking packing,
                  std::vector<uint8_t>& archive, std::vector<bool>* compressed = nullptr);

}  // namespace storage
