// The table of embedded resources.
#include "kernel/resource_registry.h"

#include <memory>
#include <mutex>
#include <vector>

namespace platform {
namespace {

wchar_t UpperAscii(wchar_t c) {
  return (c >= L'a' && c <= L'z') ? c - (L'a' - L'A') : c;
}

struct Table {
  std::mutex mutex;
  // unique_ptr keeps each entry's address stable: HRSRC handles point at the entries.
  std::vector<std::unique_ptr<EmbeddedResource>> entries;
};

Table& TheTable() {
  static Table table;
  return table;
}

bool AllDigits(std::wstring_view text) {
  if (text.empty() || text.size() > 5) return false;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return false;
  }
  return true;
}

ResourceKey FromWide(std::wstring_view text) {
  if (AllDigits(text)) {
    unsigned id = 0;
    for (wchar_t c : text) id = id * 10 + static_cast<unsigned>(c - L'0');
    if (id <= 0xFFFF) return ResourceKey::FromId(id);
  }
  ResourceKey key;
  key.isId = false;
  key.name.reserve(text.size());
  for (wchar_t c : text) key.name.push_back(UpperAscii(c));
  return key;
}

}  // namespace

ResourceKey ResourceKey::FromText(std::string_view text) {
  std::wstring wide;
  for (char c : text) wide.push_back(static_cast<unsigned char>(c));
  return FromWide(wide);
}

ResourceKey ResourceKey::FromWin32(const wchar_t* text) {
  auto value = reinterpret_cast<uintptr_t>(text);
  if ((value >> 16) == 0) return FromId(static_cast<unsigned>(value));
  std::wstring_view view(text);
  if (!view.empty() && view[0] == L'#') {
    ResourceKey key = FromWide(view.substr(1));
    if (key.isId) return key;
  }
  return FromWide(view);
}

bool RegisterResource(std::string_view type, std::string_view name, const uint8_t* data,
                      size_t size) {
  auto entry = std::make_unique<EmbeddedResource>(
      EmbeddedResource{ResourceKey::FromText(type), ResourceKey::FromText(name), data, size});
  Table& table = TheTable();
  std::lock_guard lock(table.mutex);
  for (auto& existing : table.entries) {
    if (existing->type == entry->type && existing->name == entry->name) {
      existing->data = data;
      existing->size = size;
      return true;
    }
  }
  table.entries.push_back(std::move(entry));
  return true;
}

const EmbeddedResource* FindEmbeddedResource(const ResourceKey& type, const ResourceKey& name,
                                             ResourceLookup* result) {
  Table& table = TheTable();
  std::lock_guard lock(table.mutex);
  bool typeSeen = false;
  for (auto& entry : table.entries) {
    if (!(entry->type == type)) continue;
    typeSeen = true;
    if (entry->name == name) {
      if (result) *result = ResourceLookup::kFound;
      return entry.get();
    }
  }
  if (result) *result = typeSeen ? ResourceLookup::kNameNotFound : ResourceLookup::kTypeNotFound;
  return nullptr;
}

bool IsEmbeddedResource(const void* entry) {
  if (!entry) return false;
  Table& table = TheTable();
  std::lock_guard lock(table.mutex);
  for (auto& existing : table.entries) {
    if (existing.get() == entry) return true;
  }
  return false;
}

const EmbeddedResource* ResourceAt(const void* data) {
  if (!data) return nullptr;
  Table& table = TheTable();
  std::lock_guard lock(table.mutex);
  for (auto& existing : table.entries) {
    if (existing->data == data) return existing.get();
  }
  return nullptr;
}

}  // namespace platform
