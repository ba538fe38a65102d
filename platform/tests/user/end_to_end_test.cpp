// A whole program on the headless device: two popups, an edit box and the menu bar; a script
// taps and types; the screen (and its PNG screenshot) shows what the program drew.
#include <aygshell.h>
#include <gtest/gtest.h>
#include <unistd.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>

#include "backend/headless.h"
#include "backend/png_file.h"
#include "backend/screen.h"
#include "user/window_manager.h"

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 200, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

struct Program {
  HWND main = nullptr;
  HWND note = nullptr;
  HWND edit = nullptr;
  POINT mark{-1, -1};
};
Program* TheProgram = nullptr;

LRESULT CALLBACK MainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_LBUTTONDOWN:
      MoveWindow(TheProgram->note, 10, 220, 100, 80, TRUE);
      SetFocus(hwnd);
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_F4) PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

LRESULT CALLBACK NoteProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_LBUTTONDOWN:
      TheProgram->mark = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      if (TheProgram->mark.x >= 0) {
        HBRUSH red = CreateSolidBrush(kRed);
        RECT r{TheProgram->mark.x - 5, TheProgram->mark.y - 5, TheProgram->mark.x + 5,
               TheProgram->mark.y + 5};
        FillRect(dc, &r, red);
        DeleteObject(red);
      }
      EndPaint(hwnd, &ps);
      return 0;
    }
    default:
      return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

uint32_t Pixel(int x, int y) {
  return platform::TheScreen().Row(y)[x] & 0xFFFFFF;
}
uint32_t Screen(COLORREF c) {
  return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

TEST(EndToEnd, TwoPopupsTappedAndTypedShowOnTheScreen) {
  platform::user::WindowManager::Get().ResetForTests();
  platform::SetBackend(std::make_unique<platform::HeadlessBackend>());
  platform::HeadlessBackend& device = platform::Headless();
  Program state;
  TheProgram = &state;
  HBRUSH blue = CreateSolidBrush(kBlue);
  HBRUSH green = CreateSolidBrush(kGreen);
  WNDCLASSW wc{};
  wc.lpfnWndProc = MainProc;
  wc.hbrBackground = blue;
  wc.lpszClassName = L"EndToEndMain";
  ASSERT_TRUE(RegisterClassW(&wc));
  wc.lpfnWndProc = NoteProc;
  wc.hbrBackground = green;
  wc.lpszClassName = L"EndToEndNote";
  ASSERT_TRUE(RegisterClassW(&wc));

  state.main = CreateWindowExW(0, L"EndToEndMain", L"Main", WS_POPUP | WS_VISIBLE, 0, 26, 240, 268,
                               nullptr, nullptr, nullptr, nullptr);
  state.edit =
      CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 20, 40,
                      100, 18, state.main, reinterpret_cast<HMENU>(1), nullptr, nullptr);
  SHMENUBARINFO bar{};
  bar.cbSize = sizeof bar;
  bar.hwndParent = state.main;
  bar.dwFlags = SHCMBF_EMPTYBAR;
  ASSERT_TRUE(SHCreateMenuBar(&bar));
  state.note = CreateWindowExW(0, L"EndToEndNote", L"Note", WS_POPUP | WS_VISIBLE, 120, 150, 100,
                               80, state.main, nullptr, nullptr, nullptr);  // owned: stays above

  device.Tap(150, 200, 10);         // on the note: a red mark at (30, 50) of it
  device.Tap(30, 26 + 40 + 5, 10);  // on the edit box: it takes the focus
  device.Text(U"Hi", 10);
  device.Tap(200, 60, 10);  // on the main popup: the note moves away
  device.KeyPress(VK_F4, 10);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  EXPECT_EQ(device.AutoQuits(), 0u);  // the program ended by itself

  wchar_t text[8] = {};
  GetWindowTextW(state.edit, text, 8);
  EXPECT_STREQ(text, L"Hi");

  auto png = std::filesystem::temp_directory_path() /
             ("end-to-end-" + std::to_string(::getpid()) + ".png");
  std::string error;
  ASSERT_TRUE(device.Screenshot(png, &error)) << error;
  EXPECT_GT(std::filesystem::file_size(png), 100u);
  std::vector<uint32_t> shot;
  int width = 0, height = 0;
  ASSERT_TRUE(platform::ReadPng(png, shot, width, height, &error)) << error;
  if (!std::getenv("KEEP_SCREENSHOT")) std::filesystem::remove(png);
  ASSERT_EQ(width, 240);
  ASSERT_EQ(height, 320);
  auto pixel = [&](int x, int y) {
    return shot[static_cast<size_t>(y) * 240 + static_cast<size_t>(x)] & 0xFFFFFF;
  };
  EXPECT_EQ(pixel(10 + 30, 220 + 50), Screen(kRed));  // the note's mark, in the picture
  EXPECT_EQ(pixel(200, 100), Screen(kBlue));

  EXPECT_EQ(Pixel(200, 100), Screen(kBlue));          // the main popup
  EXPECT_EQ(Pixel(150, 200), Screen(kBlue));          // uncovered by the note and repainted
  EXPECT_EQ(Pixel(100, 230), Screen(kGreen));         // the note where it moved
  EXPECT_EQ(Pixel(10 + 30, 220 + 50), Screen(kRed));  // its mark
  EXPECT_EQ(Pixel(2, 2), 0x10246Eu);                  // the top bar
  EXPECT_EQ(Pixel(200, 310), 0xD6D6D6u);              // the menu bar
  EXPECT_EQ(Pixel(20, 26 + 40), 0u);                  // the edit box's border
  EXPECT_EQ(Pixel(60, 26 + 50), 0xFFFFFFu);           // and its background

  DestroyWindow(state.note);
  DestroyWindow(state.main);
  UnregisterClassW(L"EndToEndMain", nullptr);
  UnregisterClassW(L"EndToEndNote", nullptr);
  DeleteObject(blue);
  DeleteObject(green);
  platform::user::WindowManager::Get().ResetForTests();
  TheProgram = nullptr;
}

}  // namespace
