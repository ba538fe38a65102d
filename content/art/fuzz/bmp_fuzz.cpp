// Fuzz target: any bytes into the generators' bitmap reader; what it accepts re-encodes to a
// file that reads back to the same pixels.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "content/art/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto canvas = content::DecodeBmp({data, size});
  if (!canvas) return 0;
  const auto again = content::DecodeBmp(content::EncodeBmp(*canvas));
  if (!again || again->Pixels() != canvas->Pixels()) std::abort();
  return 0;
}
