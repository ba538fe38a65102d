// The "EDIT" control: single- and multi-line text entry with a caret, typed through WM_CHAR,
// with a character limit, read-only and numbers-only styles, a modified flag, a formatting
// rectangle, and EN_* notifications to the parent through WM_COMMAND.
#include <algorithm>
#include <cwctype>
#include <map>
#include <memory>

#include "user/edit_control.h"
#include "user/system_classes.h"
#include "user/window_manager.h"

namespace platform::user {

namespace {

constexpr size_t kMaxLimit = 0x7FFFFFFE;

std::map<HWND, std::unique_ptr<EditState>>& States() {
  static std::map<HWND, std::unique_ptr<EditState>> states;
  return states;
}

EditState* StateOf(HWND hwnd) {
  auto it = States().find(hwnd);
  return it == States().end() ? nullptr : it->second.get();
}

DWORD StyleOf(HWND hwnd) {
  return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
}

void Notify(HWND hwnd, WORD code) {
  HWND parent = GetParent(hwnd);
  if (!parent) return;
  SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), code),
               reinterpret_cast<LPARAM>(hwnd));
}

void ResetFormat(HWND hwnd, EditState& s) {
  if (s.formatSet) return;
  RECT client;
  GetClientRect(hwnd, &client);
  s.format = {client.left + 1, client.top, client.right - 1, client.bottom};
}

void KeepCaretVisible(HWND hwnd, EditState& s) {
  if (StyleOf(hwnd) & ES_MULTILINE) return;
  int width = s.format.right - s.format.left;
  int caretX = MeasureEditText(hwnd, s.text.substr(0, s.caret));
  int total = MeasureEditText(hwnd, s.text);
  if (total <= width) {
    s.scrollX = 0;
    return;
  }
  if (caretX - s.scrollX > width - 1) s.scrollX = caretX - width + 1;
  if (caretX - s.scrollX < 0) s.scrollX = caretX;
  s.scrollX = std::clamp(s.scrollX, 0, std::max(0, total - width + 1));
}

void Changed(HWND hwnd, EditState& s) {
  s.modified = true;
  KeepCaretVisible(hwnd, s);
  InvalidateRect(hwnd, nullptr, TRUE);
  Notify(hwnd, EN_UPDATE);
  Notify(hwnd, EN_CHANGE);
}

bool FitsWithoutScrolling(HWND hwnd, const EditState& s, const std::wstring& candidate) {
  DWORD style = StyleOf(hwnd);
  if (style & (ES_AUTOHSCROLL | ES_MULTILINE)) return true;
  return MeasureEditText(hwnd, candidate) <= s.format.right - s.format.left;
}

bool Insert(HWND hwnd, EditState& s, const std::wstring& piece) {
  if (s.text.size() + piece.size() > s.limit) {
    Notify(hwnd, EN_MAXTEXT);
    return false;
  }
  std::wstring candidate = s.text;
  candidate.insert(s.caret, piece);
  if (!FitsWithoutScrolling(hwnd, s, candidate)) {
    Notify(hwnd, EN_MAXTEXT);
    return false;
  }
  s.text.swap(candidate);
  s.caret += piece.size();
  Changed(hwnd, s);
  return true;
}

void Char(HWND hwnd, EditState& s, wchar_t ch) {
  DWORD style = StyleOf(hwnd);
  if (style & ES_READONLY) return;
  if (ch == 0x08) {
    if (s.caret == 0) return;
    size_t n = 1;
    if (s.caret >= 2 && s.text.compare(s.caret - 2, 2, L"\r\n") == 0) n = 2;
    s.text.erase(s.caret - n, n);
    s.caret -= n;
    Changed(hwnd, s);
    return;
  }
  if (ch == 0x0D) {
    if (style & ES_MULTILINE) Insert(hwnd, s, L"\r\n");
    return;
  }
  if (ch < 0x20 || ch == 0x7F) return;
  if ((style & ES_NUMBER) && !(ch >= L'0' && ch <= L'9')) return;
  if (style & ES_UPPERCASE) ch = static_cast<wchar_t>(std::towupper(ch));
  if (style & ES_LOWERCASE) ch = static_cast<wchar_t>(std::towlower(ch));
  Insert(hwnd, s, std::wstring(1, ch));
}

void Key(HWND hwnd, EditState& s, WPARAM vk) {
  switch (vk) {
    case VK_LEFT:
      if (s.caret > 0)
        s.caret -= (s.caret >= 2 && s.text.compare(s.caret - 2, 2, L"\r\n") == 0) ? 2 : 1;
      break;
    case VK_RIGHT:
      if (s.caret < s.text.size()) s.caret += s.text.compare(s.caret, 2, L"\r\n") == 0 ? 2 : 1;
      break;
    case VK_HOME:
      s.caret = 0;
      break;
    case VK_END:
      s.caret = s.text.size();
      break;
    case VK_DELETE:
      if (!(StyleOf(hwnd) & ES_READONLY) && s.caret < s.text.size()) {
        s.text.erase(s.caret, s.text.compare(s.caret, 2, L"\r\n") == 0 ? 2 : 1);
        Changed(hwnd, s);
      }
      return;
    default:
      return;
  }
  KeepCaretVisible(hwnd, s);
  InvalidateRect(hwnd, nullptr, TRUE);
}

