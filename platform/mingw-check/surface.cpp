// Calls every function of the platform's API surface once, with arguments of the documented
// types, so that the compile check proves each of them is real Windows (CE) API.
#include <aygshell.h>
#include <commctrl.h>
#include <mmsystem.h>
#include <windows.h>

#include <initializer_list>

namespace {

LRESULT CALLBACK SurfaceProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Kernel() {
  SetLastError(ERROR_SUCCESS);
  DWORD error = GetLastError() + GetTickCount();
  Sleep(0);

  HANDLE mutex = CreateMutexW(nullptr, TRUE, L"OmbrelunePuttland");
  if (GetLastError() == ERROR_ALREADY_EXISTS) ReleaseMutex(mutex);
  CloseHandle(mutex);

  wchar_t helpFile[] = L"\\Windows\\Puttland.htm";
  PROCESS_INFORMATION info;
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  CreateProcessW(L"peghelp.exe", helpFile, nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr,
                 &info);
  CreateProcessW(L"peghelp.exe", nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                 &info);

  WCHAR path[MAX_PATH];
  HMODULE module = GetModuleHandleW(nullptr);
  GetModuleFileNameW(module, path, MAX_PATH);

  HANDLE file = CreateFileW(L"\\Program Files\\Puttland\\pt.dat", GENERIC_READ, FILE_SHARE_READ,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    BYTE buffer[16];
    DWORD count = 0;
    ReadFile(file, buffer, sizeof buffer, &count, nullptr);
    WriteFile(file, buffer, count, &count, nullptr);
    LONG high = 0;
    if (SetFilePointer(file, -4, nullptr, FILE_CURRENT) == INVALID_SET_FILE_POINTER)
      error = GetLastError();
    SetFilePointer(file, 0, &high, FILE_END);
    if (GetFileSize(file, nullptr) == INVALID_FILE_SIZE) error = GetLastError();
    CloseHandle(file);
  }
  CreateFileW(L"\\My Documents\\x", GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
              nullptr);
  DeleteFileW(L"\\My Documents\\x");
  CreateDirectoryW(L"\\My Documents", nullptr);

  char narrow[32];
  BOOL usedDefault = FALSE;
  MultiByteToWideChar(CP_ACP, 0, "Puttland", -1, path, MAX_PATH);
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, "x", 1, path, MAX_PATH);
  WideCharToMultiByte(CP_ACP, 0, path, -1, narrow, sizeof narrow, "?", &usedDefault);
  WideCharToMultiByte(CP_UTF8, 0, path, -1, narrow, sizeof narrow, nullptr, nullptr);

  if (error == ERROR_INVALID_HANDLE) TerminateProcess(GetCurrentProcess(), static_cast<UINT>(-1));
  if (error == ERROR_NOT_OWNER) ExitProcess(0);
}

void Registry() {
  HKEY key = nullptr;
  DWORD disposition = 0;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Ombrelune\\Puttland", 0, 0, &key) !=
      ERROR_SUCCESS)
    return;
  RegCreateKeyExW(key, L"Preferences", 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                  &key, &disposition);
  DWORD type = REG_NONE, size = 0;
  BYTE data[64];
  LONG result = RegQueryValueExW(key, L"Preference0", nullptr, &type, nullptr, &size);
  result = RegQueryValueExW(key, L"Preference0", nullptr, &type, data, &size);
  if (result == ERROR_MORE_DATA || result == ERROR_FILE_NOT_FOUND) size = 0;
  RegSetValueExW(key, L"Preference0", 0, REG_BINARY, data, size);
  RegSetValueExW(key, L"Preference1", 0, REG_NONE, nullptr, 0);
  const DWORD number = 1;
  RegSetValueExW(key, L"n", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
  RegSetValueExW(key, L"s", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"x"), 2 * sizeof(WCHAR));
  RegSetValueExW(key, L"e", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(L"x"),
                 2 * sizeof(WCHAR));
  if (disposition == REG_CREATED_NEW_KEY || disposition == REG_OPENED_EXISTING_KEY)
    RegDeleteKeyW(key, L"Old");
  RegCloseKey(key);
  RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, &key);
}

