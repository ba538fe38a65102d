// LoadHole from an opened course entry: the whole entry read into memory (expanded when
// stored compressed), then the hole loaded from its bytes.
#include "golf/hole_layout.h"
#include "storage/resource/vfile_resource.h"

namespace golf {

HoleLayout::LoadResult HoleLayout::LoadHole(storage::AbstractFile& entry, const char* entryName,
                                            int hole, Ball& ball) {
  storage::VFileResource bytes(entry, entryName);
  return LoadHoleData({bytes.Data(), bytes.Size()}, hole, ball);
}

}  // namespace golf
