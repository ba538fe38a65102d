// The input panel: five rows of 24 by 16 pixel keys just above the menu bar. A tap on a key
// posts what a keyboard would: WM_CHAR for characters, WM_KEYDOWN/WM_KEYUP for Backspace and
// Enter (whose characters TranslateMessage makes). Shift applies to the next letter only.
// The panel never takes the activation or the focus.
#include "device/input_panel.h"

#include <cwctype>
#include <string>
#include <vector>

#include "device/chrome.h"
#include "user/window_manager.h"

namespace platform::device {

namespace {

constexpr wchar_t kPanelClass[] = L"SipWndClass";
constexpr int kKeyWidth = 24;
constexpr int kKeyHeight = 16;
constexpr wchar_t kShift = 1;  // key codes below 0x20 that are not characters

struct Key {
  RECT rect;
  wchar_t code;  // the character, or VK_BACK / VK_RETURN / kShift
  const wchar_t* label;
};

struct Panel {
  HWND window = nullptr;
  bool shift = false;
  int pressed = -1;
};

Panel& ThePanel() {
  static Panel panel;
  return panel;
}

const std::vector<Key>& Keys() {
  static const std::vector<Key> kEys = [] {
    std::vector<Key> k;
    static const wchar_t* rows[4] = {L"1234567890", L"qwertyuiop", L"asdfghjkl", L"zxcvbnm-.'"};
    static wchar_t labels[40][2];
    int n = 0;
    for (int row = 0; row < 4; ++row) {
      int x = 0;
      for (const wchar_t* c = rows[row]; *c; ++c, ++n) {
        labels[n][0] = *c;
        labels[n][1] = 0;
        k.push_back({{x, row * kKeyHeight, x + kKeyWidth, (row + 1) * kKeyHeight}, *c, labels[n]});
        x += kKeyWidth;
      }
      if (row == 2) {
        k.push_back({{x, row * kKeyHeight, 240, (row + 1) * kKeyHeight}, VK_BACK, L"<-"});
      }
    }
    int y = 4 * kKeyHeight;
    k.push_back({{0, y, 2 * kKeyWidth, y + kKeyHeight}, kShift, L"Shift"});
    k.push_back({{2 * kKeyWidth, y, 8 * kKeyWidth, y + kKeyHeight}, L' ', L""});
    k.push_back({{8 * kKeyWidth, y, 240, y + kKeyHeight}, VK_RETURN, L"Enter"});
    return k;
  }();
  return kEys;
}

int KeyAt(LPARAM lParam) {
  POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  const auto& keys = Keys();
  for (size_t i = 0; i < keys.size(); ++i) {
    if (PtInRect(&keys[i].rect, p)) return static_cast<int>(i);
  }
  return -1;
}

void Type(const Key& key) {
  auto& wm = user::WindowManager::Get();
  HWND target = wm.focus ? wm.focus : wm.active;
  Panel& panel = ThePanel();
  if (key.code == kShift) {
    panel.shift = !panel.shift;
    return;
  }
  if (!target) return;
  if (key.code == VK_BACK || key.code == VK_RETURN) {
    PostMessageW(target, WM_KEYDOWN, key.code, 1);
    PostMessageW(target, WM_KEYUP, key.code, static_cast<LPARAM>(1 | (1UL << 30) | (1UL << 31)));
    return;
  }
  wchar_t c = key.code;
  if (panel.shift) c = static_cast<wchar_t>(std::towupper(c));
  panel.shift = false;
  PostMessageW(target, WM_CHAR, c, 1);
}

void Paint(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT client;
  GetClientRect(hwnd, &client);
  HBRUSH face = CreateSolidBrush(RGB(236, 236, 236));
  HBRUSH down = CreateSolidBrush(RGB(40, 40, 40));
  HBRUSH edge = CreateSolidBrush(RGB(120, 120, 120));
  FillRect(dc, &client, edge);
  SetBkMode(dc, TRANSPARENT);
  Panel& panel = ThePanel();
  const auto& keys = Keys();
  for (size_t i = 0; i < keys.size(); ++i) {
    const Key& key = keys[i];
    bool pressed = static_cast<int>(i) == panel.pressed || (key.code == kShift && panel.shift);
    RECT inner{key.rect.left + 1, key.rect.top + 1, key.rect.right - 1, key.rect.bottom - 1};
    FillRect(dc, &inner, pressed ? down : face);
    SetTextColor(dc, pressed ? RGB(255, 255, 255) : RGB(0, 0, 0));
    std::wstring label = key.label;
    if (panel.shift && label.size() == 1) label[0] = static_cast<wchar_t>(std::towupper(label[0]));
    DrawTextW(dc, label.c_str(), static_cast<int>(label.size()), &inner,
              DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
  }
  DeleteObject(face);
  DeleteObject(down);
  DeleteObject(edge);
  EndPaint(hwnd, &ps);
}

LRESULT CALLBACK PanelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Panel& panel = ThePanel();
  switch (msg) {
    case WM_PAINT:
      Paint(hwnd);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDOWN:
      panel.pressed = KeyAt(lParam);
      SetCapture(hwnd);
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case WM_LBUTTONUP: {
      int held = panel.pressed;
      panel.pressed = -1;
      if (GetCapture() == hwnd) ReleaseCapture();
      if (held >= 0 && KeyAt(lParam) == held) Type(Keys()[static_cast<size_t>(held)]);
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    }
    case WM_CAPTURECHANGED:
      panel.pressed = -1;
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case WM_DESTROY:
      if (panel.window == hwnd) panel.window = nullptr;
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

}  // namespace

void RegisterInputPanelClass() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = PanelProc;
  wc.lpszClassName = kPanelClass;
  user::WindowManager::Get().AddClass(wc, user::ClassOwner::kSystem);
}

void ToggleInputPanel() {
  Panel& panel = ThePanel();
  if (!IsWindow(panel.window)) {
    int top = 320 - kMenuBarHeight - kInputPanelHeight;
    panel.window = CreateWindowExW(WS_EX_TOPMOST, kPanelClass, L"Input Panel", WS_POPUP, 0, top,
                                   240, kInputPanelHeight, nullptr, nullptr, nullptr, nullptr);
    if (user::Window* w = user::WindowManager::Get().Find(panel.window)) w->noActivate = true;
  }
  if (!panel.window) return;
  panel.shift = false;
  ShowWindow(panel.window, IsWindowVisible(panel.window) ? SW_HIDE : SW_SHOWNA);
}

HWND InputPanelWindow() {
  HWND w = ThePanel().window;
  return IsWindow(w) && IsWindowVisible(w) ? w : nullptr;
}

}  // namespace platform::device
