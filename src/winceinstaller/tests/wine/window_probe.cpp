// Looks at Setup's windows from inside Wine for its tests, writing what it sees to a file:
//   window_probe boxes OUT COUNT SECONDS   records and closes COUNT message boxes
//   window_probe dialog OUT SECONDS        records the welcome dialog and its controls
// Exit code 0 when it found what it waited for, 1 on timeout, 2 on bad arguments.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string Text(HWND window) {
  char buffer[2048];
  int length = GetWindowTextA(window, buffer, sizeof buffer);
  return std::string(buffer, length > 0 ? length : 0);
}

std::string ClassOf(HWND window) {
  char buffer[256];
  int length = GetClassNameA(window, buffer, sizeof buffer);
  return std::string(buffer, length > 0 ? length : 0);
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

// A visible top-level dialog whose caption is one of `captions`.
HWND FindDialog(const std::vector<std::string>& captions) {
  for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
    if (!IsWindowVisible(w) || ClassOf(w) != "#32770") continue;
    std::string caption = Text(w);
    for (const std::string& wanted : captions)
      if (caption == wanted) return w;
  }
  return nullptr;
}

void Append(const char* path, const std::string& line) {
  if (std::FILE* file = std::fopen(path, "ab")) {
    std::fputs((line + "\n").c_str(), file);
    std::fclose(file);
  }
}

int Boxes(const char* out, int count, int seconds) {
  DWORD deadline = GetTickCount() + seconds * 1000;
  int seen = 0;
  while (seen < count && GetTickCount() < deadline) {
    HWND box = FindDialog({"Fatal error", "Error"});
    if (!box) {
      Sleep(100);
      continue;
    }
    std::string text;
    for (HWND child : Children(box))
      if (ClassOf(child) == "Static" && !Text(child).empty()) text = Text(child);
    bool topmost = (GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    Append(out, "box\t" + Text(box) + "\t" + text + "\t" + (topmost ? "topmost" : "normal"));
    SendMessageA(box, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 50 && IsWindow(box); ++i) Sleep(100);
    ++seen;
  }
  return seen == count ? 0 : 1;
}

int Dialog(const char* out, int seconds) {
  DWORD deadline = GetTickCount() + seconds * 1000;
  HWND dialog = nullptr;
  while (!(dialog = FindDialog({"Puttland Install"})) && GetTickCount() < deadline) Sleep(100);
  if (!dialog) return 1;
  Sleep(300);  // let the dialog finish centring itself
  RECT rect;
  GetWindowRect(dialog, &rect);
  char line[512];
  std::snprintf(line, sizeof line, "dialog\t%ld\t%ld\t%ld\t%ld\t%d\t%d", rect.left, rect.top,
                rect.right - rect.left, rect.bottom - rect.top, GetSystemMetrics(SM_CXFULLSCREEN),
                GetSystemMetrics(SM_CYFULLSCREEN));
  Append(out, line);
  for (HWND child : Children(dialog)) {
    RECT r;
    GetWindowRect(child, &r);
    POINT topLeft{r.left, r.top};
    ScreenToClient(dialog, &topLeft);
    std::snprintf(line, sizeof line, "control\t%d\t%s\t%s\t%08lx\t%ld\t%ld\t%ld\t%ld",
                  GetDlgCtrlID(child), ClassOf(child).c_str(), Text(child).c_str(),
                  static_cast<unsigned long>(GetWindowLongA(child, GWL_STYLE)), topLeft.x,
                  topLeft.y, r.right - r.left, r.bottom - r.top);
    Append(out, line);
  }
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  int argc = __argc;
  char** argv = __argv;
  if (argc == 5 && std::string(argv[1]) == "boxes") {
    return Boxes(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
  }
  if (argc == 4 && std::string(argv[1]) == "dialog") return Dialog(argv[2], std::atoi(argv[3]));
  return 2;
}
