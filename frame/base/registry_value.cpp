// RegistryValue: loading with a size query first, write-back on destruction, and the typed
// accessors and setters.
#include <cstring>
#include <cwchar>

#include "frame/base/registry_key.h"

namespace frame {

namespace {

// Room for the data plus a zero character, so that text read from a damaged value is always
// terminated.
std::unique_ptr<uint8_t[]> Buffer(uint32_t size) {
  const size_t room = size + sizeof(WCHAR);
  auto buffer = std::make_unique<uint8_t[]>(room);
  std::memset(buffer.get(), 0, room);
  return buffer;
}

}  // namespace

RegistryValue::RegistryValue(RegistryKey* key, const char* name) : name_(name), key_(key) {
  ++key_->openChildren_;
  if (!key_->handle_) return;
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(key_->handle_, name_, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    return;
  auto data = Buffer(size);
  DWORD read = size;
  if (RegQueryValueExW(key_->handle_, name_, nullptr, &type, data.get(), &read) != ERROR_SUCCESS)
    return;
  type_ = type;
  size_ = read;
  data_ = std::move(data);
}

RegistryValue::~RegistryValue() {
  if (key_->handle_) RegSetValueExW(key_->handle_, name_, 0, type_, data_.get(), size_);
  --key_->openChildren_;
}

LPCWSTR RegistryValue::String() const {
  if ((type_ != REG_SZ && type_ != REG_EXPAND_SZ) || !data_) return nullptr;
  return reinterpret_cast<LPCWSTR>(data_.get());
}

uint32_t RegistryValue::Number() const {
  if (type_ != REG_DWORD || !data_ || size_ < 4) return 0;
  uint32_t number;
  std::memcpy(&number, data_.get(), 4);
  return number;
}

void RegistryValue::Assign(DWORD type, const void* bytes, uint32_t size) {
  auto data = Buffer(size);
  if (size) std::memcpy(data.get(), bytes, size);
  data_ = std::move(data);
  type_ = type;
  size_ = size;
}

void RegistryValue::SetBinary(const void* bytes, uint32_t size) {
  Assign(REG_BINARY, bytes, size);
}

void RegistryValue::SetString(LPCWSTR text) {
  Assign(REG_SZ, text, uint32_t((std::wcslen(text) + 1) * sizeof(WCHAR)));
}

void RegistryValue::SetExpandString(LPCWSTR text) {
  Assign(REG_EXPAND_SZ, text, uint32_t((std::wcslen(text) + 1) * sizeof(WCHAR)));
}

void RegistryValue::SetNumber(uint32_t number) {
  Assign(REG_DWORD, &number, 4);
}

}  // namespace frame
