// PropertyStore: named, typed records in one growable buffer whose bytes are also the
// serialised form (big-endian record headers; values as they lie in memory). A record's value
// may be another store's bytes, which gives nesting.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace storage {

inline constexpr uint32_t kPropertyValue = 0x10001;       // plain data: integers, text
inline constexpr uint32_t kPropertyStoreValue = 0x10002;  // a nested store's bytes

class PropertyStore {
 public:
  PropertyStore() = default;
  PropertyStore(const PropertyStore&) = delete;
  PropertyStore& operator=(const PropertyStore&) = delete;
  virtual ~PropertyStore();

  // Removes any record with the same key, then appends the new one.
  void SetValue(uint32_t type, const char* key, uint32_t keyLength, const void* value,
                uint32_t valueLength);
  void SetValue(uint32_t type, const char* key, const void* value, uint32_t valueLength);
  void SetString(const char* key, const std::string& value);
  void SetStore(uint32_t type, const char* key, uint32_t keyLength, const PropertyStore& nested);
  void SetStore(uint32_t type, const char* key, const PropertyStore& nested);

  // Getters return false and leave their output alone when the key is absent. A value whose
  // length is not `size` ends the program with "Mangled config.".
  bool GetValue(const char* key, uint32_t keyLength, void* destination, uint32_t size) const;
  bool GetValue(const char* key, void* destination, uint32_t size) const;
  bool GetString(const char* key, std::string* value) const;
  bool GetStore(const char* key, PropertyStore* nested) const;

  std::vector<uint8_t> ToBytes() const;
  // Takes a copy of the bytes. A damaged tail (lengths that run past the end) is not counted
  // as used: the store holds the whole records before it.
  void FromBytes(const std::vector<uint8_t>& bytes);
  void FromBytes(const uint8_t* bytes, uint32_t length);

  int32_t Capacity() const { return capacity_; }
  int32_t Used() const { return used_; }
  const uint8_t* Data() const { return data_; }

 private:
  struct Found {
    uint32_t record = 0;       // offset of the record's first byte
    uint32_t value = 0;        // offset of its value
    uint32_t valueLength = 0;  // bytes of value
    uint32_t size = 0;         // whole record
  };
  bool FindRecord(const char* key, uint32_t keyLength, uint32_t type, Found* found) const;
  void Reserve(int64_t needed);

  uint8_t* data_ = nullptr;
  int32_t capacity_ = 0;
  int32_t used_ = 0;
};

// The records of a serialised store, in order, for tools that print or rebuild one. Stops at
// the last whole record; `complete` tells whether the bytes ended exactly there.
struct PropertyRecord {
  uint32_t type;
  std::string key;
  std::vector<uint8_t> value;
};
std::vector<PropertyRecord> ListRecords(const uint8_t* bytes, uint32_t length, bool* complete);

}  // namespace storage
