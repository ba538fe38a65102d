// The registry functions: keys, the query protocol, value types, deletion and bad arguments.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "kernel/temp_device.h"
#include "registry/hive_store.h"

namespace {

class Registry : public platform_test::TempDevice {
 protected:
  void SetUp() override {
    TempDevice::SetUp();
    platform::registry::UnloadHive();
  }
  void TearDown() override {
    platform::registry::UnloadHive();
    TempDevice::TearDown();
  }
  HKEY Create(HKEY parent, const wchar_t* path, DWORD* disposition = nullptr) {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExW(parent, path, 0, nullptr, 0, 0, nullptr, &key, disposition),
              ERROR_SUCCESS);
    return key;
  }
};

const BYTE* Bytes(const wchar_t* text) {
  return reinterpret_cast<const BYTE*>(text);
}
DWORD TextSize(const wchar_t* text) {
  return static_cast<DWORD>((std::wcslen(text) + 1) * sizeof(WCHAR));
}

TEST_F(Registry, KeysAreCreatedWithTheirPathAndFoundWhateverTheCase) {
  DWORD disposition = 0;
  HKEY app = Create(HKEY_LOCAL_MACHINE, L"Software\\Ombrelune\\Puttland", &disposition);
  EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
  HKEY again = Create(HKEY_LOCAL_MACHINE, L"SOFTWARE\\ombrelune\\PUTTLAND\\", &disposition);
  EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));

  HKEY opened = reinterpret_cast<HKEY>(0x1);
  EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"software\\OMBRELUNE", 0, 0, &opened),
            ERROR_SUCCESS);
  HKEY child = nullptr;
  EXPECT_EQ(RegOpenKeyExW(opened, L"puttland", 0, 0, &child), ERROR_SUCCESS);
  EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Ombrelune", 0, 0, &opened),
            ERROR_FILE_NOT_FOUND)
      << "the two roots are separate trees";
  EXPECT_EQ(opened, nullptr);

  // A value set through one handle is seen through another, under any case of its name.
  ASSERT_EQ(
      RegSetValueExW(app, L"Resource File", 0, REG_SZ, Bytes(L"\\pt.dat"), TextSize(L"\\pt.dat")),
      ERROR_SUCCESS);
  WCHAR text[32];
  DWORD size = sizeof text;
  DWORD type = 0;
  EXPECT_EQ(RegQueryValueExW(child, L"RESOURCE FILE", nullptr, &type, reinterpret_cast<BYTE*>(text),
                             &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(size, TextSize(L"\\pt.dat")) << "string sizes count bytes of WCHARs and the terminator";
  EXPECT_STREQ(text, L"\\pt.dat");

  // Case folding covers letters beyond ASCII; the first spelling stays.
  HKEY accented = Create(app, L"Caf\x00c9 \x0152uvre \x0394");
  RegCloseKey(accented);
  EXPECT_EQ(RegOpenKeyExW(app, L"caf\x00e9 \x0153uvre \x03b4", 0, 0, &accented), ERROR_SUCCESS);
  RegCloseKey(accented);
  EXPECT_EQ(RegOpenKeyExW(app, L"cafe \x0153uvre \x03b4", 0, 0, &accented), ERROR_FILE_NOT_FOUND);

  for (HKEY key : {app, again, child}) EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(app), ERROR_INVALID_HANDLE) << "closed twice";
  EXPECT_EQ(RegCloseKey(HKEY_LOCAL_MACHINE), ERROR_SUCCESS);
}

