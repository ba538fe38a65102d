// Runs a program on the SDL backend for a while whose main loop drains the message queue with
// PeekMessageW and, finding it empty, makes an "idle call" that always asks to be called again;
// prints the CPU share of one core and the longest gap between idle calls.
// Usage: xvfb-run -a idle-cpu [SECONDS]
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <windows.h>

#include "backend/screen.h"
#include "backend/sdl_backend.h"

namespace {

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
  std::string error;
  auto backend = platform::MakeSdlBackend(platform::DeviceOptions{}, &error);
  if (!backend) {
    std::fprintf(stderr, "idle-cpu: no SDL window: %s\n", error.c_str());
    return 1;
  }
  platform::SetBackend(std::move(backend));

  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = L"IdleCpuClass";
  RegisterClassW(&wc);
  HWND window = CreateWindowExW(0, L"IdleCpuClass", L"Idle", WS_POPUP | WS_VISIBLE, 0, 26, 240, 268,
                                nullptr, nullptr, wc.hInstance, nullptr);
  if (!window) {
    std::fprintf(stderr, "idle-cpu: no window (error %lu)\n", (unsigned long)GetLastError());
    return 1;
  }

  using Clock = std::chrono::steady_clock;
  const double cpuStart = CpuSeconds();
  const auto start = Clock::now();
  auto last = start;
  Clock::duration maxGap{};
  long idleCalls = 0;
  long gapsOver5ms = 0;  // a loaded machine may deschedule the process now and then
  long events = 0;
  MSG msg;
  bool quit = false;
  while (!quit && Clock::now() - start < std::chrono::duration<double>(seconds)) {
    if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) quit = true;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
      ++events;
      continue;
    }
    // The idle handler: it always asks to be called again.
    auto now = Clock::now();
    maxGap = std::max(maxGap, now - last);
    if (now - last > std::chrono::milliseconds(5)) ++gapsOver5ms;
    last = now;
    ++idleCalls;
  }
  const double wall = std::chrono::duration<double>(Clock::now() - start).count();
  const double cpu = CpuSeconds() - cpuStart;
  std::printf("wall %.2f s, cpu %.3f s: %.2f%% of one core\n", wall, cpu, 100.0 * cpu / wall);
  std::printf(
      "idle calls %ld (%.0f per second), longest gap %.2f ms, gaps over 5 ms %ld, "
      "events %ld\n",
      idleCalls, idleCalls / wall, std::chrono::duration<double, std::milli>(maxGap).count(),
      gapsOver5ms, events);
  double load[3] = {};
  if (getloadavg(load, 3) > 0) std::printf("load average %.2f\n", load[0]);
  return 0;
}
