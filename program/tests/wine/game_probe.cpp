// A Windows helper for the game's tests under Wine:
//   game_probe cover SECONDS   a window over the game's screen that takes the foreground, kept
//                              for SECONDS (a stand-in for another program in front)
//   game_probe foreground OUT  writes the class and title of the foreground window's owner
//                              chain's root, and how many game root windows exist, to OUT
// Exit code 0 when done, 1 when the window could not be made, 2 on bad arguments.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

LRESULT CALLBACK CoverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EndPaint(window, &paint);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

int Cover(int seconds) {
  WNDCLASSW coverClass{};
  coverClass.lpfnWndProc = CoverProc;
  coverClass.hInstance = GetModuleHandleW(nullptr);
  coverClass.lpszClassName = L"ProbeCover";
  if (RegisterClassW(&coverClass) == 0) return 1;
  HWND cover = CreateWindowExW(0, L"ProbeCover", L"Probe cover", WS_POPUP | WS_VISIBLE, 0, 26, 240,
                               268, nullptr, nullptr, coverClass.hInstance, nullptr);
  if (cover == nullptr) return 1;
  SetForegroundWindow(cover);
  const DWORD deadline = GetTickCount() + DWORD(seconds) * 1000;
  while (GetTickCount() < deadline) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(20);
  }
  DestroyWindow(cover);
  return 0;
}

std::string Narrow(const wchar_t* text) {
  std::string narrow;
  for (; *text; ++text) narrow += *text < 128 ? char(*text) : '?';
  return narrow;
}

int Foreground(const char* out) {
  HWND window = GetForegroundWindow();
  HWND root = window ? GetAncestor(window, GA_ROOTOWNER) : nullptr;
  wchar_t className[256] = L"";
  wchar_t title[256] = L"";
  if (root != nullptr) {
    GetClassNameW(root, className, 256);
    GetWindowTextW(root, title, 256);
  }
  int roots = 0;
  for (HWND w = FindWindowW(L"VelaMainFormClass", nullptr); w != nullptr;
       w = FindWindowExW(nullptr, w, L"VelaMainFormClass", nullptr)) {
    ++roots;
  }
  std::FILE* file = std::fopen(out, "wb");
  if (file == nullptr) return 1;
  std::fprintf(file, "%s\t%s\t%d\n", Narrow(className).c_str(), Narrow(title).c_str(), roots);
  std::fclose(file);
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (__argc == 3 && std::string(__argv[1]) == "cover") return Cover(std::atoi(__argv[2]));
  if (__argc == 3 && std::string(__argv[1]) == "foreground") return Foreground(__argv[2]);
  return 2;
}
