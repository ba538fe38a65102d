// Archive building: directory size first, so every offset is known before it is written.
#include "storage/archive/archive_writer.h"

#include "storage/lzrw/compressor.h"
#include "storage/lzrw/lzrw.h"

namespace storage {

namespace {

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

}  // namespace

bool BuildArchive(const std::vector<ArchiveSource>& entries, EntryPacking packing,
                  std::vector<uint8_t>& archive, std::vector<bool>* compressed) {
  std::vector<std::vector<uint8_t>> bodies;
  std::vector<bool> packed;
  uint64_t directory = 1;  // the end mark
  lzrw::Compressor compressor(kLzrw2Identifier);
  for (const ArchiveSource& e : entries) {
    if (e.name.empty() || e.name.find('\0') != std::string::npos) return false;
    if (e.bytes.size() > 0xFFFFFFF0u) return false;
    directory += e.name.size() + 1 + 8;
    std::vector<uint8_t> body = e.bytes;
    bool isPacked = false;
    // Raw bytes that begin like an LZRW2 block would be expanded by the reader: those are
    // always stored as a block.
    const bool looksPacked =
        packing != EntryPacking::kVerbatim && lzrw::IsLzrw2Block(body.data(), body.size());
    if (packing == EntryPacking::kLzrw2WhenSmaller || looksPacked) {
      std::vector<uint8_t> block = compressor.Compress(e.bytes.data(), uint32_t(e.bytes.size()));
      // A reader expands only blocks longer than 8 bytes.
      if (looksPacked || (block.size() > 8 && block.size() < body.size())) {
        body = std::move(block);
        isPacked = true;
      }
    }
    bodies.push_back(std::move(body));
    packed.push_back(isPacked);
  }
  uint64_t total = directory;
  for (const auto& b : bodies) total += b.size();
  if (total > 0xFFFFFFFFu) return false;
  std::vector<uint8_t> out;
  out.reserve(size_t(total));
  uint64_t at = directory;
  for (size_t i = 0; i < entries.size(); ++i) {
    out.insert(out.end(), entries[i].name.begin(), entries[i].name.end());
    out.push_back(0);
    PutU32(out, uint32_t(at));
    PutU32(out, uint32_t(bodies[i].size()));
    at += bodies[i].size();
  }
  out.push_back(0);
  for (const auto& b : bodies) out.insert(out.end(), b.begin(), b.end());
  archive = std::move(out);
  if (compressed) *compressed = std::move(packed);
  return true;
}

}  // namespace storage
