// The window manager's core: handle table, classes, geometry, z-order, visible regions and hit
// testing. The public functions in the other files of this folder check arguments and call here.
#include "user/window_manager.h"

#include <algorithm>

#include "kernel/wide_text.h"
#include "user/chrome_hooks.h"
#include "user/input.h"
#include "user/system_classes.h"

namespace platform::user {

WindowManager& WindowManager::Get() {
  static WindowManager* manager = new WindowManager();  // lives until the process ends
  return *manager;
}

Window* WindowManager::Find(HWND hwnd) const {
  auto it = windows_.find(reinterpret_cast<uintptr_t>(hwnd));
  if (it == windows_.end()) return nullptr;
  return it->second.get();
}

Window* WindowManager::Check(HWND hwnd) const {
  Window* w = Find(hwnd);
  if (!w || w->remote) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  return w;
}

Window* WindowManager::CheckWithResult(HWND hwnd, const void* result) const {
  Window* w = Check(hwnd);
  if (w && !result) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return w;
}

Window* WindowManager::NewWindow() {
  auto w = std::make_unique<Window>();
  uintptr_t key = nextHandle_;
  nextHandle_ += 4;
  w->handle = reinterpret_cast<HWND>(key);
  Window* raw = w.get();
  windows_[key] = std::move(w);
  return raw;
}

Window* WindowManager::FindRemote(int pid, uint64_t handle) const {
  for (const auto& [key, w] : windows_) {
    if (w->remote && w->remotePid == pid && w->remoteHandle == handle) return w.get();
  }
  return nullptr;
}

void WindowManager::ForgetWindow(Window* w) {
  visibleCache_.erase(w);
  if (w->cls) --w->cls->windowCount;
  windows_.erase(reinterpret_cast<uintptr_t>(w->handle));
}

// ---- Classes ----

WindowClass* WindowManager::FindClass(const std::wstring& name) {
  EnsureSystemClasses();
  for (auto& c : classes_) {
    if (EqualsNoCase(c->name, name)) return c.get();
  }
  return nullptr;
}

WindowClass* WindowManager::AddClass(const WNDCLASSW& info, ClassOwner owner) {
  auto c = std::make_unique<WindowClass>();
  c->name = ClassNameOf(info.lpszClassName);
  c->info = info;
  c->info.lpszClassName = nullptr;  // the caller's string need not outlive the call
  c->info.lpszMenuName = nullptr;
  c->system = owner == ClassOwner::kSystem;
  classes_.push_back(std::move(c));
  return classes_.back().get();
}

bool WindowManager::RemoveClass(const std::wstring& name) {
  for (auto it = classes_.begin(); it != classes_.end(); ++it) {
    if (EqualsNoCase((*it)->name, name) && !(*it)->system) {
      classes_.erase(it);
      return true;
    }
  }
  return false;
}

void WindowManager::EnsureSystemClasses() {
  if (systemClassesReady_) return;
  systemClassesReady_ = true;
  RegisterSystemClasses();
}

// ---- Geometry ----

RECT WindowManager::WindowRectOnScreen(const Window* w) const {
  RECT r = w->rect;
  if (w->parent) {
    POINT o = ClientOrigin(w->parent);
    r = Offset(r, o.x, o.y);
  }
  return r;
}

namespace {
// The frame a style draws around the client area: border, and the caption below the top border.
RECT FrameInsets(const Window* w) {
  RECT f{0, 0, 0, 0};
  if ((w->style & WS_CAPTION) == WS_CAPTION) {
    f = {1, 1 + kCaptionHeight, 1, 1};
  } else if (w->style & (WS_BORDER | WS_DLGFRAME)) {
    f = {1, 1, 1, 1};
  }
  return f;
}
}  // namespace

RECT WindowManager::ClientRectOnScreen(const Window* w) const {
  RECT r = WindowRectOnScreen(w);
  RECT f = FrameInsets(w);
  r.left += f.left;
  r.top += f.top;
  r.right -= f.right;
  r.bottom -= f.bottom;
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  return r;
}

RECT WindowManager::ClientRectLocal(const Window* w) const {
  RECT r = ClientRectOnScreen(w);
  return {0, 0, r.right - r.left, r.bottom - r.top};
}

POINT WindowManager::ClientOrigin(const Window* w) const {
  RECT r = ClientRectOnScreen(w);
  return {r.left, r.top};
}

void WindowManager::SendSize(Window* w) {
  const RECT client = ClientRectLocal(w);
  Send(w, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}

void WindowManager::SendMove(Window* w) {
  POINT origin = ClientOrigin(w);
  if (w->parent) {
    const POINT po = ClientOrigin(w->parent);
    origin.x -= po.x;
    origin.y -= po.y;
  }
  Send(w, WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
}

bool WindowManager::IsShown(const Window* w) const {
  for (; w; w = w->parent) {
    if (!w->visible) return false;
  }
  return true;
}

bool WindowManager::IsEnabledTree(const Window* w) const {
  for (; w; w = w->parent) {
    if (w->style & WS_DISABLED) return false;
  }
  return true;
}

Window* WindowManager::TopLevelOf(Window* w) const {
  while (w && w->parent) w = w->parent;
  return w;
}

std::vector<RECT> WindowManager::VisibleWindowRects(Window* w) {
  std::vector<RECT> rects;
  if (!IsShown(w)) return rects;
  RECT screen{0, 0, 240, 320};
  RECT r = IntersectRects(WindowRectOnScreen(w), screen);
  // Clipped to every ancestor's client area.
  for (Window* p = w->parent; p; p = p->parent) r = IntersectRects(r, ClientRectOnScreen(p));
  if (RectEmpty(r)) return rects;
  rects.push_back(r);
  // Whatever lies above: siblings above each window of the chain, then top-level windows.
  for (Window* c = w; c; c = c->parent) {
    const std::vector<Window*>& band = c->parent ? c->parent->children : topLevels_;
    for (Window* s : band) {
      if (s == c) break;
      if (s->visible && !s->remote) SubtractRect(rects, WindowRectOnScreen(s));
    }
  }
  return rects;
}

std::vector<RECT> WindowManager::VisibleClientRects(Window* w) {
  auto& cached = visibleCache_[w];
  if (cached.first == layoutGeneration_) return cached.second;
  std::vector<RECT> rects = VisibleWindowRects(w);
  RECT client = ClientRectOnScreen(w);
  std::vector<RECT> out;
  for (const RECT& r : rects) {
    RECT i = IntersectRects(r, client);
    if (!RectEmpty(i)) out.push_back(i);
  }
  if (w->style & WS_CLIPCHILDREN) {
    for (Window* c : w->children) {
      if (c->visible) SubtractRect(out, WindowRectOnScreen(c));
    }
  }
  cached = {layoutGeneration_, out};
  return out;
}

// ---- Z-order ----

void WindowManager::RemoveFromZOrder(Window* w) {
  auto& band = w->parent ? w->parent->children : topLevels_;
  band.erase(std::remove(band.begin(), band.end(), w), band.end());
  LayoutChanged();
}

void WindowManager::InsertInZOrder(Window* w) {
  auto& band = w->parent ? w->parent->children : topLevels_;
  auto pos = band.begin();
  if (!w->parent && !(w->exStyle & WS_EX_TOPMOST)) {
    // Below the topmost windows.
    while (pos != band.end() && ((*pos)->exStyle & WS_EX_TOPMOST)) ++pos;
  }
  band.insert(pos, w);
  LayoutChanged();
}

void WindowManager::BringToTop(Window* w) {
  if (w->parent) {
    RemoveFromZOrder(w);
    InsertInZOrder(w);
    return;
  }
  // Owned windows stay above their owner: the whole group of the top owner moves up, with w and
  // the windows it owns at the top of the group.
  Window* root = w;
  while (root->owner && !root->owner->remote) root = root->owner;
  auto ownedBy = [](Window* x, Window* a) {
    for (Window* o = x; o; o = o->owner) {
      if (o == a) return true;
    }
    return false;
  };
  std::vector<Window*> group;  // topmost first
  for (Window* x : topLevels_) {
    if (ownedBy(x, root)) group.push_back(x);
  }
  std::stable_partition(group.begin(), group.end(), [&](Window* x) { return ownedBy(x, w); });
  std::vector<std::vector<RECT>> before;
  before.reserve(group.size());
  for (Window* x : group) before.push_back(VisibleWindowRects(x));
  for (auto it = group.rbegin(); it != group.rend(); ++it) {
    RemoveFromZOrder(*it);
    InsertInZOrder(*it);
  }
  // What was covered before and shows now must be painted.
  for (size_t i = 0; i < group.size(); ++i) {
    std::vector<RECT> uncovered = VisibleWindowRects(group[i]);
    for (const RECT& r : before[i]) SubtractRect(uncovered, r);
    for (const RECT& r : uncovered) InvalidateWindowArea(group[i], r);
  }
}

Window* WindowManager::HitTest(POINT pt, HitTesting testing) {
  for (Window* top : topLevels_) {
    if (!top->visible || top->remote) continue;
    RECT r = WindowRectOnScreen(top);
    if (pt.x < r.left || pt.x >= r.right || pt.y < r.top || pt.y >= r.bottom) continue;
    if (testing == HitTesting::kEnabledOnly && (top->style & WS_DISABLED))
      return nullptr;  // swallowed
    Window* hit = top;
    // Descend into the children under the point; a disabled child leaves it to its parent.
    for (bool descended = true; descended;) {
      descended = false;
      RECT client = ClientRectOnScreen(hit);
      if (pt.x < client.left || pt.x >= client.right || pt.y < client.top ||
          pt.y >= client.bottom) {
        break;
      }
      for (Window* c : hit->children) {
        if (!c->visible) continue;
        RECT cr = WindowRectOnScreen(c);
        if (pt.x < cr.left || pt.x >= cr.right || pt.y < cr.top || pt.y >= cr.bottom) continue;
        if (testing == HitTesting::kEnabledOnly && (c->style & WS_DISABLED)) break;
        hit = c;
        descended = true;
        break;
      }
    }
    return hit;
  }
  return nullptr;
}

// ---- Helpers ----

RECT Union(const RECT& a, const RECT& b) {
  if (RectEmpty(a)) return b;
  if (RectEmpty(b)) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

RECT Offset(RECT r, int dx, int dy) {
  return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

void SubtractRect(std::vector<RECT>& rects, const RECT& cut) {
  if (RectEmpty(cut)) return;
  std::vector<RECT> out;
  for (const RECT& r : rects) {
    RECT i = IntersectRects(r, cut);
    if (RectEmpty(i)) {
      out.push_back(r);
      continue;
    }
    if (r.top < i.top) out.push_back({r.left, r.top, r.right, i.top});
    if (i.bottom < r.bottom) out.push_back({r.left, i.bottom, r.right, r.bottom});
    if (r.left < i.left) out.push_back({r.left, i.top, i.left, i.bottom});
    if (i.right < r.right) out.push_back({i.right, i.top, r.right, i.bottom});
  }
  rects.swap(out);
}

std::wstring ClassNameOf(LPCWSTR name) {
  if (!name) return L"";
  if (IS_INTRESOURCE(name)) {
    return L"#" + std::to_wstring(static_cast<unsigned>(reinterpret_cast<uintptr_t>(name)));
  }
  return name;
}

}  // namespace platform::user

namespace platform::user {

void WindowManager::ResetForTests() {
  std::vector<HWND> tops;
  for (Window* t : topLevels_) tops.push_back(t->handle);
  for (HWND h : tops) {
    if (Find(h)) DestroyWindow(h);
  }
  windows_.clear();  // what is left are stand-ins for other programs' windows
  topLevels_.clear();
  visibleCache_.clear();
  posted.clear();
  quitPosted = false;
  quitCode = 0;
  active = focus = capture = nullptr;
  classes_.erase(std::remove_if(classes_.begin(), classes_.end(),
                                [](const std::unique_ptr<WindowClass>& c) { return !c->system; }),
                 classes_.end());
  ResetInputState();
  LayoutChanged();
}

}  // namespace platform::user
