// Cross-program SetForegroundWindow. Every program that has top-level windows writes
// "<run>/<pid>.windows" (one line per window: handle, class, title; UTF-8, tab-separated) and
// listens on the datagram socket "<run>/<pid>.sock", where <run> is the "run" folder of the
// device's storage. FindWindowW reads the other programs' lists; SetForegroundWindow on such a
// window sends "foreground <handle>" to its owner, which activates it at its next message check.
#include "user/foreground_link.h"

#include "backend/backend.h"

#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "kernel/storage.h"
#include "kernel/wide_text.h"
#include "user/window_manager.h"

namespace fs = std::filesystem;

namespace platform::user {

namespace {

struct Link {
  long pid = 0;  // the process the link belongs to (a forked child starts its own)
  fs::path run;
  int socket = -1;
  std::string published;
  bool ready = false;
};

Link& TheLink() {
  static Link link;
  return link;
}

// One line a window: tabs and line breaks in names become spaces.
std::string Utf8(std::wstring text) {
  for (wchar_t& c : text) {
    if (c == L'\t' || c == L'\n' || c == L'\r') c = L' ';
  }
  return WideToUtf8(text);
}

fs::path SocketPath(const fs::path& run, long pid) {
  return run / (std::to_string(pid) + ".sock");
}

void RemoveOwnFiles() {
  Link& link = TheLink();
  if (link.run.empty()) return;
  std::error_code ec;
  fs::remove(link.run / (std::to_string(getpid()) + ".windows"), ec);
  fs::remove(SocketPath(link.run, getpid()), ec);
}

bool Prepare() {
  Link& link = TheLink();
  if (link.ready && link.pid == getpid()) return !link.run.empty();
  if (link.socket >= 0 && link.pid != getpid()) ::close(link.socket);
  link = Link{};
  link.pid = getpid();
  link.ready = true;
  std::error_code ec;
  fs::path run = DeviceRoot() / "run";
  fs::create_directories(run, ec);
  if (ec) return false;
  link.run = run;
  std::string path = SocketPath(run, getpid()).string();
  sockaddr_un addr{};
  if (path.size() < sizeof addr.sun_path) {
    int s = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (s >= 0) {
      addr.sun_family = AF_UNIX;
      std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
      ::unlink(path.c_str());
      if (::bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0) {
        link.socket = s;
      } else {
        ::close(s);
      }
    }
  }
  static bool cleanupRegistered = false;
  if (!cleanupRegistered) std::atexit(RemoveOwnFiles);
  cleanupRegistered = true;
  return true;
}

bool Alive(long pid) {
  return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

}  // namespace

void PublishWindows() {
  auto& wm = WindowManager::Get();
  std::ostringstream text;
  for (Window* t : wm.TopLevels()) {
    if (t->remote || t->cls->system) continue;
    text << reinterpret_cast<uintptr_t>(t->handle) << '\t' << Utf8(t->cls->name) << '\t'
         << Utf8(t->title) << '\n';
  }
  std::string content = text.str();
  if (!Prepare()) return;
  Link& link = TheLink();
  if (content == link.published) return;
  link.published = content;
  fs::path file = link.run / (std::to_string(getpid()) + ".windows");
  fs::path temp = file;
  temp += ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out << content;
  }
  std::error_code ec;
  fs::rename(temp, file, ec);
}

HWND FindRemoteWindow(const std::wstring* className, LPCWSTR title) {
  if (!Prepare()) return nullptr;
  auto& wm = WindowManager::Get();
  Link& link = TheLink();
  // Compared as the other programs wrote them (tabs and line breaks made spaces).
  const std::wstring wantClass = className ? Utf8ToWideLenient(Utf8(*className)) : std::wstring();
  std::string wantTitle = title ? Utf8(title) : std::string();
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(link.run, ec)) {
    if (entry.path().extension() != ".windows") continue;
    long pid = std::atol(entry.path().stem().c_str());
    if (pid == getpid()) continue;
    if (!Alive(pid)) {
      std::error_code ignored;
      fs::remove(entry.path(), ignored);
      fs::remove(SocketPath(link.run, pid), ignored);
      continue;
    }
    std::ifstream in(entry.path(), std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
      size_t a = line.find('\t');
      size_t b = a == std::string::npos ? a : line.find('\t', a + 1);
      if (b == std::string::npos) continue;
      std::string cls = line.substr(a + 1, b - a - 1);
      std::string ttl = line.substr(b + 1);
      if (className && !EqualsNoCase(Utf8ToWideLenient(cls), wantClass)) continue;
      if (title && ttl != wantTitle) continue;
      uint64_t handle = std::strtoull(line.c_str(), nullptr, 10);
      if (Window* known = wm.FindRemote(static_cast<int>(pid), handle)) return known->handle;
      Window* proxy = wm.NewWindow();
      proxy->remote = true;
      proxy->remotePid = static_cast<int>(pid);
      proxy->remoteHandle = handle;
      return proxy->handle;
    }
  }
  return nullptr;
}

bool RequestRemoteForeground(HWND proxyHandle) {
  auto& wm = WindowManager::Get();
  Window* proxy = wm.Find(proxyHandle);
  if (!proxy || !proxy->remote || !Prepare()) return false;
  std::string path = SocketPath(TheLink().run, proxy->remotePid).string();
  sockaddr_un addr{};
  if (path.size() >= sizeof addr.sun_path) return false;
  addr.sun_family = AF_UNIX;
  std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
  int s = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (s < 0) return false;
  std::string request = "foreground " + std::to_string(proxy->remoteHandle);
  bool sent = ::sendto(s, request.data(), request.size(), 0, reinterpret_cast<sockaddr*>(&addr),
                       sizeof addr) == static_cast<ssize_t>(request.size());
  ::close(s);
  return sent;
}

void ServeForegroundRequests() {
  Link& link = TheLink();
  if (link.socket < 0 || link.pid != getpid()) return;
  char buffer[128];
  for (;;) {
    ssize_t n = ::recv(link.socket, buffer, sizeof buffer - 1, 0);
    if (n <= 0) return;
    buffer[n] = '\0';
    if (std::strncmp(buffer, "foreground ", 11) != 0) continue;
    auto handle = static_cast<uintptr_t>(std::strtoull(buffer + 11, nullptr, 10));
    auto& wm = WindowManager::Get();
    Window* w = wm.Find(reinterpret_cast<HWND>(handle));
    if (!w || w->remote || w->parent) continue;
    // As when switching to a program: its last active popup comes to the front.
    Window* popup = wm.Find(w->lastActivePopup);
    if (popup && popup->visible && !(popup->style & WS_DISABLED)) w = popup;
    wm.Activate(w, WA_ACTIVE);
    CurrentBackend().Raise();
  }
}

}  // namespace platform::user

BOOL WINAPI SetForegroundWindow(HWND hWnd) {
  auto& wm = platform::user::WindowManager::Get();
  platform::user::Window* w = wm.Find(hWnd);
  if (!w) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  if (w->remote) return platform::user::RequestRemoteForeground(hWnd) ? TRUE : FALSE;
  w = wm.TopLevelOf(w);
  if (w->noActivate) return FALSE;
  wm.Activate(w, WA_ACTIVE);
  return TRUE;
}

HWND WINAPI GetForegroundWindow(void) {
  return platform::user::WindowManager::Get().active;
}
