// Drawing surfaces: raster-op defaults, rectangles, inversion, clipping, text renderers and the
// halftone brush.
#include <gtest/gtest.h>

#include "frame/surface/halftone_brush.h"
#include "frame_test_support.h"

using namespace frame_test;

namespace {

TEST(DrawingSurface, DefaultRasterOpSelectsTheDestinationsDefault) {
  auto source = SolidSurface(4, 4, kRed);
  auto destination = SolidSurface(4, 4, kBlue);
  destination->Blit(*source, 0, 0, 2, 2, 0, 0, frame::kDefaultRasterOp);
  EXPECT_EQ(PixelAt(*destination, 1, 1), kRed);  // source copy
  EXPECT_EQ(PixelAt(*destination, 2, 2), kBlue);

  // With AND as the surface's default, red over white-and-blue keeps only shared bits.
  auto other = SolidSurface(4, 4, RGB(255, 0, 255));
  other->SetDefaultRasterOp(SRCAND);
  other->Blit(*source, 0, 0, 4, 4, 0, 0, frame::kDefaultRasterOp);
  EXPECT_EQ(PixelAt(*other, 0, 0), kRed);
  other->Blit(*SolidSurface(4, 4, kBlue), 0, 0, 4, 4, 0, 0, frame::kDefaultRasterOp);
  EXPECT_EQ(PixelAt(*other, 0, 0), kBlack);
}

TEST(DrawingSurface, RadiusZeroIsSquareAndRadiusThreeRoundsTheCorners) {
  auto square = SolidSurface(12, 12, kWhite);
  square->FillRectBlack(0, 0, 10, 10, 0);
  EXPECT_EQ(PixelAt(*square, 0, 0), kBlack);
  EXPECT_EQ(PixelAt(*square, 9, 9), kBlack);
  EXPECT_EQ(PixelAt(*square, 10, 10), kWhite);

  auto round = SolidSurface(12, 12, kWhite);
  round->FillRectBlack(frame::Rect{0, 0, 10, 10}, 3);
  EXPECT_EQ(PixelAt(*round, 0, 0), kWhite);  // cut by the 6x6 corner ellipse
  EXPECT_EQ(PixelAt(*round, 9, 0), kWhite);
  EXPECT_EQ(PixelAt(*round, 5, 0), kBlack);
  EXPECT_EQ(PixelAt(*round, 5, 5), kBlack);
}

TEST(DrawingSurface, InvertingTwiceRestoresThePixels) {
  auto surface = SolidSurface(10, 10, RGB(10, 200, 30));
  surface->InvertRect(2, 2, 6, 6, 0);
  EXPECT_EQ(PixelAt(*surface, 3, 3), RGB(245, 55, 225));
  EXPECT_EQ(PixelAt(*surface, 1, 1), RGB(245, 55, 225));  // the corners form grows by one
  EXPECT_EQ(PixelAt(*surface, 0, 0), RGB(10, 200, 30));
  surface->InvertRect(2, 2, 6, 6, 0);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) ASSERT_EQ(PixelAt(*surface, x, y), RGB(10, 200, 30));
  }
}

TEST(DrawingSurface, ClipRectLimitsDrawing) {
  auto surface = SolidSurface(10, 10, kWhite);
  surface->SetClipRect(2, 2, 3, 3);
  EXPECT_EQ(surface->GetClipRect(), (frame::Rect{2, 2, 3, 3}));
  surface->FillRectBlack(0, 0, 10, 10, 0);
  surface->SetClipRect(0, 0, 10, 10);  // pixels outside the clip cannot be read either
  EXPECT_EQ(PixelAt(*surface, 2, 2), kBlack);
  EXPECT_EQ(PixelAt(*surface, 4, 4), kBlack);
  EXPECT_EQ(PixelAt(*surface, 5, 5), kWhite);
  EXPECT_EQ(PixelAt(*surface, 1, 1), kWhite);
}

class RecordingRenderer : public frame::TextRenderer {
 public:
  RecordingRenderer(int* deletions, DWORD* lastRop) : deletions_(deletions), lastRop_(lastRop) {}
  ~RecordingRenderer() override { ++*deletions_; }
  void DrawText(frame::DrawingSurface&, int, int, const char*, DWORD rop) override {
    *lastRop_ = rop;
  }
  int TextWidth(const char* text) override { return static_cast<int>(strlen(text)); }
  int TextHeight() override { return 7; }

 private:
  int* deletions_;
  DWORD* lastRop_;
};

TEST(DrawingSurface, TextRendererOwnership) {
  int deletions = 0;
  DWORD rop = 0;
  {
    frame::OffscreenSurface surface(4, 4);
    auto* owned = new RecordingRenderer(&deletions, &rop);
    surface.SetTextRenderer(owned,
                            frame::Ownership::kOwned);  // the system-font renderer it owned goes
    RecordingRenderer borrowed(&deletions, &rop);
    // Replacing an owned renderer deletes it and hands nothing back.
    EXPECT_EQ(surface.SetTextRenderer(&borrowed, frame::Ownership::kBorrowed), nullptr);
    EXPECT_EQ(deletions, 1);
    surface.DrawText(0, 0, "x", frame::kDefaultRasterOp);
    EXPECT_EQ(rop, static_cast<DWORD>(SRCCOPY));
    EXPECT_EQ(surface.TextWidth("abc"), 3);
    // A borrowed renderer is handed back, not deleted.
    EXPECT_EQ(surface.SetTextRenderer(nullptr, frame::Ownership::kOwned), &borrowed);
    EXPECT_EQ(deletions, 1);
    surface.DrawText(0, 0, "no renderer", SRCCOPY);
    EXPECT_EQ(surface.TextWidth("no renderer"), 0);
  }
  EXPECT_EQ(deletions, 2);  // `borrowed` at the end of its scope only
}

TEST(HalftoneBrush, PaintsACheckerboard) {
  auto surface = SolidSurface(8, 8, kGreen);
  RECT area{0, 0, 8, 8};
  ::FillRect(surface->DeviceContext(), &area, frame::HalftoneBrush());
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 7; ++x) {
      ASSERT_NE(PixelAt(*surface, x, y), PixelAt(*surface, x + 1, y)) << x << "," << y;
    }
    if (y < 7) {
      ASSERT_NE(PixelAt(*surface, 0, y), PixelAt(*surface, 0, y + 1));
    }
  }
}

TEST(DrawingSurface, ScrollMovesTheAreaAndLeavesTheUncoveredPixels) {
  auto surface = SolidSurface(10, 10, kWhite);
  Fill(*surface, 2, 2, 2, 2, kRed);
  surface->Scroll(0, 0, 10, 10, 3, 1);
  EXPECT_EQ(PixelAt(*surface, 5, 3), kRed);
  EXPECT_EQ(PixelAt(*surface, 6, 4), kRed);
  EXPECT_EQ(PixelAt(*surface, 2, 2), kWhite);
}

}  // namespace
