// The entry routine: single instance, window classes, root window, application run.
#include "frame/app/entry.h"

#include <string>

#include "frame/app/application.h"
#include "frame/base/application_names.h"
#include "frame/base/fatal_error.h"
#include "frame/base/wide_string.h"
#include "frame/form/form.h"
#include "frame/form/process_state.h"

namespace frame {

namespace {

void RegisterFormClass(const wchar_t* name, WNDPROC procedure) {
  WNDCLASSW windowClass{};
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = procedure;
  windowClass.cbClsExtra = 0;
  windowClass.cbWndExtra = 0;
  windowClass.hInstance = ProcessInstance;
  windowClass.hIcon = nullptr;
  windowClass.hCursor = nullptr;
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszMenuName = nullptr;
  windowClass.lpszClassName = name;
  if (RegisterClassW(&windowClass) == 0) FatalError("Couldn't register window class", -1);
}

}  // namespace

void CreateRootWindow() {
  RegisterFormClass(L"VelaFormClass", Form::WindowProc);
  RegisterFormClass(L"VelaMainFormClass", RootWindowProc);
  WideString title(kApplicationName);
  RootWindow = CreateWindowExW(0, L"VelaMainFormClass", title, 0, 0, 0, 0, 0, nullptr, nullptr,
                               ProcessInstance, nullptr);
  if (RootWindow == nullptr) FatalError("Couldn't create root window", -1);
  ShowWindow(RootWindow, SW_SHOWNORMAL);
}

LRESULT CALLBACK RootWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(1);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

int EnterProgram(HINSTANCE instance, ApplicationRunner runApplication) {
  ProcessInstance = instance;
  // No separator between the two names.
  WideString mutexName((std::string(kCompanyName) + kApplicationName).c_str());
  HANDLE instanceMutex = CreateMutexW(nullptr, TRUE, mutexName);
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    WideString title(kApplicationName);
    HWND running = FindWindowW(L"VelaMainFormClass", title);
    if (running == nullptr) {
      FatalError(
          "Another application instance is running, but application window couldn't be found", -1);
    }
    SetForegroundWindow(running);
    CloseHandle(instanceMutex);
    return 0;
  }
  CreateRootWindow();
  const int result = runApplication();
  ReleaseMutex(instanceMutex);
  DestroyWindow(RootWindow);
  CloseHandle(instanceMutex);
  return result;
}

int RunBaseApplication() {
  Application application;
  application.Run();
  return 0;
}

}  // namespace frame
