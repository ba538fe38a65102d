// Preference records: numbered binary values "Preference<index>" under the application key's
// sub-key "Preferences" (created on first use). The index is taken as 16-bit unsigned.
#pragma once

#include <cstdint>

namespace frame {

uint32_t GetPreferenceSize(uint32_t index);
// Copies the smaller of the record's size and the capacity.
void ReadPreference(void* buffer, uint32_t capacity, uint32_t index);
void WritePreference(const void* bytes, uint32_t length, uint32_t index);

}  // namespace frame
