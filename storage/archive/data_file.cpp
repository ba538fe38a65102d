// DataFile: opening and directory reading.
#include "storage/archive/data_file.h"

namespace storage {

DataFile::DataFile(LPCWSTR path) : DiskFile(path, OPEN_EXISTING, GENERIC_READ, FILE_SHARE_READ) {
  directory_ = ReadArchiveDirectory(*this);
}

}  // namespace storage
