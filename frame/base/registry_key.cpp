// RegistryKey: open or create, close, sub-key deletion, and the application key.
#include "frame/base/registry_key.h"

#include <string>

#include "frame/base/application_names.h"
#include "frame/base/fatal_error.h"

namespace frame {

RegistryKey::RegistryKey(HKEY root, const char* path, KeyCreation creation) {
  Open(root, path, creation);
}

RegistryKey::RegistryKey(RegistryKey* parent, const char* path, KeyCreation creation)
    : parent_(parent) {
  ++parent_->openChildren_;
  if (parent_->handle_) Open(parent_->handle_, path, creation);
}

void RegistryKey::Open(HKEY parent, const char* path, KeyCreation creation) {
  WideString wide(path);
  HKEY key = nullptr;
  LONG status;
  if (creation == KeyCreation::kCreateIfMissing) {
    DWORD disposition = 0;
    status = RegCreateKeyExW(parent, wide, 0, nullptr, 0, 0, nullptr, &key, &disposition);
  } else {
    status = RegOpenKeyExW(parent, wide, 0, 0, &key);
  }
  if (status == ERROR_SUCCESS) handle_ = key;
}

RegistryKey::~RegistryKey() {
  current_.reset();
  if (handle_) RegCloseKey(handle_);
  if (parent_) --parent_->openChildren_;
}

RegistryValue* RegistryKey::SelectValue(const char* name) {
  current_.reset();
  current_ = std::make_unique<RegistryValue>(this, name);
  return current_.get();
}

bool RegistryKey::DeleteSubKey(const char* name) {
  WideString wide(name);
  return handle_ && RegDeleteKeyW(handle_, wide) == ERROR_SUCCESS;
}

std::unique_ptr<RegistryKey> OpenApplicationKey() {
  const std::string path = std::string("Software\\") + kCompanyName + "\\" + kApplicationName;
  auto key =
      std::make_unique<RegistryKey>(HKEY_LOCAL_MACHINE, path.c_str(), KeyCreation::kOpenOnly);
  if (!key->IsOpen()) FatalError("Couldn't open registry key", kFatalExitCode);
  return key;
}

}  // namespace frame