void Windows(HINSTANCE instance) {
  WNDCLASSW windowClass = {};
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = SurfaceProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = L"VelaFormClass";
  RegisterClassW(&windowClass);
  GetClassInfoW(instance, L"VelaFormClass", &windowClass);
  HWND root = CreateWindowExW(0, L"VelaMainFormClass", L"Puttland", 0, 0, 0, 0, 0, nullptr, nullptr,
                              instance, nullptr);
  HWND form = CreateWindowExW(0, L"VelaFormClass", L"Game", WS_POPUP | WS_CAPTION, 0, 26, 240, 268,
                              root, nullptr, instance, nullptr);
  HWND edit =
      CreateWindowExW(0, L"EDIT", L"No name",
                      WS_CHILD | WS_VISIBLE | ES_CENTER | ES_AUTOHSCROLL | ES_NUMBER | ES_READONLY,
                      10, 10, 100, 20, form, reinterpret_cast<HMENU>(4000), instance, nullptr);
  CallWindowProcW(SurfaceProc, form, WM_NULL, 0, 0);
  ShowWindow(root, SW_SHOWNORMAL);
  ShowWindow(form, SW_HIDE);
  SetWindowPos(form, HWND_TOP, 0, 26, 240, 268, SWP_NOACTIVATE | SWP_NOZORDER);
  MoveWindow(form, 0, 26, 240, 268, TRUE);
  RECT rect;
  POINT point = {1, 2};
  GetWindowRect(form, &rect);
  GetClientRect(form, &rect);
  ClientToScreen(form, &point);
  ScreenToClient(form, &point);
  if (IsWindow(form) && IsWindowVisible(form) && IsWindowEnabled(form) && IsChild(form, edit))
    EnableWindow(edit, FALSE);
  GetParent(edit);
  GetDlgItem(form, 4000);
  GetDlgCtrlID(edit);
  FindWindowW(L"VelaMainFormClass", L"Puttland");
  WindowFromPoint(point);
  SetWindowLongW(form, GWL_STYLE, GetWindowLongW(form, GWL_STYLE));
  SetWindowLongPtrW(form, GWLP_USERDATA, GetWindowLongPtrW(form, GWLP_USERDATA));
  WCHAR text[32];
  SetWindowTextW(edit, L"Name");
  GetWindowTextW(edit, text, 32);
  GetWindowTextLengthW(edit);
  SetActiveWindow(form);
  GetActiveWindow();
  SetForegroundWindow(root);
  GetForegroundWindow();
  SetFocus(edit);
  GetFocus();
  SetCapture(form);
  GetCapture();
  ReleaseCapture();

  SendMessageW(edit, EM_LIMITTEXT, 11, 0);
  SendMessageW(edit, EM_SETREADONLY, TRUE, 0);
  SendMessageW(edit, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&rect));
  SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rect));
  if (SendMessageW(edit, EM_GETMODIFY, 0, 0))
    SendMessageW(edit, WM_GETTEXT, 32, reinterpret_cast<LPARAM>(text));
  SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"x"));
  SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0);
  PostMessageW(form, WM_COMMAND, MAKEWPARAM(4000, 0), reinterpret_cast<LPARAM>(edit));
  MSG message;
  if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) || GetMessageW(&message, nullptr, 0, 0)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  GetMessagePos();
  GetMessageTime();
  PostQuitMessage(0);

  PAINTSTRUCT paint;
  HDC dc = BeginPaint(form, &paint);
  EndPaint(form, &paint);
  dc = GetDC(form);
  ReleaseDC(form, dc);
  InvalidateRect(form, nullptr, FALSE);
  ValidateRect(form, &rect);
  UpdateWindow(form);
  GetUpdateRect(form, &rect, FALSE);
  RECT other;
  SetRect(&rect, 0, 0, 240, 268);
  SetRectEmpty(&other);
  CopyRect(&other, &rect);
  if (!IsRectEmpty(&rect) && PtInRect(&rect, point)) OffsetRect(&rect, 1, 1);
  InflateRect(&rect, 1, 1);
  IntersectRect(&other, &rect, &other);
  UnionRect(&other, &rect, &other);
  EqualRect(&rect, &other);

  if (GetAsyncKeyState(VK_F1) & 0x8000) GetKeyState(VK_UP);
  GetSystemMetrics(SM_CXSCREEN);
  GetSysColor(COLOR_WINDOW);
  GetSysColorBrush(COLOR_BTNFACE);
  MessageBoxW(nullptr, L"Couldn't create window", L"Fatal error",
              MB_ICONERROR | MB_SETFOREGROUND | MB_TOPMOST);
  MessageBeep(MB_OK);

  SHMENUBARINFO menuBar = {};
  menuBar.cbSize = sizeof menuBar;
  menuBar.hwndParent = form;
  menuBar.dwFlags = SHCMBF_EMPTYBAR | SHCMBF_HIDESIPBUTTON;
  menuBar.hInstRes = instance;
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  if (SHCreateMenuBar(&menuBar)) {
    HMENU menu = reinterpret_cast<HMENU>(SendMessageW(menuBar.hwndMB, SHCMBM_GETMENU, 0, 0));
    CheckMenuItem(menu, 1, MF_BYCOMMAND | MF_CHECKED);
    CheckMenuRadioItem(menu, 1, 3, 2, MF_BYCOMMAND);
    DestroyWindow(menuBar.hwndMB);
  }
  DestroyWindow(form);
  UnregisterClassW(L"VelaFormClass", instance);
}

