// DataFile: the data archive opened for reading, with its directory read once. One exists per
// process, created by the first VirtualFile and kept until the program ends.
#pragma once

#include <windows.h>

#include "storage/archive/archive_directory.h"
#include "storage/file/disk_file.h"

namespace storage {

class DataFile : public DiskFile {
 public:
  // Opens the file (open existing, generic read, read sharing) and reads its directory; a
  // file that did not open has an empty directory.
  explicit DataFile(LPCWSTR path);

  const ArchiveDirectory& Directory() const { return directory_; }

 private:
  ArchiveDirectory directory_;
};

// The process's archive: on first use its path is read from the application key's
// "Resource File" (a string value, used unchanged). Ends the program with "Couldn't load
// datafile" when there is no path or the file does not open.
DataFile& SharedDataFile();

}  // namespace storage
