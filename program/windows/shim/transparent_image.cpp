// TransparentImage on the desktop. The handheld copies a rectangle (stretched when the sizes
// differ) and leaves out the source pixels of one colour; TransparentBlt does the same here.
#include <windows.h>

#include "handheld.h"

namespace {

BOOL KeyedCopy(HDC destination, LONG x, LONG y, LONG width, LONG height, HDC source, LONG sourceX,
               LONG sourceY, LONG sourceWidth, LONG sourceHeight, COLORREF transparent) {
  return TransparentBlt(destination, x, y, width, height, source, sourceX, sourceY, sourceWidth,
                        sourceHeight, transparent);
}

}  // namespace

// The handheld accepts a bitmap as well as a DC for the source; a bitmap is selected into a memory
// DC of its own for the copy.
extern "C" BOOL WINAPI TransparentImage(HDC destination, LONG x, LONG y, LONG width, LONG height,
                                        HANDLE source, LONG sourceX, LONG sourceY, LONG sourceWidth,
                                        LONG sourceHeight, COLORREF transparent) {
  if (destination == nullptr || source == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (GetObjectType(source) != OBJ_BITMAP) {
    return KeyedCopy(destination, x, y, width, height, static_cast<HDC>(source), sourceX, sourceY,
                     sourceWidth, sourceHeight, transparent);
  }
  HDC memory = CreateCompatibleDC(destination);
  if (memory == nullptr) return FALSE;
  HGDIOBJ previous = SelectObject(memory, source);
  BOOL copied = FALSE;
  if (previous != nullptr) {
    copied = KeyedCopy(destination, x, y, width, height, memory, sourceX, sourceY, sourceWidth,
                       sourceHeight, transparent);
    SelectObject(memory, previous);
  }
  DeleteDC(memory);
  return copied;
}
