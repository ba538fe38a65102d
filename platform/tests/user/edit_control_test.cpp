// The EDIT control: character limit, read-only, numbers only, the modified flag, backspace,
// the formatting rectangle, focus on a tap, notifications and colour requests to the parent.
#include <aygshell.h>

#include "user_test_support.h"

namespace user_test {
namespace {

class EditControl : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    form_ = Popup(0, 26, 240, 268, WS_POPUP | WS_VISIBLE);
    Drain();
  }
  HWND Edit(DWORD style, int limit = 0) {
    HWND edit = CreateWindowExW(
        0, L"EDIT", nullptr, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | ES_AUTOVSCROLL | style, 62,
        109, 117, 16, form_, reinterpret_cast<HMENU>(4000), nullptr, nullptr);
    EXPECT_NE(edit, nullptr);
    if (limit) SendMessageW(edit, EM_LIMITTEXT, limit, 0);
    return edit;
  }
  std::wstring Text(HWND edit) {
    wchar_t buffer[64] = {};
    int n = GetWindowTextW(edit, buffer, 64);
    EXPECT_EQ(n, SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0));
    return std::wstring(buffer, static_cast<size_t>(n));
  }
  void Type(HWND edit, const std::wstring& text) {
    for (wchar_t c : text) SendMessageW(edit, WM_CHAR, static_cast<WPARAM>(c), 1);
  }
  HWND form_ = nullptr;
};

TEST_F(EditControl, LimitRefusesTheCharacterPastIt) {
  HWND edit = Edit(ES_CENTER, 11);
  Type(edit, L"Hello World!");
  EXPECT_EQ(Text(edit), L"Hello World");
  EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 11);
  // WM_SETTEXT is not bound by the limit; typing past it still is.
  SetWindowTextW(edit, L"A much longer name");
  EXPECT_EQ(Text(edit), L"A much longer name");
  SendMessageW(edit, EM_SETSEL, 0, -1);
  Type(edit, L"x");
  EXPECT_EQ(Text(edit), L"A much longer name");
}

TEST_F(EditControl, ReadOnlyRefusesTypingButKeepsSetText) {
  HWND edit = Edit(ES_READONLY);
  SetWindowTextW(edit, L"fixed");
  Type(edit, L"abc\b");
  EXPECT_EQ(Text(edit), L"fixed");
  EXPECT_FALSE(SendMessageW(edit, EM_GETMODIFY, 0, 0));
  EXPECT_TRUE(SendMessageW(edit, EM_SETREADONLY, FALSE, 0));
  EXPECT_FALSE(GetWindowLongW(edit, GWL_STYLE) & ES_READONLY);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  Type(edit, L"!");
  EXPECT_EQ(Text(edit), L"fixed!");
}

TEST_F(EditControl, ModifiedAfterTypingAndClearedBySetText) {
  HWND edit = Edit(0, 11);
  EXPECT_FALSE(SendMessageW(edit, EM_GETMODIFY, 0, 0));
  Type(edit, L"ab");
  EXPECT_TRUE(SendMessageW(edit, EM_GETMODIFY, 0, 0));
  SendMessageW(edit, EM_SETMODIFY, FALSE, 0);
  EXPECT_FALSE(SendMessageW(edit, EM_GETMODIFY, 0, 0));
  Type(edit, L"\b");
  EXPECT_EQ(Text(edit), L"a");
  EXPECT_TRUE(SendMessageW(edit, EM_GETMODIFY, 0, 0));
  SetWindowTextW(edit, L"new");
  EXPECT_FALSE(SendMessageW(edit, EM_GETMODIFY, 0, 0));
  // Backspace at the start, and control characters, change nothing.
  Type(edit, L"\b\x1b\t");
  EXPECT_EQ(Text(edit), L"new");
  EXPECT_FALSE(SendMessageW(edit, EM_GETMODIFY, 0, 0));
}

TEST_F(EditControl, NumbersOnlyAndMultiLine) {
  HWND numbers = Edit(ES_NUMBER);
  Type(numbers, L"1a2-3");
  EXPECT_EQ(Text(numbers), L"123");
  HWND lines = Edit(ES_MULTILINE);
  Type(lines, L"ab\rc");
  EXPECT_EQ(Text(lines), L"ab\r\nc");
  EXPECT_EQ(SendMessageW(lines, EM_GETLINECOUNT, 0, 0), 2);
  Type(lines, L"\b\b");  // one character, then the line break as a whole
  EXPECT_EQ(Text(lines), L"ab");
  // A single-line edit ignores Enter.
  Type(numbers, L"\r");
  EXPECT_EQ(Text(numbers), L"123");
}

TEST_F(EditControl, GetTextCutsToTheBuffer) {
  HWND edit = Edit(0);
  SetWindowTextW(edit, L"abcdef");
  wchar_t buffer[4] = {L'x', L'x', L'x', L'x'};
  EXPECT_EQ(SendMessageW(edit, WM_GETTEXT, 4, reinterpret_cast<LPARAM>(buffer)), 3);
  EXPECT_EQ(std::wstring(buffer), L"abc");
  EXPECT_EQ(SendMessageW(edit, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buffer)), 0);
}