// The caret index nearest to a tap at client x (single line).
size_t CaretFromX(HWND hwnd, const EditState& s, int x) {
  const std::vector<int> widths = MeasureEditPrefixes(hwnd, s.text);
  int start = s.format.left + EditAlignOffset(StyleOf(hwnd), s.format, widths.back()) - s.scrollX;
  size_t best = 0;
  int bestDistance = std::abs(x - start);
  for (size_t i = 1; i <= s.text.size(); ++i) {
    int d = std::abs(x - (start + widths[i]));
    if (d < bestDistance) best = i, bestDistance = d;
  }
  return best;
}

LRESULT CALLBACK EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CREATE) {
    auto state = std::make_unique<EditState>();
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
    if (cs && cs->lpszName) state->text = cs->lpszName;
    States()[hwnd] = std::move(state);
    ResetFormat(hwnd, *StateOf(hwnd));
    return 0;
  }
  EditState* s = StateOf(hwnd);
  if (!s) return DefWindowProcW(hwnd, msg, wParam, lParam);
  switch (msg) {
    case WM_NCDESTROY:
      States().erase(hwnd);
      return 0;
    case WM_SIZE:
      ResetFormat(hwnd, *s);
      KeepCaretVisible(hwnd, *s);
      return 0;
    case WM_SETTEXT: {
      auto text = reinterpret_cast<LPCWSTR>(lParam);
      s->text = text ? text : L"";
      s->caret = 0;
      s->scrollX = 0;
      s->modified = false;
      InvalidateRect(hwnd, nullptr, TRUE);
      if (!(StyleOf(hwnd) & ES_MULTILINE)) {
        Notify(hwnd, EN_UPDATE);
        Notify(hwnd, EN_CHANGE);
      }
      return TRUE;
    }
    case WM_GETTEXT:
      return AnswerGetText(s->text, wParam, lParam);
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(s->text.size());
    case WM_CHAR:
      Char(hwnd, *s, static_cast<wchar_t>(wParam));
      return 0;
    case WM_KEYDOWN:
      Key(hwnd, *s, wParam);
      return 0;
    case WM_LBUTTONDOWN:
      if (GetFocus() != hwnd) SetFocus(hwnd);
      if ((s = StateOf(hwnd)) == nullptr) return 0;
      if (!(StyleOf(hwnd) & ES_MULTILINE)) {
        s->caret = CaretFromX(hwnd, *s, GET_X_LPARAM(lParam));
      } else {
        s->caret = s->text.size();
      }
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_SETFOCUS:
      s->focused = true;
      InvalidateRect(hwnd, nullptr, TRUE);
      Notify(hwnd, EN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      s->focused = false;
      InvalidateRect(hwnd, nullptr, TRUE);
      Notify(hwnd, EN_KILLFOCUS);
      return 0;
    case WM_ENABLE:
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint fills the background with the parent's brush
    case WM_PAINT:
      PaintEdit(hwnd, *s);
      return 0;
    case EM_LIMITTEXT:
      s->limit = wParam ? std::min<size_t>(wParam, kMaxLimit) : kMaxLimit;
      return 0;
    case EM_GETLIMITTEXT:
      return static_cast<LRESULT>(s->limit);
    case EM_SETREADONLY: {
      DWORD style = StyleOf(hwnd);
      style = wParam ? (style | ES_READONLY) : (style & ~ES_READONLY);
      SetWindowLongW(hwnd, GWL_STYLE, static_cast<LONG>(style));
      InvalidateRect(hwnd, nullptr, TRUE);
      return TRUE;
    }
    case EM_GETMODIFY:
      return s->modified ? TRUE : FALSE;
    case EM_SETMODIFY:
      s->modified = wParam != 0;
      return 0;
    case EM_SETRECT:
    case EM_SETRECTNP: {
      auto* r = reinterpret_cast<const RECT*>(lParam);
      if (r) {
        s->format = *r;
        s->formatSet = true;
      } else {
        s->formatSet = false;
        ResetFormat(hwnd, *s);
      }
      KeepCaretVisible(hwnd, *s);
      if (msg == EM_SETRECT) InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    }
    case EM_GETRECT:
      if (auto* r = reinterpret_cast<RECT*>(lParam)) *r = s->format;
      return 0;
    case EM_GETSEL: {
      auto caret = static_cast<DWORD>(s->caret);
      if (auto* start = reinterpret_cast<DWORD*>(wParam)) *start = caret;
      if (auto* end = reinterpret_cast<DWORD*>(lParam)) *end = caret;
      return MAKELONG(caret, caret);
    }
    case EM_SETSEL: {
      auto end = static_cast<LONG_PTR>(lParam);
      s->caret =
          end < 0 ? s->text.size() : std::min<size_t>(static_cast<size_t>(end), s->text.size());
      KeepCaretVisible(hwnd, *s);
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    }
    case EM_GETLINECOUNT: {
      LRESULT lines = 1;
      for (size_t p = s->text.find(L"\r\n"); p != std::wstring::npos;
           p = s->text.find(L"\r\n", p + 2))
        ++lines;
      return (StyleOf(hwnd) & ES_MULTILINE) ? lines : 1;
    }
    default:
      return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

}  // namespace

int EditAlignOffset(DWORD style, const RECT& format, int textWidth) {
  int width = format.right - format.left;
  if (textWidth >= width) return 0;
  if (style & ES_CENTER) return (width - textWidth) / 2;
  if (style & ES_RIGHT) return width - textWidth;
  return 0;
}

void RegisterEditClass() {
  WNDCLASSW wc{};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = EditProc;
  wc.lpszClassName = L"EDIT";
  WindowManager::Get().AddClass(wc, ClassOwner::kSystem);
}

}  // namespace platform::user
