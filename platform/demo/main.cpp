// A small program written as for the handheld: a main popup with a name box and a button that
// shows a message box, a second captioned popup that moves to where it is tapped, and the shell's
// menu bar. F4 ends it (or closing the window).
#include <aygshell.h>
#include <commctrl.h>
#include <windows.h>

#include <cstdio>

#include "device/options.h"

namespace {

constexpr int kNameBoxId = 100;
const RECT kButton{70, 150, 170, 180};
HWND NameBox = nullptr;
HWND Note = nullptr;

void Text(HDC dc, const wchar_t* text, RECT r, UINT format) {
  DrawTextW(dc, text, -1, &r, format | DT_SINGLELINE | DT_NOPREFIX);
}

void PaintMain(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  SetBkMode(dc, TRANSPARENT);
  Text(dc, L"Your name:", {20, 80, 220, 100}, DT_LEFT);
  HBRUSH face = CreateSolidBrush(RGB(40, 120, 60));
  FillRect(dc, &kButton, face);
  DeleteObject(face);
  SetTextColor(dc, RGB(255, 255, 255));
  Text(dc, L"Say hello", kButton, DT_CENTER | DT_VCENTER);
  EndPaint(hwnd, &ps);
}

LRESULT CALLBACK MainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE: {
      NameBox = CreateWindowExW(
          0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_CENTER | ES_AUTOHSCROLL, 20, 105,
          200, 20, hwnd, reinterpret_cast<HMENU>(kNameBoxId), nullptr, nullptr);
      SendMessageW(NameBox, EM_LIMITTEXT, 11, 0);
      SHMENUBARINFO info{};
      info.cbSize = sizeof info;
      info.hwndParent = hwnd;
      info.dwFlags = SHCMBF_EMPTYBAR;
      if (!SHCreateMenuBar(&info)) MessageBoxW(hwnd, L"SHCreateMenuBar Failed", L"Error", MB_OK);
      return 0;
    }
    case WM_PAINT:
      PaintMain(hwnd);
      return 0;
    case WM_LBUTTONDOWN: {
      POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      if (PtInRect(&kButton, p)) {
        wchar_t name[16] = L"";
        GetWindowTextW(NameBox, name, 16);
        wchar_t text[64];
        std::swprintf(text, 64, L"Hello, %ls!", name[0] ? name : L"whoever you are");
        MessageBoxW(hwnd, text, L"Greeting", MB_OK | MB_ICONINFORMATION);
      } else {
        SetFocus(hwnd);
      }
      return 0;
    }
    case WM_CTLCOLOREDIT:
      SetTextColor(reinterpret_cast<HDC>(wParam), RGB(0, 0, 160));
      SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 224));
      return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

LRESULT CALLBACK NoteProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    SetBkMode(dc, TRANSPARENT);
    Text(dc, L"Tap the main window", client, DT_CENTER | DT_VCENTER);
    EndPaint(hwnd, &ps);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

ATOM Register(const wchar_t* name, WNDPROC proc, int colour) {
  WNDCLASSW wc{};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = proc;
  wc.hbrBackground = GetSysColorBrush(colour);
  wc.lpszClassName = name;
  return RegisterClassW(&wc);
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  if (!platform::ApplyDeviceOptions(argc, argv, &error)) {
    std::fprintf(stderr, "platform-demo: %s\n", error.c_str());
    return 2;
  }
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  if (!Register(L"DemoMain", MainProc, COLOR_WINDOW) ||
      !Register(L"DemoNote", NoteProc, COLOR_BTNFACE)) {
    MessageBoxW(nullptr, L"Couldn't register window class", L"Fatal error", MB_ICONERROR);
    return 1;
  }
  HWND mainWindow = CreateWindowExW(0, L"DemoMain", L"Platform demo", WS_POPUP, 0, 26, 240, 268,
                                    nullptr, nullptr, nullptr, nullptr);
  Note = CreateWindowExW(0, L"DemoNote", L"Second popup", WS_POPUP | WS_CAPTION, 30, 220, 180, 60,
                         mainWindow, nullptr, nullptr, nullptr);
  ShowWindow(mainWindow, SW_SHOWNORMAL);
  ShowWindow(Note, SW_SHOWNA);
  UpdateWindow(mainWindow);
  SetFocus(NameBox);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    // F4 ends the demo whichever window has the focus.
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_F4) {
      DestroyWindow(mainWindow);
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
