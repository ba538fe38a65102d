// Arbitrary bytes as a data archive: the directory, then every entry read whole (and expanded
// when it is a block) with the seeks and reads the game uses.
#include "storage/archive/archive_directory.h"
#include "storage/archive/virtual_file.h"
#include "storage/file/memory_file.h"
#include "storage/resource/vfile_resource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > (1u << 20)) return 0;
  storage::MemoryFile file(data, size);
  const storage::ArchiveDirectory directory = storage::ReadArchiveDirectory(file);
  for (const auto& entry : directory) {
    storage::VirtualFile stream(file, directory, entry.first.c_str());
    uint8_t chunk[6];
    stream.Read(chunk, sizeof chunk);
    stream.Seek(-3, storage::kSeekEnd);
    stream.Read(chunk, sizeof chunk);
    stream.Seek(0, storage::kSeekStart);
    storage::VFileResource resource(stream, entry.first.c_str());
    if (resource.Size() && !resource.Data()) __builtin_trap();
  }
  return 0;
}