TEST_F(Registry, QueryingAsksForTheSizeThenTheData) {
  HKEY key = Create(HKEY_LOCAL_MACHINE, L"Software\\Ombrelune\\Puttland\\Preferences");
  const BYTE record[] = {1, 2, 3, 4, 5, 6};
  ASSERT_EQ(RegSetValueExW(key, L"Preference0", 0, REG_BINARY, record, sizeof record),
            ERROR_SUCCESS);

  DWORD type = 0xdeadbeef, size = 0xdeadbeef;
  EXPECT_EQ(RegQueryValueExW(key, L"Preference0", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(size, sizeof record);

  BYTE small[4] = {0xAA, 0xAA, 0xAA, 0xAA};
  size = sizeof small;
  EXPECT_EQ(RegQueryValueExW(key, L"Preference0", nullptr, &type, small, &size), ERROR_MORE_DATA);
  EXPECT_EQ(size, sizeof record) << "the size needed comes back";

  BYTE guarded[8] = {0, 0, 0, 0, 0, 0, 0xEE, 0xEE};
  size = 6;
  EXPECT_EQ(RegQueryValueExW(key, L"Preference0", nullptr, nullptr, guarded, &size), ERROR_SUCCESS);
  EXPECT_EQ(std::vector<BYTE>(guarded, guarded + 8),
            (std::vector<BYTE>{1, 2, 3, 4, 5, 6, 0xEE, 0xEE}));

  size = 0xdeadbeef;
  EXPECT_EQ(RegQueryValueExW(key, L"Preference1", nullptr, &type, nullptr, &size),
            ERROR_FILE_NOT_FOUND);

  // An absent record written back as an empty value of type 0 reads as size 0 afterwards.
  ASSERT_EQ(RegSetValueExW(key, L"Preference1", 0, REG_NONE, nullptr, 0), ERROR_SUCCESS);
  type = 0xdeadbeef;
  EXPECT_EQ(RegQueryValueExW(key, L"Preference1", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_NONE));
  EXPECT_EQ(size, 0u);
  RegCloseKey(key);
}

TEST_F(Registry, EveryTypeKeepsItsBytesAcrossAReload) {
  HKEY key = Create(HKEY_CURRENT_USER, L"Types");
  const DWORD number = 10;
  const BYTE odd[] = {'a', 0, 0};               // a string value that is not whole WCHARs
  const wchar_t unterminated[] = {L'n', L'o'};  // nor terminated
  const wchar_t quotes[] = L"say \"hi\" \\ to caf\x00e9 \x20ac";
  const std::vector<BYTE> big(300, 0x5A);
  ASSERT_EQ(RegSetValueExW(key, L"none", 0, REG_NONE, nullptr, 0), ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExW(key, L"sz", 0, REG_SZ, Bytes(quotes), TextSize(quotes)), ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExW(key, L"odd sz", 0, REG_SZ, odd, sizeof odd), ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExW(key, L"raw sz", 0, REG_SZ, Bytes(unterminated), sizeof unterminated),
            ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExW(key, L"expand", 0, REG_EXPAND_SZ, Bytes(L"%x%"), TextSize(L"%x%")),
            ERROR_SUCCESS);
  ASSERT_EQ(
      RegSetValueExW(key, L"binary", 0, REG_BINARY, big.data(), static_cast<DWORD>(big.size())),
      ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExW(key, L"dword", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4),
            ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExW(key, nullptr, 0, REG_DWORD_BIG_ENDIAN, odd, 3), ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExW(key, L"a \"quoted\\\" name", 0, REG_SZ, Bytes(L""), TextSize(L"")),
            ERROR_SUCCESS);
  RegCloseKey(key);

  platform::registry::UnloadHive();
  struct Expected {
    const wchar_t* name;
    DWORD type;
    std::vector<BYTE> data;
  };
  auto bytesOf = [](const void* p, size_t n) {
    return std::vector<BYTE>(static_cast<const BYTE*>(p), static_cast<const BYTE*>(p) + n);
  };
  const Expected expected[] = {
      {L"NONE", REG_NONE, {}},
      {L"sz", REG_SZ, bytesOf(quotes, TextSize(quotes))},
      {L"odd sz", REG_SZ, bytesOf(odd, 3)},
      {L"raw sz", REG_SZ, bytesOf(unterminated, sizeof unterminated)},
      {L"expand", REG_EXPAND_SZ, bytesOf(L"%x%", TextSize(L"%x%"))},
      {L"binary", REG_BINARY, big},
      {L"dword", REG_DWORD, {10, 0, 0, 0}},
      {L"", REG_DWORD_BIG_ENDIAN, bytesOf(odd, 3)},
      {L"A \"QUOTED\\\" NAME", REG_SZ, bytesOf(L"", sizeof(WCHAR))},
  };
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"types", 0, 0, &key), ERROR_SUCCESS);
  for (const auto& e : expected) {
    std::vector<BYTE> data(400);
    DWORD type = 0xdeadbeef, size = static_cast<DWORD>(data.size());
    ASSERT_EQ(RegQueryValueExW(key, e.name, nullptr, &type, data.data(), &size), ERROR_SUCCESS)
        << e.name;
    data.resize(size);
    EXPECT_EQ(type, e.type) << e.name;
    EXPECT_EQ(data, e.data) << e.name;
  }
  RegCloseKey(key);
}

