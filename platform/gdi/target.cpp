// Resolving a DC to its surface and clip, and sampling brushes on it.
#include "gdi/target.h"

#include "backend/screen.h"
#include "winbase.h"

namespace platform::gdi {

namespace {

Surface& ScreenSurface() {
  static Surface surface = [] {
    Surface s;
    s.width = ScreenBuffer::kWidth;
    s.height = ScreenBuffer::kHeight;
    s.bpp = 32;
    s.stride = ScreenBuffer::kWidth * 4;
    s.bits = reinterpret_cast<uint8_t*>(TheScreen().pixels.data());
    s.masks[0] = 0xFF0000;
    s.masks[1] = 0xFF00;
    s.masks[2] = 0xFF;
    return s;
  }();
  return surface;
}

int Mod(int a, int m) {
  const int r = a % m;
  return r < 0 ? r + m : r;
}

}  // namespace

std::optional<DrawTarget> ResolveTarget(HDC handle) {
  DcObject* dc = CheckDc(handle);
  if (!dc) return std::nullopt;
  DrawTarget t;
  t.dc = dc;
  if (dc->display) {
    t.surface = &ScreenSurface();
    t.screen = true;
    DisplayView view = dc->source ? dc->source() : DisplayView{};
    t.origin = view.origin;
    t.clip =
        Region::FromRects(view.visible).Intersect(RECT{0, 0, t.surface->width, t.surface->height});
  } else {
    t.bitmap = LookupBitmap(dc->bitmap);
    if (!t.bitmap) {
      SetLastError(ERROR_INVALID_HANDLE);
      return std::nullopt;
    }
    t.surface = &t.bitmap->surface;
    t.clip = Region(RECT{0, 0, t.surface->width, t.surface->height});
  }
  if (dc->clip) {
    Region clip = *dc->clip;
    clip.Offset(t.origin.x, t.origin.y);
    t.clip = t.clip.Intersect(clip);
  }
  return t;
}

void MarkDrawn(const DrawTarget& target) {
  if (target.screen) ++TheScreen().generation;
}

uint32_t TargetColour(const DrawTarget& target, COLORREF color) {
  const uint32_t rgb = ColorRefToPixel(color & 0xFFFFFF);
  // A monochrome bitmap shows black or white: the nearest of its two colours.
  if (target.surface->bpp <= 8 && !target.surface->palette.empty()) {
    return target.surface->palette[NearestIndex(*target.surface, rgb)];
  }
  return rgb;
}

BrushSampler::BrushSampler(const DrawTarget& target, const BrushObject* brush) : brush_(brush) {
  if (!brush || brush->style == BS_NULL) return;
  null_ = false;
  if (brush->style == BS_SOLID) {
    colour_ = TargetColour(target, brush->color);
    return;
  }
  solid_ = false;
  fore_ = ColorRefToPixel(target.dc->text_color & 0xFFFFFF);
  back_ = ColorRefToPixel(target.dc->bk_color & 0xFFFFFF);
  phase_x_ = target.origin.x + target.dc->brush_org.x;
  phase_y_ = target.origin.y + target.dc->brush_org.y;
}

void BrushSampler::Row(int x, int y, int n, uint32_t* out) const {
  if (solid_) {
    for (int i = 0; i < n; ++i) out[i] = colour_;
    return;
  }
  const int w = brush_->pattern_width;
  const int h = brush_->pattern_height;
  const uint32_t* row = brush_->pattern.data() + static_cast<size_t>(Mod(y - phase_y_, h)) * w;
  int px = Mod(x - phase_x_, w);
  for (int i = 0; i < n; ++i) {
    const uint32_t v = row[px];
    // Monochrome patterns: 0 bits take the text colour, 1 bits the background colour.
    out[i] = brush_->mono_pattern ? (v ? back_ : fore_) : v;
    if (++px == w) px = 0;
  }
}

}  // namespace platform::gdi
