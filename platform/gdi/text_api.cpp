// Text output and measurement: ExtTextOutW, DrawTextW (alignment, word breaks, prefixes,
// DT_CALCRECT), GetTextExtentPoint32W and GetTextMetricsW.
#include <cwchar>
#include <string>
#include <vector>

#include "gdi/coordinates.h"
#include "gdi/font_engine.h"
#include "gdi/target.h"
#include "windows.h"

using namespace platform::gdi;

namespace {

Font* FontOfDc(DcObject* dc) {
  const FontObject* f = LookupFont(dc->font);
  return f ? FontFor(f->logfont) : nullptr;
}

std::u32string ToU32(LPCWSTR text, size_t n) {
  std::u32string out;
  out.reserve(n);
  for (size_t i = 0; i < n; ++i) out.push_back(static_cast<char32_t>(text[i]));
  return out;
}

// Paints [x0, x1) of row y (surface coordinates) in one colour inside the clip; `scratch` is
// reused between calls so that a glyph's pixel runs cost no allocation.
void FillRow(const DrawTarget& t, int y, int x0, int x1, uint32_t colour,
             std::vector<uint32_t>& scratch) {
  ForEachClippedSpan(t, y, x0, x1, [&](int a, int b, int row) {
    scratch.assign(static_cast<size_t>(b - a), colour);
    WriteSpan(*t.surface, a, row, b - a, scratch.data());
  });
}

void FillSolid(const DrawTarget& t, const RECT& r, uint32_t colour) {
  std::vector<uint32_t> scratch;
  const RECT area = IntersectRects(r, t.clip.Box());
  for (int y = area.top; y < area.bottom; ++y)
    FillRow(t, y, area.left, area.right, colour, scratch);
}

// Draws a line of text with its cell's top-left corner at (x, y), surface coordinates. An
// underline goes under the character at `underline` (or none when it is npos).
void DrawRun(const DrawTarget& t, Font& font, int x, int y, std::u32string_view text, const INT* dx,
             bool opaque, size_t underline = std::u32string_view::npos) {
  const uint32_t colour = TargetColour(t, t.dc->text_color);
  const FontMetrics& m = font.Metrics();
  int width = 0;
  for (size_t i = 0; i < text.size(); ++i) width += dx ? dx[i] : font.GlyphFor(text[i]).advance;
  if (opaque) FillSolid(t, RECT{x, y, x + width, y + m.height}, TargetColour(t, t.dc->bk_color));
  std::vector<uint32_t> scratch;
  int pen = x;
  for (size_t i = 0; i < text.size(); ++i) {
    const Glyph& g = font.GlyphFor(text[i]);
    const int gx = pen + g.left, gy = y + m.ascent - g.top;
    for (int row = 0; row < g.rows; ++row) {
      const uint8_t* bits = g.mask.data() + static_cast<size_t>(row) * g.width;
      for (int col = 0; col < g.width;) {
        if (!bits[col]) {
          ++col;
          continue;
        }
        int end = col;
        while (end < g.width && bits[end]) ++end;
        FillRow(t, gy + row, gx + col, gx + end, colour, scratch);
        col = end;
      }
    }
    if (i == underline) FillRow(t, y + m.ascent + 1, pen, pen + g.advance, colour, scratch);
    pen += dx ? dx[i] : g.advance;
  }
}

struct Line {
  std::u32string text;
  size_t underline = std::u32string::npos;
  int width = 0;
};

// Removes '&' prefixes: "&&" is a literal '&'; "&x" underlines x.
std::u32string StripPrefixes(const std::u32string& in, size_t& underline) {
  std::u32string out;
  underline = std::u32string::npos;
  for (size_t i = 0; i < in.size(); ++i) {
    if (in[i] == U'&' && i + 1 < in.size()) {
      ++i;
      if (in[i] != U'&') underline = out.size();
    }
    out.push_back(in[i]);
  }
  return out;
}

std::vector<Line> LayOut(Font& font, const std::u32string& text, UINT format, int maxWidth) {
  std::vector<std::u32string> paragraphs;
  if (format & DT_SINGLELINE) {
    std::u32string one;
    for (char32_t c : text) {
      if (c != U'\r' && c != U'\n') one.push_back(c);
    }
    paragraphs.push_back(one);
  } else {
    std::u32string current;
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') continue;
      if (text[i] == U'\n' || text[i] == U'\r') {
        paragraphs.push_back(current);
        current.clear();
      } else {
        current.push_back(text[i]);
      }
    }
    paragraphs.push_back(current);
  }
  std::vector<Line> lines;
  for (const std::u32string& p : paragraphs) {
    if (!(format & DT_WORDBREAK) || (format & DT_SINGLELINE)) {
      lines.push_back({p});
      continue;
    }
    // Break at spaces so that each line fits; a single word wider than the line stays whole.
    size_t start = 0;
    while (true) {
      size_t end = start, fit = std::u32string::npos;
      while (end <= p.size()) {
        if (end == p.size() || p[end] == U' ') {
          if (TextWidth(font, std::u32string_view(p).substr(start, end - start)) > maxWidth &&
              fit != std::u32string::npos)
            break;
          fit = end;
          if (end == p.size()) break;
        }
        ++end;
      }
      if (fit == std::u32string::npos) fit = p.size();
      lines.push_back({p.substr(start, fit - start)});
      start = fit;
      while (start < p.size() && p[start] == U' ') ++start;
      if (start >= p.size()) break;
    }
  }
  for (Line& line : lines) {
    if (!(format & DT_NOPREFIX)) line.text = StripPrefixes(line.text, line.underline);
    line.width = TextWidth(font, line.text);
  }
  return lines;
}

}  // namespace