void Graphics(HDC screen) {
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 240, 268);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BITMAP info;
  GetObjectW(bitmap, sizeof info, &info);
  GetObjectType(bitmap);
  GetCurrentObject(memory, OBJ_BITMAP);
  GetDeviceCaps(screen, BITSPIXEL);

  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
  } dib = {};
  dib.header.biSize = sizeof dib.header;
  dib.header.biWidth = 21;
  dib.header.biHeight = -21;
  dib.header.biPlanes = 1;
  dib.header.biBitCount = 8;
  dib.header.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP section = CreateDIBSection(memory, reinterpret_cast<BITMAPINFO*>(&dib), DIB_RGB_COLORS,
                                     &bits, nullptr, 0);
  SelectObject(memory, section);
  SetDIBColorTable(memory, 0, 256, dib.colors);
  GetDIBColorTable(memory, 0, 256, dib.colors);
  const WORD pattern[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
  HBITMAP mono = CreateBitmap(8, 8, 1, 1, pattern);
  HBRUSH halftone = CreatePatternBrush(mono);
  HBRUSH brush = CreateSolidBrush(RGB(0, 128, 0));
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
  LOGPEN logPen = {PS_SOLID, {1, 0}, RGB(255, 255, 255)};
  HPEN pen2 = CreatePenIndirect(&logPen);
  POINT origin;
  SetBrushOrgEx(memory, 1, 1, &origin);
  GetBrushOrgEx(memory, &origin);

  BitBlt(screen, 0, 26, 240, 268, memory, 0, 0, SRCCOPY);
  BitBlt(screen, 0, 0, 7, 7, memory, 0, 0, SRCAND);
  BitBlt(screen, 0, 0, 7, 7, memory, 0, 0, SRCPAINT);
  StretchBlt(screen, 0, 0, 42, 42, memory, 0, 0, 21, 21, SRCCOPY);
  PatBlt(screen, 0, 0, 10, 10, PATCOPY);
  SetStretchBltMode(screen, COLORONCOLOR);
  GetStretchBltMode(screen);
  TransparentImage(screen, 0, 0, 21, 21, memory, 0, 0, 21, 21, RGB(255, 0, 255));

  SelectObject(screen, GetStockObject(NULL_PEN));
  SelectObject(screen, GetStockObject(BLACK_PEN));
  SelectObject(screen, GetStockObject(WHITE_PEN));
  SelectObject(screen, GetStockObject(NULL_BRUSH));
  SelectObject(screen, GetStockObject(BLACK_BRUSH));
  SelectObject(screen, halftone);
  POINT line[3] = {{0, 0}, {10, 10}, {20, 0}};
  MoveToEx(screen, 0, 0, nullptr);
  LineTo(screen, 5, 5);
  Polyline(screen, line, 3);
  Rectangle(screen, 0, 0, 10, 10);
  RoundRect(screen, 0, 0, 20, 20, 6, 6);
  Ellipse(screen, 0, 0, 10, 10);
  SetROP2(screen, R2_NOT);
  SetROP2(screen, GetROP2(screen) == R2_NOT ? R2_COPYPEN : R2_XORPEN);
  SetPixel(screen, 1, 1, GetPixel(screen, 0, 0));
  RECT rect = {0, 0, 10, 10};
  FillRect(screen, &rect, brush);

  HRGN region = CreateRectRgn(0, 0, 240, 268);
  HRGN other = CreateRectRgnIndirect(&rect);
  CombineRgn(region, region, other, RGN_DIFF);
  SetRectRgn(other, 0, 0, 5, 5);
  OffsetRgn(other, 1, 1);
  GetRgnBox(region, &rect);
  if (PtInRegion(region, 1, 1) && RectInRegion(region, &rect)) EqualRgn(region, other);
  SelectClipRgn(screen, region);
  GetClipRgn(screen, region);
  GetClipBox(screen, &rect);
  IntersectClipRect(screen, 0, 0, 100, 100);
  ExcludeClipRect(screen, 0, 0, 10, 10);
  SelectClipRgn(screen, nullptr);
  ScrollDC(screen, 0, -10, &rect, &rect, nullptr, &rect);

  SetTextColor(screen, GetTextColor(screen));
  SetBkColor(screen, GetBkColor(screen));
  SetBkMode(screen, GetBkMode(screen) == TRANSPARENT ? OPAQUE : TRANSPARENT);
  LOGFONTW logFont = {};
  logFont.lfHeight = -12;
  HFONT font = CreateFontIndirectW(&logFont);
  SelectObject(screen, font);
  TEXTMETRICW metrics;
  GetTextMetricsW(screen, &metrics);
  SIZE size;
  int fit = 0;
  GetTextExtentPoint32W(screen, L"Puttland", 8, &size);
  GetTextExtentExPointW(screen, L"Puttland", 8, 100, &fit, nullptr, &size);
  ExtTextOutW(screen, 0, 0, ETO_OPAQUE, &rect, L"Puttland", 8, nullptr);
  DrawTextW(screen, L"Puttland", -1, &rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER);

  for (HGDIOBJ object :
       {static_cast<HGDIOBJ>(region), static_cast<HGDIOBJ>(other), static_cast<HGDIOBJ>(font),
        static_cast<HGDIOBJ>(pen), static_cast<HGDIOBJ>(pen2), static_cast<HGDIOBJ>(brush),
        static_cast<HGDIOBJ>(halftone), static_cast<HGDIOBJ>(mono),
        static_cast<HGDIOBJ>(section)}) {
    DeleteObject(object);
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

void SoundAndResources(HMODULE module) {
  HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(103), L"WAVE");
  HGLOBAL loaded = LoadResource(module, info);
  const void* bytes = LockResource(loaded);
  DWORD size = SizeofResource(module, info);
  FreeResource(loaded);
  if (bytes != nullptr && size > 0)
    PlaySoundW(MAKEINTRESOURCEW(103), module, SND_RESOURCE | SND_ASYNC);
  PlaySoundW(nullptr, nullptr, 0);
}

}  // namespace

int SurfaceMain(HINSTANCE instance) {
  Kernel();
  Registry();
  Windows(instance);
  HDC screen = GetDC(nullptr);
  Graphics(screen);
  ReleaseDC(nullptr, screen);
  SoundAndResources(instance);
  return 0;
}
