// VFileResource: one whole archive entry in memory, expanded when it holds an LZRW2 block.
// A missing entry ends the program with "VFileResource: Couldn't load file resource: <name>".
#pragma once

#include <cstdint>
#include <vector>

#include "storage/file/abstract_file.h"

namespace storage {

class VFileResource {
 public:
  // An entry of the process's data archive.
  explicit VFileResource(const char* name);
  // An entry already opened (for instance over an archive in memory); `name` is for the
  // message when the entry is not open.
  VFileResource(AbstractFile& entry, const char* name);
  VFileResource(const VFileResource&) = delete;
  VFileResource& operator=(const VFileResource&) = delete;
  virtual ~VFileResource() = default;

  virtual uint8_t* Data() { return data_.empty() ? nullptr : data_.data(); }
  virtual uint32_t Size() { return uint32_t(data_.size()); }

 private:
  void Load(AbstractFile& entry, const char* name);

  std::vector<uint8_t> data_;
};

}  // namespace storage