BOOL WINAPI GetTextMetricsW(HDC hdc, LPTEXTMETRICW lptm) {
  DcObject* dc = LookupDc(hdc);
  if (!dc || !lptm) {
    SetLastError(dc ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
    return FALSE;
  }
  Font* font = FontOfDc(dc);
  if (!font) return FALSE;
  const FontMetrics& m = font->Metrics();
  *lptm = TEXTMETRICW{};
  lptm->tmHeight = m.height;
  lptm->tmAscent = m.ascent;
  lptm->tmDescent = m.descent;
  lptm->tmAveCharWidth = m.average_width;
  lptm->tmMaxCharWidth = m.max_width;
  lptm->tmWeight = m.weight;
  lptm->tmDigitizedAspectX = 96;
  lptm->tmDigitizedAspectY = 96;
  lptm->tmFirstChar = 0x20;
  lptm->tmLastChar = 0xFFFC;
  lptm->tmDefaultChar = 0x20;
  lptm->tmBreakChar = 0x20;
  lptm->tmPitchAndFamily = FF_SWISS | 0x06;  // variable pitch, TrueType
  lptm->tmCharSet = ANSI_CHARSET;
  return TRUE;
}

BOOL WINAPI GetTextExtentExPointW(HDC hdc, LPCWSTR lpszString, int cchString, int nMaxExtent,
                                  LPINT lpnFit, LPINT lpnDx, LPSIZE lpSize) {
  DcObject* dc = CheckDc(hdc);
  if (!dc) return FALSE;
  if (cchString < 0 || (!lpszString && cchString > 0) || !lpSize) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  Font* font = FontOfDc(dc);
  if (!font) return FALSE;
  int width = 0, fit = 0;
  for (int i = 0; i < cchString; ++i) {
    width += font->GlyphFor(static_cast<uint32_t>(lpszString[i])).advance;
    if (lpnDx) lpnDx[i] = width;
    if (width <= nMaxExtent) fit = i + 1;
  }
  if (lpnFit) *lpnFit = fit;
  *lpSize = SIZE{width, font->Metrics().height};
  return TRUE;
}

BOOL WINAPI GetTextExtentPoint32W(HDC hdc, LPCWSTR lpString, int c, LPSIZE psizl) {
  return GetTextExtentExPointW(hdc, lpString, c, 0, nullptr, nullptr, psizl);
}

BOOL WINAPI ExtTextOutW(HDC hdc, int x, int y, UINT options, CONST RECT* lprect, LPCWSTR lpString,
                        UINT c, CONST INT* lpDx) {
  if (!CoordinatesOk({x, y}) || (lprect && !RectOk(*lprect))) return FALSE;
  std::optional<DrawTarget> t = ResolveTarget(hdc);
  if (!t) return FALSE;
  if ((options & ~static_cast<UINT>(ETO_OPAQUE | ETO_CLIPPED)) != 0) {
    SetLastError(ERROR_INVALID_FLAGS);
    return FALSE;
  }
  if ((c > 0 && !lpString) || (options && !lprect)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  Font* font = FontOfDc(t->dc);
  if (!font) return FALSE;
  if (options & ETO_OPAQUE) FillSolid(*t, t->ToSurface(*lprect), TargetColour(*t, t->dc->bk_color));
  DrawTarget textTarget = *t;
  if (options & ETO_CLIPPED) textTarget.clip = t->clip.Intersect(t->ToSurface(*lprect));
  // The opaque rectangle already holds the background.
  const bool opaque = !(options & ETO_OPAQUE) && t->dc->bk_mode == OPAQUE;
  DrawRun(textTarget, *font, x + t->origin.x, y + t->origin.y, ToU32(lpString, c), lpDx, opaque);
  MarkDrawn(*t);
  return TRUE;
}

int WINAPI DrawTextW(HDC hdc, LPCWSTR lpchText, int cchText, LPRECT lprc, UINT format) {
  if (lprc && !RectOk(*lprc)) return 0;
  constexpr UINT kSupported = DT_CENTER | DT_RIGHT | DT_VCENTER | DT_BOTTOM | DT_WORDBREAK |
                              DT_SINGLELINE | DT_NOCLIP | DT_EXTERNALLEADING | DT_CALCRECT |
                              DT_NOPREFIX | DT_INTERNAL;
  std::optional<DrawTarget> t = ResolveTarget(hdc);
  if (!t) return 0;
  if (format & ~kSupported) {
    SetLastError(ERROR_INVALID_FLAGS);
    return 0;
  }
  if (!lprc || (!lpchText && cchText != 0)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  Font* font = FontOfDc(t->dc);
  if (!font) return 0;
  const size_t length = cchText < 0 ? std::wcslen(lpchText) : static_cast<size_t>(cchText);
  const std::vector<Line> lines =
      LayOut(*font, ToU32(lpchText, length), format, lprc->right - lprc->left);
  const int lineHeight = font->Metrics().height;
  const int totalHeight = lineHeight * static_cast<int>(lines.size());

  if (format & DT_CALCRECT) {
    int widest = 0;
    for (const Line& line : lines) widest = std::max(widest, line.width);
    lprc->right = lprc->left + widest;
    lprc->bottom = lprc->top + totalHeight;
    return totalHeight;
  }

  int y = lprc->top;
  if (format & DT_SINGLELINE) {
    if (format & DT_VCENTER) y = lprc->top + (lprc->bottom - lprc->top - totalHeight) / 2;
    if (format & DT_BOTTOM) y = lprc->bottom - totalHeight;
  }
  DrawTarget textTarget = *t;
  if (!(format & DT_NOCLIP)) textTarget.clip = t->clip.Intersect(t->ToSurface(*lprc));
  for (size_t i = 0; i < lines.size(); ++i) {
    const Line& line = lines[i];
    int x = lprc->left;
    if (format & DT_CENTER) x = lprc->left + (lprc->right - lprc->left - line.width) / 2;
    if (format & DT_RIGHT) x = lprc->right - line.width;
    DrawRun(textTarget, *font, x + t->origin.x, y + static_cast<int>(i) * lineHeight + t->origin.y,
            line.text, nullptr, t->dc->bk_mode == OPAQUE, line.underline);
  }
  MarkDrawn(*t);
  // With vertical placement the result is the offset from the top to the bottom of the text.
  if (format & (DT_VCENTER | DT_BOTTOM)) return y - lprc->top + totalHeight;
  return totalHeight;
}
