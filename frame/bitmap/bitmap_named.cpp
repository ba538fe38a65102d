// Bitmap by entry name: loads through the process's data archive. Kept apart so that code
// converting bytes already in memory does not pull in the archive's registry lookup.
#include "frame/bitmap/bitmap.h"
#include "storage/resource/vfile_resource.h"

namespace frame {

Bitmap::Bitmap(const char* name) : name_(name) {
  storage::VFileResource resource(name);
  Convert(resource.Data(), resource.Size());
}

}  // namespace frame
