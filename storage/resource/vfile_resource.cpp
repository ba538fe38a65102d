// VFileResource: reads the whole entry and expands an LZRW2 block (u32 0x3D8F733A, u32
// expanded length, stream) when the entry is longer than 8 bytes and starts with that tag.
#include "storage/resource/vfile_resource.h"

#include <string>

#include "frame/base/fatal_error.h"
#include "storage/lzrw/compressor.h"
#include "storage/lzrw/lzrw.h"

namespace storage {

namespace {

constexpr uint32_t kReadChunk = 1u << 16;

}  // namespace

VFileResource::VFileResource(AbstractFile& entry, const char* name) {
  Load(entry, name);
}

void VFileResource::Load(AbstractFile& entry, const char* name) {
  if (!entry.IsOpen()) {
    const std::string message = std::string("VFileResource: Couldn't load file resource: ") + name;
    frame::FatalError(message.c_str(), frame::kFatalExitCode);
  }
  // Read in chunks so that a directory claiming more than the file holds costs no more memory
  // than the bytes really there; the data is what could be read.
  const uint32_t size = entry.GetSize();
  entry.Seek(0, kSeekStart);
  uint32_t have = 0;
  while (have < size) {
    const uint32_t want = size - have < kReadChunk ? size - have : kReadChunk;
    data_.resize(size_t(have) + want);
    const uint32_t got = entry.Read(data_.data() + have, want);
    have += got;
    if (got < want) break;
  }
  data_.resize(have);
  if (lzrw::IsLzrw2Block(data_.data(), have)) {
    // A damaged block (a length field no stream of this size can fill) gives no data.
    lzrw::Compressor lzrw2(kLzrw2Identifier);
    data_ = lzrw2.Decompress(data_.data(), have);
  }
}

}  // namespace storage
