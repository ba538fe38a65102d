// Input: the backend's stylus, key and text events become WM_LBUTTONDOWN/WM_MOUSEMOVE/
// WM_LBUTTONUP for the window under the stylus (or the capture window), WM_KEYDOWN/WM_KEYUP and
// WM_CHAR for the focus window (or the active window). Keeps the asynchronous key state.
#include "user/input.h"

#include <array>
#include <deque>

#include "backend/backend.h"
#include "user/window_manager.h"

namespace platform::user {

namespace {

struct KeyState {
  std::array<bool, 256> down{};
  std::array<bool, 256> pressedSinceQuery{};
  POINT stylus{0, 0};
};

struct RawInput {
  InputEvent event;
  bool wasDown;  // keys: the key's state before this event
};

std::deque<RawInput>& Pending() {
  static std::deque<RawInput> pending;
  return pending;
}

KeyState& Keys() {
  static KeyState keys;
  return keys;
}

LPARAM ClientPoint(WindowManager& wm, Window* w, POINT screen) {
  POINT o = wm.ClientOrigin(w);
  return MAKELPARAM(static_cast<SHORT>(screen.x - o.x), static_cast<SHORT>(screen.y - o.y));
}

void Stylus(WindowManager& wm, const InputEvent& e) {
  POINT pt{e.x, e.y};
  Keys().stylus = pt;
  UINT message = e.kind == InputKind::kStylusDown ? WM_LBUTTONDOWN
                 : e.kind == InputKind::kStylusUp ? WM_LBUTTONUP
                                                  : WM_MOUSEMOVE;
  Window* target = wm.Find(wm.capture);
  if (!target) {
    target = wm.HitTest(pt, HitTesting::kEnabledOnly);
    if (!target) return;  // nothing there, or a disabled window: the tap is lost
    if (message == WM_LBUTTONDOWN) {
      // A tap on an inactive window activates it first.
      Window* top = wm.TopLevelOf(target);
      HWND handle = target->handle;
      if (wm.active != top->handle && !top->noActivate) wm.Activate(top, WA_CLICKACTIVE);
      target = wm.Find(handle);
      if (!target) return;
    }
  }
  WPARAM keys = e.kind == InputKind::kStylusUp ? 0 : MK_LBUTTON;
  wm.Post(target->handle, message, keys, ClientPoint(wm, target, pt));
}

HWND KeyTarget(WindowManager& wm) {
  return wm.focus ? wm.focus : wm.active;
}

void Key(WindowManager& wm, const InputEvent& e, bool wasDown) {
  unsigned vk = e.key & 0xFF;
  bool down = e.kind == InputKind::kKeyDown;
  HWND target = KeyTarget(wm);
  if (!target) return;
  LPARAM lParam = 1;
  if (wasDown) lParam |= 1L << 30;
  if (!down) lParam |= (1L << 30) | static_cast<LPARAM>(1UL << 31);
  wm.Post(target, down ? WM_KEYDOWN : WM_KEYUP, vk, lParam);
}

void Text(WindowManager& wm, const InputEvent& e) {
  HWND target = KeyTarget(wm);
  if (!target) return;
  for (char32_t c : e.text) wm.Post(target, WM_CHAR, static_cast<WPARAM>(c), 1);
}

}  // namespace

bool PumpInput(uint32_t timeoutMs, bool* never) {
  auto& backend = CurrentBackend();
  InputEvent e;
  bool any = false;
  uint32_t wait = timeoutMs;
  while (backend.NextEvent(e, wait)) {
    any = true;
    wait = 0;
    // The key state is the hardware's, at once; the messages are made when the program takes
    // them, so that hit testing sees the windows, capture and focus of that moment.
    if (e.kind == InputKind::kKeyDown || e.kind == InputKind::kKeyUp) {
      unsigned vk = e.key & 0xFF;
      Pending().push_back({e, Keys().down[vk]});
      Keys().down[vk] = e.kind == InputKind::kKeyDown;
      if (e.kind == InputKind::kKeyDown) Keys().pressedSinceQuery[vk] = true;
    } else {
      if (e.kind == InputKind::kStylusDown) {
        Keys().down[VK_LBUTTON] = true;
        Keys().pressedSinceQuery[VK_LBUTTON] = true;
      } else if (e.kind == InputKind::kStylusUp) {
        Keys().down[VK_LBUTTON] = false;
      }
      Pending().push_back({e, false});
    }
    if (e.kind == InputKind::kQuit) break;
  }
  if (!any && never && timeoutMs == INFINITE) *never = true;
  return any;
}

bool ConvertNextInput() {
  auto& wm = WindowManager::Get();
  if (Pending().empty()) return false;
  RawInput raw = Pending().front();
  Pending().pop_front();
  const InputEvent& e = raw.event;
  switch (e.kind) {
    case InputKind::kStylusDown:
    case InputKind::kStylusMove:
    case InputKind::kStylusUp:
      Stylus(wm, e);
      break;
    case InputKind::kKeyDown:
    case InputKind::kKeyUp:
      Key(wm, e, raw.wasDown);
      break;
    case InputKind::kText:
      Text(wm, e);
      break;
    case InputKind::kQuit:
      // The device is switched off: the program is asked to end.
      wm.quitPosted = true;
      wm.quitCode = 0;
      break;
  }
  return true;
}

void ResetInputState() {
  Keys() = KeyState{};
}

}  // namespace platform::user

SHORT WINAPI GetAsyncKeyState(int vKey) {
  // The state is as of the last look at the backend (every PeekMessageW and GetMessageW):
  // asking does not poll, so that it costs the headless clock no time.
  if (vKey < 0 || vKey > 255) return 0;
  auto& keys = platform::user::Keys();
  SHORT state = keys.down[vKey] ? static_cast<SHORT>(0x8000) : 0;
  if (keys.pressedSinceQuery[vKey]) state |= 1;
  keys.pressedSinceQuery[vKey] = false;
  return state;
}

SHORT WINAPI GetKeyState(int nVirtKey) {
  if (nVirtKey < 0 || nVirtKey > 255) return 0;
  return platform::user::Keys().down[nVirtKey] ? static_cast<SHORT>(0x8000) : 0;
}

DWORD WINAPI GetMessagePos(void) {
  POINT p = platform::user::Keys().stylus;
  return static_cast<DWORD>(MAKELONG(p.x, p.y));
}
