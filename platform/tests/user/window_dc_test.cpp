// Window device contexts draw straight onto the screen, only where the window shows: windows
// above it are left alone, a paint DC keeps to the invalid area, a class DC lives with its window.
#include "user_test_support.h"

namespace user_test {
namespace {

using WindowDC = UserTest;

void FillClient(HWND hwnd, HDC dc, COLORREF colour) {
  RECT client;
  GetClientRect(hwnd, &client);
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &client, brush);
  DeleteObject(brush);
}

TEST_F(WindowDC, DrawingKeepsToTheVisiblePartOfTheWindow) {
  HWND below = Popup(0, 30, 200, 200, WS_POPUP | WS_VISIBLE);
  HWND above = Popup(50, 80, 50, 50, WS_POPUP | WS_VISIBLE);
  HWND child = Child(below, 150, 150, 20, 20, 1);
  Drain();
  FillClient(above, GetDC(above), RGB(0, 255, 0));
  HDC dc = GetDC(below);
  FillClient(below, dc, RGB(255, 0, 0));
  EXPECT_EQ(Pixel(10, 40), 0xFF0000u);
  EXPECT_EQ(Pixel(60, 90), 0x00FF00u);    // the popup above is untouched
  EXPECT_EQ(Pixel(155, 185), 0xFF0000u);  // children are drawn over (no WS_CLIPCHILDREN)
  EXPECT_EQ(Pixel(205, 40), 0x008080u);   // nothing outside the window: the desktop
  // The DC asks afresh at each call: once the popup above is hidden, its area is drawn too.
  ShowWindow(above, SW_HIDE);
  FillClient(below, dc, RGB(0, 0, 255));
  EXPECT_EQ(Pixel(60, 90), 0x0000FFu);
  // A hidden window's DC draws nothing.
  ShowWindow(below, SW_HIDE);
  FillClient(below, dc, RGB(255, 255, 255));
  EXPECT_NE(Pixel(10, 40), 0xFFFFFFu);
  EXPECT_EQ(ReleaseDC(below, dc), 1);
  EXPECT_EQ(ReleaseDC(below, dc), 0);  // already released
  (void)child;
}

TEST_F(WindowDC, PaintDCKeepsToTheInvalidRectangle) {
  HWND w = Popup(0, 30, 100, 100, WS_POPUP | WS_VISIBLE);
  Drain();
  FillClient(w, GetDC(w), RGB(0, 0, 0));
  RECT part{10, 10, 20, 20};
  InvalidateRect(w, &part, FALSE);
  RECT painted{};
  SetHook([&](HWND h, UINT m, WPARAM, LPARAM, LRESULT& r) {
    if (h != w || m != WM_PAINT) return false;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(h, &ps);
    painted = ps.rcPaint;
    FillClient(h, dc, RGB(255, 255, 0));
    EndPaint(h, &ps);
    r = 0;
    return true;
  });
  Drain();
  EXPECT_TRUE(EqualRect(&painted, &part));
  EXPECT_EQ(Pixel(15, 45), 0xFFFF00u);
  EXPECT_EQ(Pixel(25, 45), 0u);
  EXPECT_EQ(Pixel(5, 35), 0u);
}

TEST_F(WindowDC, ClassDCIsTheSameForTheWindowsLife) {
  WNDCLASSW wc{};
  wc.style = CS_OWNDC;
  wc.lpfnWndProc = LoggingProc;
  wc.lpszClassName = L"OwnDC";
  ASSERT_TRUE(RegisterClassW(&wc));
  HWND w = CreateWindowExW(0, L"OwnDC", L"", WS_POPUP | WS_VISIBLE, 0, 30, 50, 50, nullptr, nullptr,
                           nullptr, nullptr);
  HDC first = GetDC(w);
  EXPECT_EQ(GetDC(w), first);
  EXPECT_EQ(ReleaseDC(w, first), 1);
  EXPECT_EQ(GetDC(w), first);
  SetTextColor(first, RGB(1, 2, 3));
  EXPECT_EQ(GetTextColor(GetDC(w)), RGB(1, 2, 3));  // its settings stay
  DestroyWindow(w);
}

}  // namespace
}  // namespace user_test
