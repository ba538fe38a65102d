// Keys and values of the in-memory registry.
#include "registry/hive.h"

#include <algorithm>

#include "kernel/wide_text.h"

namespace platform::registry {

Key* Key::FindChild(std::wstring_view name) const {
  auto it = children_.find(FoldCase(name));
  return it == children_.end() ? nullptr : it->second.get();
}

Key& Key::AddChild(std::wstring_view name, bool& created) {
  auto [it, inserted] = children_.try_emplace(FoldCase(name));
  if (inserted) it->second = std::make_unique<Key>(std::wstring(name));
  created = inserted;
  return *it->second;
}

bool Key::RemoveChild(std::wstring_view name) {
  return children_.erase(FoldCase(name)) > 0;
}

const Value* Key::FindValue(std::wstring_view name) const {
  auto it = std::find_if(values_.begin(), values_.end(),
                         [&](const Value& value) { return EqualsNoCase(value.name, name); });
  return it == values_.end() ? nullptr : &*it;
}

void Key::SetValue(std::wstring_view name, DWORD type, std::vector<uint8_t> data) {
  auto it = std::find_if(values_.begin(), values_.end(),
                         [&](const Value& value) { return EqualsNoCase(value.name, name); });
  if (it == values_.end()) {
    values_.push_back(Value{std::wstring(name), type, std::move(data)});
  } else {
    it->type = type;  // the name keeps its first spelling
    it->data = std::move(data);
  }
}

}  // namespace platform::registry