TEST_F(EditControl, FormatRectangle) {
  HWND edit = Edit(0);
  RECT r{};
  SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
  EXPECT_GT(r.right, r.left);
  RECT set{2, 1, 100, 15};
  SendMessageW(edit, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&set));
  SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
  EXPECT_TRUE(EqualRect(&r, &set));
  MoveWindow(edit, 0, 0, 50, 16, TRUE);  // a set rectangle survives resizing
  SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
  EXPECT_TRUE(EqualRect(&r, &set));
}

TEST_F(EditControl, TapGivesFocusAndTheParentHearsAboutChangesAndColours) {
  HWND edit = Edit(0);
  Drain();
  Log().clear();
  backend_->Tap(70, 26 + 112);
  backend_->Type(U"Jo");
  Drain();
  EXPECT_EQ(GetFocus(), edit);
  auto command = [&](WORD code) {
    return Expect{form_, WM_COMMAND, kW | kL, MAKEWPARAM(4000, code),
                  reinterpret_cast<LPARAM>(edit)};
  };
  EXPECT_SEQUENCE({{form_, WM_KILLFOCUS},
                   command(EN_SETFOCUS),
                   command(EN_UPDATE),
                   command(EN_CHANGE),
                   command(EN_UPDATE),
                   command(EN_CHANGE),
                   {form_, WM_CTLCOLOREDIT, kL, 0, reinterpret_cast<LPARAM>(edit)}});
  EXPECT_EQ(Text(edit), L"Jo");

  SendMessageW(edit, EM_SETREADONLY, TRUE, 0);
  Drain();
  EXPECT_SEQUENCE({{form_, WM_CTLCOLORSTATIC, kL, 0, reinterpret_cast<LPARAM>(edit)}});
  SetFocus(nullptr);
  EXPECT_SEQUENCE({command(EN_KILLFOCUS)});
}

TEST_F(EditControl, PaintsWithTheParentsColoursAndACaretWhileFocused) {
  HBRUSH yellow = CreateSolidBrush(RGB(255, 255, 0));
  SetHook([&](HWND, UINT m, WPARAM w, LPARAM, LRESULT& r) {
    if (m != WM_CTLCOLOREDIT && m != WM_CTLCOLORSTATIC) return false;
    SetTextColor(reinterpret_cast<HDC>(w), RGB(0, 0, 255));
    r = reinterpret_cast<LRESULT>(m == WM_CTLCOLOREDIT ? yellow : GetStockObject(BLACK_BRUSH));
    return true;
  });
  HWND edit = Edit(0);
  SetFocus(edit);
  Type(edit, L"W");
  Drain();
  // The edit lies at (62, 26 + 109), 117 by 16.
  EXPECT_EQ(Pixel(62 + 110, 26 + 109 + 8), 0xFFFF00u);
  int blue = 0;
  for (int x = 62; x < 62 + 40; ++x) {
    for (int y = 26 + 109; y < 26 + 125; ++y) blue += Pixel(x, y) == 0x0000FFu;
  }
  EXPECT_GT(blue, 10);  // the letter and the caret after it
  SetFocus(nullptr);
  Drain();
  int blueWithoutCaret = 0;
  for (int x = 62; x < 62 + 40; ++x) {
    for (int y = 26 + 109; y < 26 + 125; ++y) blueWithoutCaret += Pixel(x, y) == 0x0000FFu;
  }
  EXPECT_LT(blueWithoutCaret, blue);
  // Read-only: the static colour request decides.
  SendMessageW(edit, EM_SETREADONLY, TRUE, 0);
  Drain();
  EXPECT_EQ(Pixel(62 + 110, 26 + 109 + 8), 0u);
  DestroyWindow(edit);
  DeleteObject(yellow);
}

TEST_F(EditControl, InputPanelTypesIntoTheFocusedEdit) {
  SHMENUBARINFO bar{};
  bar.cbSize = 32;
  bar.hwndParent = form_;
  bar.dwFlags = SHCMBF_EMPTYBAR;
  ASSERT_TRUE(SHCreateMenuBar(&bar));
  HWND edit = Edit(0);
  Drain();
  backend_->Tap(70, 26 + 112);  // focus the edit
  backend_->Tap(225, 307);      // the input-panel button opens the panel above the bar
  Drain();
  HWND panel = FindWindowW(L"SipWndClass", nullptr);
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(IsWindowVisible(panel));
  RECT r;
  GetWindowRect(panel, &r);
  EXPECT_EQ(r.bottom, 294);
  auto key = [&](int column, int row) {
    backend_->Tap(column * 24 + 12, static_cast<int>(r.top) + row * 16 + 8);
  };
  key(5, 2);  // h
  key(1, 4);  // shift
  key(7, 1);  // I
  key(7, 1);  // i
  key(9, 2);  // backspace
  Drain();
  EXPECT_EQ(Text(edit), L"hI");
  EXPECT_EQ(GetFocus(), edit);
  EXPECT_EQ(GetActiveWindow(), form_);
  backend_->Tap(225, 307);
  Drain();
  EXPECT_FALSE(IsWindowVisible(panel));
}

}  // namespace
}  // namespace user_test
