// The one DataFile of the process, found through the registry on first use, and the
// VirtualFile constructor that reads through it.
#include <memory>
#include <new>

#include "frame/base/fatal_error.h"
#include "frame/base/registry_key.h"
#include "storage/archive/data_file.h"
#include "storage/archive/virtual_file.h"

namespace storage {

DataFile& SharedDataFile() {
  // Destroyed (directory freed, file closed) when the program exits.
  static std::unique_ptr<DataFile> shared;
  if (!shared) {
    std::unique_ptr<frame::RegistryKey> key = frame::OpenApplicationKey();
    // REG_SZ or REG_EXPAND_SZ text is the path as it stands; anything else gives none.
    LPCWSTR path = key->SelectValue("Resource File")->String();
    shared.reset(new (std::nothrow) DataFile(path));
    if (!shared)
      frame::FatalError("Couldn't create DataFile class instance", frame::kFatalExitCode);
    if (!shared->IsOpen()) frame::FatalError("Couldn't load datafile", frame::kFatalExitCode);
  }
  return *shared;
}

VirtualFile::VirtualFile(const char* name) : archive_(&SharedDataFile()) {
  Find(static_cast<DataFile*>(archive_)->Directory(), name);
}

}  // namespace storage
