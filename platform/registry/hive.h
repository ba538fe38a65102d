// The registry in memory: two root keys, each a tree of keys holding typed values. Key and value
// names compare without regard to case and keep the spelling they were created with.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform::registry {

struct Value {
  std::wstring name;  // empty: the key's default value
  DWORD type = REG_NONE;
  std::vector<uint8_t> data;
};

class Key {
 public:
  explicit Key(std::wstring name) : name_(std::move(name)) {}

  const std::wstring& Name() const { return name_; }
  Key* FindChild(std::wstring_view name) const;
  // The child of that name, created when missing; `created` tells which.
  Key& AddChild(std::wstring_view name, bool& created);
  bool RemoveChild(std::wstring_view name);
  // Children in the order of their folded names, as a listing shows them.
  const std::map<std::wstring, std::unique_ptr<Key>>& Children() const { return children_; }

  const Value* FindValue(std::wstring_view name) const;
  void SetValue(std::wstring_view name, DWORD type, std::vector<uint8_t> data);
  // Values in the order they were first set.
  const std::vector<Value>& Values() const { return values_; }

 private:
  std::wstring name_;
  std::map<std::wstring, std::unique_ptr<Key>> children_;  // keyed by folded name
  std::vector<Value> values_;
};

enum class Root { kLocalMachine, kCurrentUser };

struct Hive {
  Key localMachine{L"HKEY_LOCAL_MACHINE"};
  Key currentUser{L"HKEY_CURRENT_USER"};

  Key& RootKey(Root root) { return root == Root::kLocalMachine ? localMachine : currentUser; }
  const Key& RootKey(Root root) const {
    return root == Root::kLocalMachine ? localMachine : currentUser;
  }
};

}  // namespace platform::registry
