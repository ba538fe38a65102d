// The "EDIT" control's state, shared by its message handling and its painting.
// Internal to the platform layer.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace platform::user {

struct EditState {
  std::wstring text;
  size_t caret = 0;  // index in text
  size_t limit = 30000;
  bool modified = false;
  bool focused = false;
  bool formatSet = false;  // EM_SETRECT was used; otherwise the format rect follows the size
  RECT format{};
  int scrollX = 0;  // pixels of a single line scrolled out on the left
};

// Painting and measuring, done with the GDI (edit_paint.cpp).
void PaintEdit(HWND hwnd, const EditState& state);
int MeasureEditText(HWND hwnd, const std::wstring& text);
// The widths of every leading part of text, measured at once: element i is that of i characters.
std::vector<int> MeasureEditPrefixes(HWND hwnd, const std::wstring& text);
// Where text of the given width starts inside the format rectangle, before scrolling.
int EditAlignOffset(DWORD style, const RECT& format, int textWidth);

}  // namespace platform::user