TEST_F(Registry, DeletingAKeyTakesItsSubtreeAndOpenHandlesSeeItGone) {
  HKEY app = Create(HKEY_LOCAL_MACHINE, L"Software\\Ombrelune\\Puttland\\Preferences\\Deep");
  HKEY ombrelune = Create(HKEY_LOCAL_MACHINE, L"Software\\Ombrelune");
  EXPECT_EQ(RegDeleteKeyW(ombrelune, L"PUTTLAND"), ERROR_SUCCESS);
  HKEY gone = nullptr;
  EXPECT_EQ(
      RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Ombrelune\\Puttland\\Preferences", 0, 0, &gone),
      ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegSetValueExW(app, L"x", 0, REG_NONE, nullptr, 0), ERROR_KEY_DELETED);
  DWORD size = 0;
  EXPECT_EQ(RegQueryValueExW(app, L"x", nullptr, nullptr, nullptr, &size), ERROR_KEY_DELETED);
  EXPECT_EQ(RegDeleteKeyW(ombrelune, L"Puttland"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, L""), ERROR_ACCESS_DENIED) << "a root key stays";
  EXPECT_EQ(RegCloseKey(app), ERROR_SUCCESS);
  RegCloseKey(ombrelune);
}

TEST_F(Registry, BadHandlesNamesAndPointersGetTheirErrors) {
  HKEY key = Create(HKEY_LOCAL_MACHINE, L"Software");
  HKEY result = reinterpret_cast<HKEY>(0x1);
  HKEY bogus = reinterpret_cast<HKEY>(0x12345);
  EXPECT_EQ(RegOpenKeyExW(bogus, L"x", 0, 0, &result), ERROR_INVALID_HANDLE);
  EXPECT_EQ(result, nullptr);
  EXPECT_EQ(RegCreateKeyExW(bogus, L"x", 0, nullptr, 0, 0, nullptr, &result, nullptr),
            ERROR_INVALID_HANDLE);
  EXPECT_EQ(RegSetValueExW(bogus, L"x", 0, REG_NONE, nullptr, 0), ERROR_INVALID_HANDLE);
  EXPECT_EQ(RegQueryValueExW(bogus, L"x", nullptr, nullptr, nullptr, nullptr),
            ERROR_INVALID_HANDLE);
  EXPECT_EQ(RegDeleteKeyW(bogus, L"x"), ERROR_INVALID_HANDLE);
  EXPECT_EQ(RegCloseKey(bogus), ERROR_INVALID_HANDLE);

  EXPECT_EQ(RegOpenKeyExW(key, L"x", 0, 0, nullptr), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(RegCreateKeyExW(key, nullptr, 0, nullptr, 0, 0, nullptr, &result, nullptr),
            ERROR_INVALID_PARAMETER);
  EXPECT_EQ(RegSetValueExW(key, L"x", 0, REG_BINARY, nullptr, 4), ERROR_NOACCESS);
  BYTE data[4];
  EXPECT_EQ(RegQueryValueExW(key, L"x", nullptr, nullptr, data, nullptr), ERROR_INVALID_PARAMETER);
  DWORD reserved = 0;
  EXPECT_EQ(RegQueryValueExW(key, L"x", &reserved, nullptr, nullptr, nullptr),
            ERROR_INVALID_PARAMETER);
  EXPECT_EQ(RegDeleteKeyW(key, nullptr), ERROR_INVALID_PARAMETER);

  EXPECT_EQ(RegCreateKeyExW(key, L"\\Leading", 0, nullptr, 0, 0, nullptr, &result, nullptr),
            ERROR_BAD_PATHNAME);
  EXPECT_EQ(RegCreateKeyExW(key, L"a\\\\b", 0, nullptr, 0, 0, nullptr, &result, nullptr),
            ERROR_BAD_PATHNAME);
  EXPECT_EQ(RegCreateKeyExW(key, std::wstring(256, L'k').c_str(), 0, nullptr, 0, 0, nullptr,
                            &result, nullptr),
            ERROR_INVALID_PARAMETER);
  EXPECT_EQ(RegSetValueExW(key, L"line\nbreak", 0, REG_NONE, nullptr, 0), ERROR_INVALID_PARAMETER);
  RegCloseKey(key);
}

}  // namespace
