// PropertyStore: linear record scans, removal by moving the tail down, and the growth rule
// (from 256 bytes doubling, beyond 16384 bytes the need plus 1024).
#include "storage/property/property_store.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "frame/base/fatal_error.h"

namespace storage {

namespace {

constexpr uint32_t kHeaderSize = 12;
constexpr int64_t kFirstCapacity = 256;
constexpr int64_t kDoublingLimit = 16384;
constexpr int64_t kLinearStep = 1024;

uint32_t ReadBig(const uint8_t* p) {
  return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}
void WriteBig(uint8_t* p, uint32_t v) {
  p[0] = uint8_t(v >> 24);
  p[1] = uint8_t(v >> 16);
  p[2] = uint8_t(v >> 8);
  p[3] = uint8_t(v);
}

// Walks the whole records of bytes[0, length): calls visit(at, key_length, value_length) for
// each until it returns true, and gives where the walk stopped (at the record visit accepted, or
// at the end of the last whole record, lengths running past the end counting as damage).
template <typename Visit>
uint64_t WalkRecords(const uint8_t* bytes, uint64_t length, Visit visit) {
  uint64_t at = 0;
  while (at + kHeaderSize <= length) {
    const uint32_t keyLength = ReadBig(bytes + at + 4);
    const uint32_t valueLength = ReadBig(bytes + at + 8);
    const uint64_t size = kHeaderSize + uint64_t(keyLength) + valueLength;
    if (at + size > length) break;
    if (visit(at, keyLength, valueLength)) break;
    at += size;
  }
  return at;
}

// A request of 0 bytes or fewer gives no buffer; a request the heap refuses is fatal.
uint8_t* Allocate(int64_t size) {
  if (size <= 0) return nullptr;
  uint8_t* p = static_cast<uint8_t*>(std::malloc(size_t(size)));
  if (!p) frame::FatalError("Failed to allocate memory.", frame::kFatalExitCode);
  return p;
}

}  // namespace

PropertyStore::~PropertyStore() {
  std::free(data_);
}

bool PropertyStore::FindRecord(const char* key, uint32_t keyLength, uint32_t /*type*/,
                               Found* found) const {
  // The tag is written into every record but lookups match the key alone.
  bool matched = false;
  WalkRecords(
      data_, uint64_t(used_ > 0 ? used_ : 0),
      [&](uint64_t at, uint32_t recordKey, uint32_t recordValue) {
        if (recordKey != keyLength || std::memcmp(data_ + at + kHeaderSize, key, keyLength) != 0) {
          return false;
        }
        *found = {uint32_t(at), uint32_t(at + kHeaderSize + recordKey), recordValue,
                  uint32_t(kHeaderSize + recordKey + recordValue)};
        matched = true;
        return true;
      });
  return matched;
}

void PropertyStore::Reserve(int64_t needed) {
  if (capacity_ >= needed) return;
  int64_t size = capacity_ > kFirstCapacity ? capacity_ : kFirstCapacity;
  while (size < needed) size *= 2;
  if (size > kDoublingLimit) size = needed + kLinearStep;
  if (size > INT32_MAX) frame::FatalError("Failed to allocate memory.", frame::kFatalExitCode);
  uint8_t* fresh = Allocate(size);
  const int64_t keep = capacity_ < size ? capacity_ : size;
  if (keep > 0) std::memcpy(fresh, data_, size_t(keep));
  std::free(data_);
  data_ = fresh;
  capacity_ = int32_t(size);
}

void PropertyStore::SetValue(uint32_t type, const char* key, uint32_t keyLength, const void* value,
                             uint32_t valueLength) {
  Found old;
  if (FindRecord(key, keyLength, type, &old)) {
    std::memmove(data_ + old.record, data_ + old.record + old.size,
                 size_t(used_) - old.record - old.size);
    used_ -= int32_t(old.size);
  }
  Reserve(int64_t(used_) + keyLength + valueLength + kHeaderSize);
  uint8_t* p = data_ + used_;
  WriteBig(p, type);
  WriteBig(p + 4, keyLength);
  WriteBig(p + 8, valueLength);
  if (keyLength) std::memcpy(p + kHeaderSize, key, keyLength);
  if (valueLength) std::memcpy(p + kHeaderSize + keyLength, value, valueLength);
  used_ += int32_t(kHeaderSize + keyLength + valueLength);
}

void PropertyStore::SetValue(uint32_t type, const char* key, const void* value,
                             uint32_t valueLength) {
  SetValue(type, key, uint32_t(std::strlen(key)), value, valueLength);
}

void PropertyStore::SetString(const char* key, const std::string& value) {
  SetValue(kPropertyValue, key, value.data(), uint32_t(value.size()));
}

void PropertyStore::SetStore(uint32_t type, const char* key, uint32_t keyLength,
                             const PropertyStore& nested) {
  SetValue(type, key, keyLength, nested.data_, uint32_t(nested.used_));
}

void PropertyStore::SetStore(uint32_t type, const char* key, const PropertyStore& nested) {
  SetStore(type, key, uint32_t(std::strlen(key)), nested);
}

bool PropertyStore::GetValue(const char* key, uint32_t keyLength, void* destination,
                             uint32_t size) const {
  Found found;
  if (!FindRecord(key, keyLength, kPropertyValue, &found)) return false;
  if (found.valueLength != size) frame::FatalError("Mangled config.", frame::kFatalExitCode);
  if (size) std::memcpy(destination, data_ + found.value, size);
  return true;
}

bool PropertyStore::GetValue(const char* key, void* destination, uint32_t size) const {
  return GetValue(key, uint32_t(std::strlen(key)), destination, size);
}

bool PropertyStore::GetString(const char* key, std::string* value) const {
  Found found;
  if (!FindRecord(key, uint32_t(std::strlen(key)), kPropertyValue, &found)) return false;
  value->assign(reinterpret_cast<const char*>(data_ + found.value), found.valueLength);
  return true;
}

bool PropertyStore::GetStore(const char* key, PropertyStore* nested) const {
  Found found;
  if (!FindRecord(key, uint32_t(std::strlen(key)), kPropertyStoreValue, &found)) return false;
  nested->FromBytes(data_ + found.value, found.valueLength);
  return true;
}

std::vector<uint8_t> PropertyStore::ToBytes() const {
  return used_ > 0 ? std::vector<uint8_t>(data_, data_ + used_) : std::vector<uint8_t>();
}

void PropertyStore::FromBytes(const uint8_t* bytes, uint32_t length) {
  if (length > uint32_t(INT32_MAX))
    frame::FatalError("Failed to allocate memory.", frame::kFatalExitCode);
  uint8_t* fresh = Allocate(length);
  if (length) std::memcpy(fresh, bytes, length);
  std::free(data_);
  data_ = fresh;
  capacity_ = int32_t(length);
  // Bytes past the last whole record (a damaged value) are kept in the buffer but not counted
  // as used, so records added later stay reachable and ToBytes gives whole records only.
  used_ = int32_t(WalkRecords(bytes, length, [](uint64_t, uint32_t, uint32_t) { return false; }));
}

void PropertyStore::FromBytes(const std::vector<uint8_t>& bytes) {
  FromBytes(bytes.data(), uint32_t(bytes.size()));
}

std::vector<PropertyRecord> ListRecords(const uint8_t* bytes, uint32_t length, bool* complete) {
  std::vector<PropertyRecord> records;
  const uint64_t end =
      WalkRecords(bytes, length, [&](uint64_t at, uint32_t keyLength, uint32_t valueLength) {
        const uint8_t* key = bytes + at + kHeaderSize;
        records.push_back({ReadBig(bytes + at), std::string(key, key + keyLength),
                           std::vector<uint8_t>(key + keyLength, key + keyLength + valueLength)});
        return false;
      });
  if (complete) *complete = end == length;
  return records;
}

}  // namespace storage
