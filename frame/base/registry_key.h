// RegistryKey and RegistryValue: a small wrapper over the registry. A selected value is held
// in memory and written back when it is deselected or its key is closed.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "frame/base/wide_string.h"

namespace frame {

class RegistryKey;

class RegistryValue {
 public:
  // Loads the value (type 0, no data when it does not exist) and counts itself as an open
  // child of the key.
  RegistryValue(RegistryKey* key, const char* name);
  // Writes the value back with its current type, data and size, even when unchanged or
  // absent (an absent value is then stored as an empty value of type 0).
  ~RegistryValue();
  RegistryValue(const RegistryValue&) = delete;
  RegistryValue& operator=(const RegistryValue&) = delete;

  DWORD Type() const { return type_; }
  const uint8_t* Data() const { return data_.get(); }
  uint32_t Size() const { return size_; }
  // The text when the type is 1 or 2, else null. Always terminated.
  LPCWSTR String() const;
  // The 32-bit number when the type is 4 and data exists, else 0.
  uint32_t Number() const;

  // Setters change only the copy in memory.
  void SetBinary(const void* bytes, uint32_t size);
  void SetString(LPCWSTR text);
  void SetExpandString(LPCWSTR text);
  void SetNumber(uint32_t number);

 private:
  void Assign(DWORD type, const void* bytes, uint32_t size);

  DWORD type_ = 0;
  std::unique_ptr<uint8_t[]> data_;
  uint32_t size_ = 0;
  WideString name_;
  RegistryKey* key_;
};

// Whether opening a key that does not exist creates it.
enum class KeyCreation { kOpenOnly, kCreateIfMissing };

class RegistryKey {
 public:
  // Opens the key, or creates it with kCreateIfMissing; the handle stays 0 on failure.
  RegistryKey(HKEY root, const char* path, KeyCreation creation);
  // The same below an open key, whose open-children count goes up by one.
  RegistryKey(RegistryKey* parent, const char* path, KeyCreation creation);
  // Writes back the current value, closes the handle, lowers the parent's count.
  ~RegistryKey();
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  // Writes back and frees the previously selected value, then loads the named one.
  RegistryValue* SelectValue(const char* name);
  bool DeleteSubKey(const char* name);

  HKEY Handle() const { return handle_; }
  bool IsOpen() const { return handle_ != nullptr; }
  int32_t OpenChildren() const { return openChildren_; }

 private:
  friend class RegistryValue;
  void Open(HKEY parent, const char* path, KeyCreation creation);

  std::unique_ptr<RegistryValue> current_;
  HKEY handle_ = nullptr;
  int32_t openChildren_ = 0;
  RegistryKey* parent_ = nullptr;
};

// The game's key "Software\<company>\<application>" below the local machine, opened (never
// created). A missing key ends the program with "Couldn't open registry key".
std::unique_ptr<RegistryKey> OpenApplicationKey();

}  // namespace frame
