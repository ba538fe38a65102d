// Fuzzes the registry file reader with arbitrary bytes. Whatever it accepts must write back to a
// text that reads to the same registry (write, read, write gives the same text).
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "registry/reg_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace platform::registry;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  Hive hive;
  if (ReadRegFile(text, hive)) return 0;
  const std::string written = WriteRegFile(hive);
  Hive again;
  if (ReadRegFile(written, again)) std::abort();  // our own output must always read back
  if (WriteRegFile(again) != written) std::abort();
  return 0;
}
