// MessageBoxW: a modal box drawn by the layer, with the caption, an icon, the text wrapped to the
// box and an OK button (and Cancel with MB_OKCANCEL). Tapping a button, Enter (OK) or Escape
// (Cancel, or OK when there is none) ends it. The owner is disabled meanwhile.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "backend/screen.h"
#include "user/chrome_hooks.h"
#include "user/system_classes.h"
#include "user/window_manager.h"

namespace platform::user {

namespace {

constexpr wchar_t kBoxClass[] = L"#32770";
constexpr int kBoxWidth = 224;
constexpr int kMargin = 8;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 64;
constexpr int kButtonHeight = 22;

struct Box {
  std::vector<std::wstring> lines;
  int lineHeight = 13;
  UINT type = MB_OK;
  int buttons = 1;
  int pressed = 0;  // 1-based index of the button held down, 0 for none
  int result = 0;
  RECT button[2]{};
};

Box* BoxOf(HWND hwnd) {
  return reinterpret_cast<Box*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

int ButtonResult(const Box& box, int index) {
  return box.buttons == 2 && index == 2 ? IDCANCEL : IDOK;
}

std::vector<std::wstring> Wrap(HDC dc, const std::wstring& text, int width) {
  std::vector<std::wstring> lines;
  auto measure = [&](const std::wstring& s) {
    SIZE size{0, 0};
    if (!s.empty()) GetTextExtentPoint32W(dc, s.c_str(), static_cast<int>(s.size()), &size);
    return static_cast<int>(size.cx);
  };
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(L'\n', start);
    std::wstring paragraph = text.substr(start, end == std::wstring::npos ? end : end - start);
    if (!paragraph.empty() && paragraph.back() == L'\r') paragraph.pop_back();
    std::wstring line;
    size_t i = 0;
    while (i < paragraph.size()) {
      size_t space = paragraph.find(L' ', i);
      std::wstring word = paragraph.substr(i, space == std::wstring::npos ? space : space - i);
      std::wstring candidate = line.empty() ? word : line + L" " + word;
      if (!line.empty() && measure(candidate) > width) {
        lines.push_back(line);
        line = word;
      } else {
        line = candidate;
      }
      // A single word wider than the box is cut where it no longer fits (keeping at least one
      // character a line).
      while (measure(line) > width && line.size() > 1) {
        INT fit = 0;
        SIZE size{0, 0};
        GetTextExtentExPointW(dc, line.c_str(), static_cast<int>(line.size()), width, &fit, nullptr,
                              &size);
        const size_t cut = std::max<size_t>(1, static_cast<size_t>(fit));
        lines.push_back(line.substr(0, cut));
        line = line.substr(cut);
      }
      if (space == std::wstring::npos) break;
      i = space + 1;
    }
    lines.push_back(line);
    if (end == std::wstring::npos) break;
    start = end + 1;
  }
  return lines;
}

void Fill(HDC dc, RECT r, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

void PaintIcon(HDC dc, UINT icon) {
  if (!icon) return;
  COLORREF colour = icon == MB_ICONHAND          ? RGB(200, 30, 30)
                    : icon == MB_ICONEXCLAMATION ? RGB(230, 160, 0)
                                                 : RGB(30, 80, 200);
  const wchar_t* glyph = icon == MB_ICONHAND          ? L"X"
                         : icon == MB_ICONEXCLAMATION ? L"!"
                         : icon == MB_ICONQUESTION    ? L"?"
                                                      : L"i";
  HBRUSH brush = CreateSolidBrush(colour);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
  Ellipse(dc, kMargin, kMargin, kMargin + kIconSize + 1, kMargin + kIconSize + 1);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(brush);
  SetTextColor(dc, RGB(255, 255, 255));
  RECT r{kMargin, kMargin, kMargin + kIconSize, kMargin + kIconSize};
  DrawTextW(dc, glyph, 1, &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
}

void Paint(HWND hwnd, Box& box) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT client;
  GetClientRect(hwnd, &client);
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetBkMode(dc, TRANSPARENT);
  UINT icon = box.type & MB_ICONMASK;
  PaintIcon(dc, icon);
  SetTextColor(dc, RGB(0, 0, 0));
  int x = icon ? 2 * kMargin + kIconSize : kMargin;
  int y = kMargin;
  for (const std::wstring& line : box.lines) {
    RECT r{x, y, client.right - kMargin, y + box.lineHeight};
    DrawTextW(dc, line.c_str(), static_cast<int>(line.size()), &r,
              DT_SINGLELINE | DT_LEFT | DT_TOP | DT_NOPREFIX);
    y += box.lineHeight;
  }
  for (int i = 0; i < box.buttons; ++i) {
    RECT b = box.button[i];
    bool down = box.pressed == i + 1;
    Fill(dc, b, RGB(0, 0, 0));
    RECT face{b.left + 1, b.top + 1, b.right - 1, b.bottom - 1};
    Fill(dc, face, down ? RGB(0, 0, 0) : RGB(230, 230, 230));
    SetTextColor(dc, down ? RGB(255, 255, 255) : RGB(0, 0, 0));
    const wchar_t* label = ButtonResult(box, i + 1) == IDOK ? L"OK" : L"Cancel";
    DrawTextW(dc, label, -1, &face, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
  }
  EndPaint(hwnd, &ps);
}

int ButtonAt(const Box& box, LPARAM lParam) {
  POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  for (int i = 0; i < box.buttons; ++i) {
    if (PtInRect(&box.button[i], p)) return i + 1;
  }
  return 0;
}

LRESULT CALLBACK BoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Box* box = BoxOf(hwnd);
  if (!box) return DefWindowProcW(hwnd, msg, wParam, lParam);
  switch (msg) {
    case WM_PAINT:
      Paint(hwnd, *box);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDOWN:
      box->pressed = ButtonAt(*box, lParam);
      if (box->pressed) SetCapture(hwnd);
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case WM_LBUTTONUP: {
      int held = box->pressed;
      box->pressed = 0;
      if (GetCapture() == hwnd) ReleaseCapture();
      if (held && ButtonAt(*box, lParam) == held) box->result = ButtonResult(*box, held);
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (box->pressed) InvalidateRect(hwnd, nullptr, FALSE);
      box->pressed = 0;
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN) box->result = IDOK;
      if (wParam == VK_ESCAPE) box->result = box->buttons == 2 ? IDCANCEL : IDOK;
      return 0;
    case WM_CLOSE:
      box->result = box->buttons == 2 ? IDCANCEL : IDOK;
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

}  // namespace

void RegisterMessageBoxClass() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = BoxProc;
  wc.lpszClassName = kBoxClass;
  WindowManager::Get().AddClass(wc, ClassOwner::kSystem);
}

}  // namespace platform::user

namespace platform::user {

namespace {

// The box's contents and where its window goes: the text wrapped below the caption, beside the
// icon, the buttons spread evenly along the bottom, the window centred in the work area.
struct BoxLayout {
  std::unique_ptr<Box> box;
  int x = 0;
  int y = 0;
  int height = 0;
};

BoxLayout LayOutBox(LPCWSTR text, UINT type, UINT buttons) {
  auto box = std::make_unique<Box>();
  box->type = type;
  box->buttons = buttons == MB_OKCANCEL ? 2 : 1;
  bool icon = (type & MB_ICONMASK) != 0;
  int textLeft = icon ? 2 * kMargin + kIconSize : kMargin;
  int clientWidth = kBoxWidth - 2;
  HDC measure = GetDC(nullptr);
  TEXTMETRICW metrics{};
  GetTextMetricsW(measure, &metrics);
  box->lineHeight = metrics.tmHeight > 0 ? metrics.tmHeight : 13;
  box->lines = Wrap(measure, text ? text : L"", clientWidth - textLeft - kMargin);
  ReleaseDC(nullptr, measure);
  int textHeight = static_cast<int>(box->lines.size()) * box->lineHeight;
  int bodyHeight = std::max(icon ? kIconSize : 0, textHeight);
  int buttonTop = kMargin + bodyHeight + kMargin;
  int clientHeight = buttonTop + kButtonHeight + kMargin;
  int workTop = platform::ScreenBuffer::kTopBarHeight;
  int workHeight = 320 - workTop - platform::ScreenBuffer::kMenuBarHeight;
  int height = std::min(clientHeight + 2 + kCaptionHeight, 320 - workTop);
  int spacing = (clientWidth - box->buttons * kButtonWidth) / (box->buttons + 1);
  for (int i = 0; i < box->buttons; ++i) {
    int left = spacing + i * (kButtonWidth + spacing);
    box->button[i] = {left, buttonTop, left + kButtonWidth, buttonTop + kButtonHeight};
  }
  int x = (240 - kBoxWidth) / 2;
  int y = workTop + std::max(0, (workHeight - height) / 2);
  return {std::move(box), x, y, height};
}

// How the modal loop ended: a WM_QUIT it met must reach the program's own loop afterwards.
struct ModalEnd {
  bool quit = false;
  int quitCode = 0;
};

ModalEnd RunBoxLoop(HWND hwndBox, const Box& box) {
  MSG msg;
  ModalEnd end;
  while (box.result == 0 && IsWindow(hwndBox)) {
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      end.quit = true;
      end.quitCode = static_cast<int>(msg.wParam);
      break;
    }
    if (got < 0) break;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return end;
}

// Gives the owner back its input, removes the box and hands the activation back to the owner
// (or to the window that was active before the box).
void CloseBox(HWND hwndBox, HWND ownerHandle, bool disabledOwner, HWND previous) {
  if (disabledOwner && IsWindow(ownerHandle)) EnableWindow(ownerHandle, TRUE);
  if (IsWindow(hwndBox)) {
    SetWindowLongPtrW(hwndBox, GWLP_USERDATA, 0);
    DestroyWindow(hwndBox);
  }
  HWND back = ownerHandle ? ownerHandle : previous;
  if (back && IsWindowVisible(back) && GetActiveWindow() != back) SetActiveWindow(back);
}

}  // namespace

}  // namespace platform::user

using platform::user::Window;
using platform::user::WindowManager;

int WINAPI MessageBoxW(HWND hWnd, LPCWSTR lpText, LPCWSTR lpCaption, UINT uType) {
  using namespace platform::user;
  auto& wm = WindowManager::Get();
  Window* owner = nullptr;
  if (hWnd) {
    owner = wm.Check(hWnd);
    if (!owner) return 0;
    owner = wm.TopLevelOf(owner);
  }
  // The box is also written to the error stream, so that a box nobody sees (headless runs, logs)
  // still tells what happened.
  std::fprintf(stderr, "[%ls] %ls\n", lpCaption ? lpCaption : L"Error", lpText ? lpText : L"");
  UINT buttons = uType & MB_TYPEMASK;
  if (buttons != MB_OK && buttons != MB_OKCANCEL) {
    SetLastError(ERROR_NOT_SUPPORTED);
    return 0;
  }
  BoxLayout layout = LayOutBox(lpText, uType, buttons);
  Box& box = *layout.box;

  HWND previous = wm.active;
  HWND hwndBox = CreateWindowExW(WS_EX_TOPMOST, kBoxClass, lpCaption ? lpCaption : L"Error",
                                 WS_POPUP | WS_CAPTION, layout.x, layout.y, kBoxWidth,
                                 layout.height, hWnd, nullptr, nullptr, nullptr);
  if (!hwndBox) return 0;
  SetWindowLongPtrW(hwndBox, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&box));
  HWND ownerHandle = owner ? owner->handle : nullptr;
  bool disabledOwner = ownerHandle && !EnableWindow(ownerHandle, FALSE);
  ShowWindow(hwndBox, SW_SHOW);
  UpdateWindow(hwndBox);

  const ModalEnd end = RunBoxLoop(hwndBox, box);
  int result = box.result ? box.result : (box.buttons == 2 ? IDCANCEL : IDOK);
  CloseBox(hwndBox, ownerHandle, disabledOwner, previous);
  if (end.quit) PostQuitMessage(end.quitCode);  // the program's own loop ends too
  return result;
}

BOOL WINAPI MessageBeep(UINT) {
  return TRUE;
}
