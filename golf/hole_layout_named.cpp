// LoadHole by entry name, through the process's data archive. Kept apart so that code
// loading holes from memory does not pull in the registry lookup of the shared archive.
#include "golf/hole_layout.h"
#include "storage/resource/vfile_resource.h"

namespace golf {

HoleLayout::LoadResult HoleLayout::LoadHole(const char* entryName, int hole, Ball& ball) {
  storage::VFileResource bytes(entryName);
  return LoadHoleData({bytes.Data(), bytes.Size()}, hole, ball);
}

}  // namespace golf
