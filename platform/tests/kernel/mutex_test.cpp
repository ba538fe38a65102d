// Named mutexes between processes: the second process gets a handle and ERROR_ALREADY_EXISTS.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "kernel/temp_device.h"
#include "kernel/wide_text.h"

namespace {

// Helper mode: when started by RunSelf with PT_MUTEX_HELPER=<name>, this program creates the
// mutex and exits with the last error (183 for "already exists", 0 for a new one), or 99 when
// no handle came back. PT_MUTEX_HELPER_KEEP=1 exits without closing the handle.
const bool kHelperRan = [] {
  const char* name = std::getenv("PT_MUTEX_HELPER");
  if (name == nullptr) return false;
  HANDLE mutex = CreateMutexW(nullptr, TRUE, platform::Utf8ToWideLenient(name).c_str());
  const DWORD error = GetLastError();
  if (mutex == nullptr) std::_Exit(99);
  if (std::getenv("PT_MUTEX_HELPER_KEEP") == nullptr) CloseHandle(mutex);
  std::_Exit(static_cast<int>(error));
}();

class NamedMutex : public platform_test::TempDevice {
 protected:
  int OtherProcessCreates(const std::string& name, bool keep = false) {
    std::map<std::string, std::string> env{{"PT_MUTEX_HELPER", name}};
    if (keep) env["PT_MUTEX_HELPER_KEEP"] = "1";
    return platform_test::RunSelf(Root(), env);
  }
};

TEST_F(NamedMutex, SecondProcessGetsAHandleAndAlreadyExistsWhileTheFirstHoldsIt) {
  SetLastError(0xdeadbeef);
  HANDLE mine = CreateMutexW(nullptr, TRUE, L"OmbrelunePuttland");
  ASSERT_NE(mine, nullptr);
  EXPECT_EQ(GetLastError(), ERROR_SUCCESS);

  EXPECT_EQ(OtherProcessCreates("OmbrelunePuttland"), ERROR_ALREADY_EXISTS);
  EXPECT_EQ(OtherProcessCreates("OmbreluneOther"), ERROR_SUCCESS);
  EXPECT_EQ(OtherProcessCreates("ombrelunePuttland"), ERROR_SUCCESS)
      << "object names are case-sensitive";

  EXPECT_TRUE(ReleaseMutex(mine));
  EXPECT_TRUE(CloseHandle(mine));
  EXPECT_EQ(OtherProcessCreates("OmbrelunePuttland"), ERROR_SUCCESS)
      << "closing the last handle ends the mutex";
}

TEST_F(NamedMutex, EndsWithTheProcessThatHeldIt) {
  EXPECT_EQ(OtherProcessCreates("Left open", /*keep=*/true), ERROR_SUCCESS);
  HANDLE mutex = CreateMutexW(nullptr, FALSE, L"Left open");
  ASSERT_NE(mutex, nullptr);
  EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
  CloseHandle(mutex);
}

TEST_F(NamedMutex, SameProcessOpensTheSameObjectAndOwnershipIsNotShared) {
  HANDLE first = CreateMutexW(nullptr, TRUE, L"Twice");
  HANDLE second = CreateMutexW(nullptr, TRUE, L"Twice");
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
  EXPECT_NE(first, second);

  // The second call's request for ownership was ignored: one release, then no more.
  EXPECT_TRUE(ReleaseMutex(second));
  SetLastError(0);
  EXPECT_FALSE(ReleaseMutex(first));
  EXPECT_EQ(GetLastError(), ERROR_NOT_OWNER);

  CloseHandle(first);
  EXPECT_EQ(OtherProcessCreates("Twice"), ERROR_ALREADY_EXISTS) << "one handle still open";
  CloseHandle(second);
  EXPECT_EQ(OtherProcessCreates("Twice"), ERROR_SUCCESS);
}

TEST_F(NamedMutex, BadHandlesAndNamesFailWithTheirErrors) {
  EXPECT_FALSE(ReleaseMutex(nullptr));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_FALSE(ReleaseMutex(reinterpret_cast<HANDLE>(0x12345678)));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);

  HANDLE mutex = CreateMutexW(nullptr, TRUE, nullptr);
  ASSERT_NE(mutex, nullptr);
  EXPECT_TRUE(CloseHandle(mutex));
  EXPECT_FALSE(CloseHandle(mutex)) << "a closed handle stays invalid";
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_FALSE(ReleaseMutex(mutex));

  const std::wstring tooLong(MAX_PATH + 1, L'x');
  EXPECT_EQ(CreateMutexW(nullptr, FALSE, tooLong.c_str()), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_FILENAME_EXCED_RANGE);
  const std::wstring longest(MAX_PATH, L'\x00e9');
  HANDLE accepted = CreateMutexW(nullptr, FALSE, longest.c_str());
  EXPECT_NE(accepted, nullptr) << "the longest name still gets a lock file";
  CloseHandle(accepted);
}

}  // namespace
