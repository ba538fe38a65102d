// Directory reading: names come in 16-byte chunks through the stream's own Read, and a
// relative seek backs up to the byte after the zero.
#include "storage/archive/archive_directory.h"

#include <cstring>

#include "frame/base/byte_order.h"

namespace storage {

namespace {

constexpr uint32_t kChunk = 16;

}  // namespace

NameRead ReadArchiveName(AbstractFile& file, std::string& name) {
  name.clear();
  for (;;) {
    char chunk[kChunk + 1];
    const uint32_t got = file.Read(chunk, kChunk);
    chunk[got] = 0;
    const uint32_t characters = uint32_t(std::strlen(chunk));
    name.append(chunk, characters);
    if (characters == kChunk) continue;                 // 16 characters and no zero yet
    if (characters == got) return NameRead::kCutShort;  // the file ended inside the name
    // Back up from the end of what was read to just past the zero byte. With a full chunk
    // this is a move of (characters - 15).
    file.Seek(int32_t(characters + 1) - int32_t(got), kSeekCurrent);
    return name.empty() ? NameRead::kEmpty : NameRead::kName;
  }
}

ArchiveDirectory ReadArchiveDirectory(AbstractFile& file, bool* complete) {
  ArchiveDirectory directory;
  if (complete) *complete = false;
  std::string name;
  for (;;) {
    const NameRead read = ReadArchiveName(file, name);
    if (read == NameRead::kEmpty) break;
    if (read == NameRead::kCutShort) return directory;
    uint8_t record[8];
    if (file.Read(record, 8) != 8) return directory;  // a record without its 8 bytes
    directory[name] = {frame::ReadLittle32(record), frame::ReadLittle32(record + 4)};
  }
  if (complete) *complete = true;
  return directory;
}

}  // namespace storage
