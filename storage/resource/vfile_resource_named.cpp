// VFileResource by entry name: reads through the process's data archive. Kept apart so that
// code reading archives in memory does not pull in the registry lookup of the shared archive.
#include "storage/archive/virtual_file.h"
#include "storage/resource/vfile_resource.h"

namespace storage {

VFileResource::VFileResource(const char* name) {
  VirtualFile entry(name);
  Load(entry, name);
}

}  // namespace storage
