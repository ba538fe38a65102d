// Preference records: every operation opens the application key and "Preferences", selects
// the record, works on it, and closes both (which writes the value back).
#include "frame/base/preferences.h"

#include <cstdio>
#include <cstring>

#include "frame/base/registry_key.h"

namespace frame {

namespace {

template <class Work>
void WithPreference(uint32_t index, Work work) {
  std::unique_ptr<RegistryKey> application = OpenApplicationKey();
  RegistryKey preferences(application.get(), "Preferences", KeyCreation::kCreateIfMissing);
  char name[32];
  std::snprintf(name, sizeof name, "Preference%i", int(uint16_t(index)));
  work(*preferences.SelectValue(name));
}

}  // namespace

uint32_t GetPreferenceSize(uint32_t index) {
  uint32_t size = 0;
  WithPreference(index, [&](RegistryValue& value) { size = value.Size(); });
  return size;
}

void ReadPreference(void* buffer, uint32_t capacity, uint32_t index) {
  WithPreference(index, [&](RegistryValue& value) {
    const uint32_t n = value.Size() < capacity ? value.Size() : capacity;
    if (n && value.Data()) std::memcpy(buffer, value.Data(), n);
  });
}

void WritePreference(const void* bytes, uint32_t length, uint32_t index) {
  WithPreference(index, [&](RegistryValue& value) { value.SetBinary(bytes, length); });
}

}  // namespace frame
