// Arbitrary bytes as a serialised property store (a damaged registry value): lookups, nested
// stores, replacing a record and the record listing must stay inside the buffer.
#include <string>

#include "storage/property/property_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > (1u << 20)) return 0;
  storage::PropertyStore store;
  store.FromBytes(data, uint32_t(size));
  std::string text;
  store.GetString("PlayerName", &text);
  storage::PropertyStore nested;
  if (store.GetStore("Engine", &nested)) nested.GetString("Course", &text);
  bool complete = false;
  const auto records = storage::ListRecords(data, uint32_t(size), &complete);
  if (!records.empty()) {
    // Replacing the first record moves every byte after it.
    const storage::PropertyRecord& first = records.front();
    store.SetValue(first.type, first.key.data(), uint32_t(first.key.size()), "x", 1);
    // Found again (an older duplicate of the key may answer first, so the value is not
    // compared).
    std::string again;
    if (!store.GetString(first.key.c_str(), &again) && first.key.find('\0') == std::string::npos)
      __builtin_trap();
  }
  store.SetString("Sound", "1");
  return 0;
}
