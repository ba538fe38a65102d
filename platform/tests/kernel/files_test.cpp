// Files over device paths: mapping below the storage folder, case-insensitive names, the creation
// dispositions, reading, writing, seeking, and bad arguments.
#include <windows.h>

#include <fstream>
#include <string>

#include "kernel/temp_device.h"

namespace {

class DeviceFiles : public platform_test::TempDevice {
 protected:
  std::string HostText(const std::filesystem::path& relative) {
    std::ifstream in(Root() / relative, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void WriteHost(const std::filesystem::path& relative, const std::string& text) {
    std::filesystem::create_directories((Root() / relative).parent_path());
    std::ofstream(Root() / relative, std::ios::binary) << text;
  }
};

TEST_F(DeviceFiles, DevicePathsMapBelowTheStorageFolderWhateverTheirCase) {
  WriteHost("Program Files/Puttland/pt.dat", "archive");
  for (const wchar_t* path :
       {L"\\Program Files\\Puttland\\pt.dat", L"\\PROGRAM FILES\\puttland\\PT.DAT",
        L"Program Files/Puttland/pt.dat", L"\\Program Files\\\\.\\Puttland\\pt.dat"}) {
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    char buffer[16] = {};
    DWORD read = 0xdeadbeef;
    EXPECT_TRUE(ReadFile(file, buffer, sizeof buffer, &read, nullptr));
    EXPECT_EQ(std::string(buffer, read), "archive");
    CloseHandle(file);
  }
  // Folding covers names beyond ASCII, stored as UTF-8 on the host.
  WriteHost("Caf\xc3\xa9/\xc3\x89t\xc3\xa9.txt", "summer");
  HANDLE accented = CreateFileW(L"\\CAF\x00c9\\\x00e9T\x00c9.TXT", GENERIC_READ, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
  EXPECT_NE(accented, INVALID_HANDLE_VALUE);
  CloseHandle(accented);

  // A new file goes into the folder that exists, under the name given.
  ASSERT_TRUE(CreateDirectoryW(L"\\My Documents", nullptr));
  HANDLE created =
      CreateFileW(L"\\MY DOCUMENTS\\New.txt", GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(created, INVALID_HANDLE_VALUE);
  CloseHandle(created);
  EXPECT_TRUE(std::filesystem::exists(Root() / "My Documents" / "New.txt"));
}

TEST_F(DeviceFiles, NamesThatCouldLeaveTheDeviceAreRefused) {
  WriteHost("../outside.txt", "secret");
  for (const wchar_t* path : {L"\\..\\outside.txt", L"\\a\\..\\..\\outside.txt", L"C:\\outside.txt",
                              L"", L"\\", L"\\bad|name"}) {
    SetLastError(0);
    EXPECT_EQ(CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr),
              INVALID_HANDLE_VALUE)
        << path;
    EXPECT_EQ(GetLastError(), ERROR_INVALID_NAME) << path;
  }
  std::filesystem::remove(Root().parent_path() / "outside.txt");
}

TEST_F(DeviceFiles, DispositionsCreateTruncateAndReportWhatExisted) {
  HANDLE file =
      CreateFileW(L"\\f.bin", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
  DWORD written = 0;
  EXPECT_TRUE(WriteFile(file, "0123456789", 10, &written, nullptr));
  EXPECT_EQ(written, 10u);
  CloseHandle(file);

  file = CreateFileW(L"\\F.BIN", GENERIC_READ, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
  EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
  EXPECT_EQ(GetFileSize(file, nullptr), 10u);
  CloseHandle(file);

  EXPECT_EQ(CreateFileW(L"\\f.bin", GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr),
            INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), ERROR_FILE_EXISTS);

  file = CreateFileW(L"\\f.bin", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
  EXPECT_EQ(GetFileSize(file, nullptr), 0u) << "CREATE_ALWAYS truncates";
  CloseHandle(file);

  EXPECT_EQ(CreateFileW(L"\\missing.bin", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr),
            INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(
      CreateFileW(L"\\no folder\\x.bin", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr),
      INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
  EXPECT_EQ(CreateFileW(L"\\f.bin", GENERIC_READ, 0, nullptr, 0, 0, nullptr), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);

  EXPECT_TRUE(DeleteFileW(L"\\F.bin"));
  EXPECT_FALSE(DeleteFileW(L"\\f.bin"));
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
  ASSERT_TRUE(CreateDirectoryW(L"\\dir", nullptr));
  EXPECT_FALSE(CreateDirectoryW(L"\\DIR", nullptr));
  EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
  EXPECT_FALSE(DeleteFileW(L"\\dir"));
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
}

TEST_F(DeviceFiles, SeekingMovesBothWaysAndReadsStopAtTheEnd) {
  WriteHost("data.bin", "abcdefghij");
  HANDLE file =
      CreateFileW(L"\\data.bin", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  char buffer[4];
  DWORD read = 0;
  EXPECT_EQ(SetFilePointer(file, 6, nullptr, FILE_BEGIN), 6u);
  EXPECT_EQ(SetFilePointer(file, -4, nullptr, FILE_CURRENT), 2u)
      << "a negative relative seek moves back";
  EXPECT_TRUE(ReadFile(file, buffer, 3, &read, nullptr));
  EXPECT_EQ(std::string(buffer, read), "cde");
  EXPECT_EQ(SetFilePointer(file, -2, nullptr, FILE_END), 8u);
  EXPECT_TRUE(ReadFile(file, buffer, 4, &read, nullptr));
  EXPECT_EQ(std::string(buffer, read), "ij");
  EXPECT_TRUE(ReadFile(file, buffer, 4, &read, nullptr));
  EXPECT_EQ(read, 0u) << "reading at the end succeeds with 0 bytes";

  EXPECT_EQ(SetFilePointer(file, -11, nullptr, FILE_END), INVALID_SET_FILE_POINTER);
  EXPECT_EQ(GetLastError(), ERROR_NEGATIVE_SEEK);
  EXPECT_EQ(SetFilePointer(file, 0, nullptr, 7), INVALID_SET_FILE_POINTER);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(SetFilePointer(file, 0, nullptr, FILE_CURRENT), 10u)
      << "failed seeks leave the position";

  LONG high = 1;
  EXPECT_EQ(SetFilePointer(file, 5, &high, FILE_BEGIN), 5u) << "the high part makes 4 GiB + 5";
  EXPECT_EQ(high, 1);
  EXPECT_EQ(GetLastError(), NO_ERROR);

  EXPECT_FALSE(WriteFile(file, "x", 1, &read, nullptr)) << "opened for reading only";
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
  CloseHandle(file);
}

// Position 0 is a valid answer, not the failure value: a relative seek that lands exactly on the
// first byte succeeds and clears the last error.
TEST_F(DeviceFiles, RelativeSeeksCanLandOnTheFirstByte) {
  WriteHost("data.bin", "abcdefghij");
  WriteHost("empty.bin", "");
  HANDLE file =
      CreateFileW(L"\\data.bin", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  char buffer[4];
  DWORD read = 0;
  auto readThree = [&] {
    read = 0;
    EXPECT_TRUE(ReadFile(file, buffer, 3, &read, nullptr));
    return std::string(buffer, read);
  };

  EXPECT_EQ(readThree(), "abc");
  SetLastError(ERROR_NEGATIVE_SEEK);
  EXPECT_EQ(SetFilePointer(file, -3, nullptr, FILE_CURRENT), 0u) << "back by the position";
  EXPECT_EQ(GetLastError(), NO_ERROR);
  EXPECT_EQ(readThree(), "abc");

  SetLastError(ERROR_NEGATIVE_SEEK);
  EXPECT_EQ(SetFilePointer(file, -10, nullptr, FILE_END), 0u) << "back from the end by the size";
  EXPECT_EQ(GetLastError(), NO_ERROR);
  EXPECT_EQ(readThree(), "abc");

  LONG high = -1;
  SetLastError(ERROR_NEGATIVE_SEEK);
  EXPECT_EQ(SetFilePointer(file, -10, &high, FILE_END), 0u) << "the same with a 64-bit distance";
  EXPECT_EQ(high, 0);
  EXPECT_EQ(GetLastError(), NO_ERROR);
  EXPECT_EQ(readThree(), "abc");

  // One byte further back fails and leaves the position where it was.
  EXPECT_EQ(SetFilePointer(file, -4, nullptr, FILE_CURRENT), INVALID_SET_FILE_POINTER);
  EXPECT_EQ(GetLastError(), ERROR_NEGATIVE_SEEK);
  high = static_cast<LONG>(0x80000000u);  // the most negative 64-bit distance
  EXPECT_EQ(SetFilePointer(file, 0, &high, FILE_CURRENT), INVALID_SET_FILE_POINTER);
  EXPECT_EQ(GetLastError(), ERROR_NEGATIVE_SEEK);
  EXPECT_EQ(readThree(), "def");
  CloseHandle(file);

  HANDLE empty = CreateFileW(L"\\empty.bin", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(empty, INVALID_HANDLE_VALUE);
  SetLastError(ERROR_NEGATIVE_SEEK);
  EXPECT_EQ(SetFilePointer(empty, 0, nullptr, FILE_END), 0u) << "the end of an empty file";
  EXPECT_EQ(GetLastError(), NO_ERROR);
  CloseHandle(empty);
}

TEST_F(DeviceFiles, BadHandlesAndPointersFailWithoutTouchingAnything) {
  HANDLE mutex = CreateMutexW(nullptr, FALSE, nullptr);
  char buffer[4];
  DWORD count = 0xdeadbeef;
  for (HANDLE bad : {static_cast<HANDLE>(nullptr), INVALID_HANDLE_VALUE, mutex,
                     reinterpret_cast<HANDLE>(0x4444)}) {
    SetLastError(0);
    EXPECT_FALSE(ReadFile(bad, buffer, 4, &count, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(WriteFile(bad, buffer, 4, &count, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_EQ(SetFilePointer(bad, 0, nullptr, FILE_BEGIN), INVALID_SET_FILE_POINTER);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_EQ(GetFileSize(bad, nullptr), INVALID_FILE_SIZE);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  }
  CloseHandle(mutex);

  HANDLE file =
      CreateFileW(L"\\f", GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  EXPECT_FALSE(ReadFile(file, nullptr, 4, &count, nullptr));
  EXPECT_EQ(GetLastError(), ERROR_NOACCESS);
  EXPECT_FALSE(ReadFile(file, buffer, 4, nullptr, nullptr));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_FALSE(WriteFile(file, nullptr, 4, &count, nullptr));
  EXPECT_EQ(GetLastError(), ERROR_NOACCESS);
  EXPECT_TRUE(WriteFile(file, nullptr, 0, &count, nullptr)) << "writing nothing needs no buffer";
  EXPECT_EQ(CreateFileW(nullptr, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr),
            INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  CloseHandle(file);
}

}  // namespace
