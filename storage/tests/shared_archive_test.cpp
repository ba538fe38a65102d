// The process's data archive, found through the registry's "Resource File" on first use, and
// each way that lookup can fail. Every case runs in a fresh child process, since the archive
// is opened once per process.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "frame/tests/fatal_capture.h"
#include "storage/archive/archive_writer.h"
#include "storage/archive/virtual_file.h"
#include "storage/resource/vfile_resource.h"
#include "storage/tests/device_folder.h"

namespace {

const wchar_t kApplicationKey[] = L"Software\\Ombrelune\\Puttland";

// Recreates the application key; `type` 0 leaves "Resource File" out.
void InstallKey(DWORD type, const std::wstring& value) {
  test_device::Folder();
  RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"Software\\Ombrelune");
  HKEY key = nullptr;
  DWORD disposition = 0;
  RegCreateKeyExW(HKEY_LOCAL_MACHINE, kApplicationKey, 0, nullptr, 0, 0, nullptr, &key,
                  &disposition);
  if (type == REG_DWORD) {
    const DWORD number = 7;
    RegSetValueExW(key, L"Resource File", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4);
  } else if (type) {
    RegSetValueExW(key, L"Resource File", 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                   DWORD((value.size() + 1) * sizeof(wchar_t)));
  }
  RegCloseKey(key);
}

void InstallArchive() {
  std::vector<uint8_t> archive;
  ASSERT_TRUE(storage::BuildArchive(
      {{"course001", {1, 2, 3, 4}}, {"pt_ball.bmp", std::vector<uint8_t>(300, 'b')}},
      storage::EntryPacking::kLzrw2WhenSmaller, archive));
  test_device::WriteFile("data.dat", archive);
}

class SharedArchiveDeathTest : public testing::Test {
 protected:
  void SetUp() override {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    test_device::Folder();  // made here, so the children share it and it is removed once
  }
};

TEST_F(SharedArchiveDeathTest, EntriesAreReadThroughTheRegisteredPath) {
  EXPECT_EXIT(
      {
        InstallArchive();
        InstallKey(REG_EXPAND_SZ, L"\\data.dat");
        storage::VirtualFile course("course001");
        storage::VirtualFile missing("course002");
        storage::VFileResource ball("pt_ball.bmp");
        uint8_t bytes[8];
        const bool ok = course.IsOpen() && course.Read(bytes, 8) == 4 && bytes[3] == 4 &&
                        !missing.IsOpen() && ball.Size() == 300 && ball.Data()[299] == 'b';
        std::exit(ok ? 0 : 1);
      },
      testing::ExitedWithCode(0), "");
}

TEST_F(SharedArchiveDeathTest, EveryWayTheArchiveCannotBeFound) {
  fatal_capture::Install();
  EXPECT_EXIT(
      {
        test_device::Folder();
        RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"Software\\Ombrelune");
        storage::VirtualFile entry("course001");
      },
      testing::ExitedWithCode(255), "\\[Fatal error\\] Couldn't open registry key");
  EXPECT_EXIT(
      {
        InstallKey(0, L"");
        storage::VirtualFile entry("course001");
      },
      testing::ExitedWithCode(255), "\\[Fatal error\\] Couldn't load datafile");
  EXPECT_EXIT(
      {
        InstallArchive();
        InstallKey(REG_DWORD, L"");
        storage::VirtualFile entry("course001");
      },
      testing::ExitedWithCode(255), "\\[Fatal error\\] Couldn't load datafile");
  EXPECT_EXIT(
      {
        InstallKey(REG_SZ, L"\\no such archive.dat");
        storage::VirtualFile entry("course001");
      },
      testing::ExitedWithCode(255), "\\[Fatal error\\] Couldn't load datafile");
  EXPECT_EXIT(
      {
        InstallArchive();
        InstallKey(REG_SZ, L"\\data.dat");
        storage::VFileResource resource("pt_hole.bmp");
      },
      testing::ExitedWithCode(255),
      "\\[Fatal error\\] VFileResource: Couldn't load file resource: pt_hole\\.bmp");
}

}  // namespace
