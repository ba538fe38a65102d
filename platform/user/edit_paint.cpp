// Painting of the "EDIT" control: background and colours from the parent (WM_CTLCOLOREDIT, or
// WM_CTLCOLORSTATIC when read-only or disabled), the text in the formatting rectangle with its
// alignment and scroll, and a caret while it has the focus.
#include <vector>

#include "user/edit_control.h"
#include "user/window_manager.h"

namespace platform::user {

namespace {

std::vector<std::wstring> Lines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  size_t start = 0;
  for (size_t p = text.find(L"\r\n"); p != std::wstring::npos; p = text.find(L"\r\n", start)) {
    lines.push_back(text.substr(start, p - start));
    start = p + 2;
  }
  lines.push_back(text.substr(start));
  return lines;
}

int Width(HDC dc, const std::wstring& text) {
  SIZE size{0, 0};
  if (!text.empty()) GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

}  // namespace

int MeasureEditText(HWND hwnd, const std::wstring& text) {
  HDC dc = GetDC(hwnd);
  int width = Width(dc, text);
  ReleaseDC(hwnd, dc);
  return width;
}

std::vector<int> MeasureEditPrefixes(HWND hwnd, const std::wstring& text) {
  std::vector<int> widths(text.size() + 1, 0);
  if (text.empty()) return widths;
  HDC dc = GetDC(hwnd);
  SIZE size{0, 0};
  GetTextExtentExPointW(dc, text.c_str(), static_cast<int>(text.size()), 0, nullptr,
                        widths.data() + 1, &size);
  ReleaseDC(hwnd, dc);
  return widths;
}

void PaintEdit(HWND hwnd, const EditState& s) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  if (!dc) return;
  auto style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
  bool disabled = (style & WS_DISABLED) != 0;
  UINT colourMessage = (style & ES_READONLY) || disabled ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
  HBRUSH brush = nullptr;
  if (HWND parent = GetParent(hwnd)) {
    brush = reinterpret_cast<HBRUSH>(SendMessageW(
        parent, colourMessage, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd)));
  }
  if (!brush) brush = reinterpret_cast<HBRUSH>(DefaultControlColor(dc, colourMessage));
  RECT client;
  GetClientRect(hwnd, &client);
  FillRect(dc, &client, brush);
  if (disabled) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  COLORREF textColour = GetTextColor(dc);
  int oldMode = SetBkMode(dc, TRANSPARENT);
  IntersectClipRect(dc, s.format.left, s.format.top, s.format.right, s.format.bottom);

  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  int lineHeight = metrics.tmHeight > 0 ? metrics.tmHeight : 13;
  std::vector<std::wstring> lines =
      (style & ES_MULTILINE) ? Lines(s.text) : std::vector<std::wstring>{s.text};
  size_t lineStart = 0;
  int y = s.format.top;
  for (const std::wstring& line : lines) {
    int width = Width(dc, line);
    int x = s.format.left + EditAlignOffset(style, s.format, width);
    if (!(style & ES_MULTILINE)) x -= s.scrollX;
    RECT r{x, y, x + width + 1, y + lineHeight};
    DrawTextW(dc, line.c_str(), static_cast<int>(line.size()), &r,
              DT_SINGLELINE | DT_LEFT | DT_TOP | DT_NOPREFIX | DT_NOCLIP);
    bool caretHere = s.caret >= lineStart && s.caret <= lineStart + line.size();
    if (s.focused && caretHere) {
      int caretX = x + Width(dc, line.substr(0, s.caret - lineStart));
      HBRUSH caret = CreateSolidBrush(textColour);
      RECT bar{caretX, y, caretX + 1, y + lineHeight};
      FillRect(dc, &bar, caret);
      DeleteObject(caret);
    }
    lineStart += line.size() + 2;
    y += lineHeight;
  }
  SetBkMode(dc, oldMode);
  EndPaint(hwnd, &ps);
}

}  // namespace platform::user
