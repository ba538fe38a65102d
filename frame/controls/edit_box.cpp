// EditBox: the edit control's messages.
#include "frame/controls/edit_box.h"

#include <cstdlib>
#include <cwchar>
#include <vector>

#include "frame/base/wide_string.h"

namespace frame {

namespace {

DWORD EditStyle(Editing editing, Lines lines, DWORD extraStyle, Characters characters) {
  DWORD style = WS_CHILD | WS_VISIBLE | ES_AUTOVSCROLL | ES_AUTOHSCROLL;
  if (editing == Editing::kReadOnly) style |= ES_READONLY;
  if (lines == Lines::kMultiple) style |= ES_MULTILINE;
  if (characters == Characters::kDigits) style |= ES_NUMBER;
  return style | extraStyle;
}

}  // namespace

EditBox::EditBox(int x, int y, int width, int height, ControlHost* form, int maxCharacters,
                 Editing editing, Lines lines, DWORD extraStyle, Characters characters,
                 COLORREF textColor, COLORREF backgroundColor)
    : UIControl(x, y, width, height, nullptr, form, "EDIT",
                EditStyle(editing, lines, extraStyle, characters), textColor, backgroundColor),
      editable_(editing == Editing::kEditable) {
  SendMessageW(Window(), EM_LIMITTEXT, static_cast<WPARAM>(maxCharacters), 0);
}

void EditBox::SetFocus() {
  ::SetFocus(Window());
}

void EditBox::ClearFocus() {
  ::SetFocus(nullptr);
}

bool EditBox::HasFocus() const {
  return Window() != nullptr && GetFocus() == Window();
}

int EditBox::GetTextLength() const {
  return static_cast<int>(SendMessageW(Window(), WM_GETTEXTLENGTH, 0, 0));
}

void EditBox::GetText(char* destination, int length) const {
  if (destination == nullptr || length <= 0) return;
  std::vector<wchar_t> wide(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(Window(), WM_GETTEXT, static_cast<WPARAM>(length),
               reinterpret_cast<LPARAM>(wide.data()));
  // Narrowed through the ANSI code page, as the handheld's runtime narrows; characters the
  // code page lacks become its default character rather than losing the whole text.
  const int wideLength = static_cast<int>(std::wcslen(wide.data()));
  int written = WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, destination, length - 1,
                                    nullptr, nullptr);
  if (written < 0) written = 0;
  destination[written] = '\0';  // always terminated, even when the text filled the buffer
}

void EditBox::GetAllText(char* destination) const {
  GetText(destination, GetTextLength() + 1);
}

std::string EditBox::GetAllText() const {
  std::string text(static_cast<size_t>(GetTextLength()) + 1, '\0');
  GetText(text.data(), static_cast<int>(text.size()));
  text.resize(std::char_traits<char>::length(text.c_str()));
  return text;
}

void EditBox::SetText(const char* text) {
  UIControl::SetText(text);
  WideString wide(text != nullptr ? text : "");
  SendMessageW(Window(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(static_cast<LPCWSTR>(wide)));
}

bool EditBox::TypeText(const char* text) {
  if (text == nullptr) return true;
  for (const char* p = text; *p != '\0'; ++p) {
    // A refused character leaves the text as long as it was.
    const int before = GetTextLength();
    SendMessageW(Window(), WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(*p)), 0);
    if (GetTextLength() <= before) return false;
  }
  return true;
}

void EditBox::SetEditable(bool editable) {
  editable_ = editable;
  SendMessageW(Window(), EM_SETREADONLY, editable ? FALSE : TRUE, 0);
}

void EditBox::SetFormatRect(int x, int y, int width, int height) {
  RECT area{x, y, x + width, y + height};
  SendMessageW(Window(), EM_SETRECT, 0, reinterpret_cast<LPARAM>(&area));
}

Rect EditBox::GetFormatRect() const {
  RECT area{0, 0, 0, 0};
  SendMessageW(Window(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
  return Rect::FromRECT(area);
}

bool EditBox::IsModified() const {
  return SendMessageW(Window(), EM_GETMODIFY, 0, 0) != 0;
}

}  // namespace frame
