// Bitmap fonts: the metrics table, the default character, spacing and measuring.
#include <gtest/gtest.h>

#include <vector>

#include "frame/elements/bitmap_font.h"
#include "frame_test_support.h"

using namespace frame_test;

namespace {

std::vector<uint8_t> Metrics(int first, int count, int defaultCharacter,
                             const std::vector<std::pair<int, int>>& glyphs) {
  std::vector<uint8_t> bytes = {static_cast<uint8_t>(first),
                                static_cast<uint8_t>(first >> 8),
                                static_cast<uint8_t>(count),
                                static_cast<uint8_t>(count >> 8),
                                static_cast<uint8_t>(defaultCharacter),
                                0};
  for (auto [x, width] : glyphs) {
    bytes.insert(bytes.end(), {static_cast<uint8_t>(x), static_cast<uint8_t>(x >> 8),
                               static_cast<uint8_t>(width), 0xEE});
  }
  return bytes;
}

TEST(BitmapFontMetrics, MetricsEntryNameReplacesEverythingFromTheFirstDot) {
  EXPECT_EQ(frame::MetricsEntryName("pt_font01.bmp"), "pt_font01.fmc");
  EXPECT_EQ(frame::MetricsEntryName("pt_a.b.bmp"), "pt_a.fmc");
  EXPECT_EQ(frame::MetricsEntryName("plain"), "plain.fmc");
}

TEST(BitmapFontMetrics, ATableShorterThanItsCountLeavesTheRestAbsent) {
  auto bytes = Metrics(65, 100, 66, {{0, 3}, {3, 4}});
  auto metrics = frame::BitmapFontMetrics::Parse(bytes.data(), bytes.size());
  EXPECT_EQ(metrics.first, 65);
  EXPECT_EQ(metrics.count, 100);
  ASSERT_NE(metrics.Lookup('A'), nullptr);
  EXPECT_EQ(metrics.Lookup('A')->width, 3);
  EXPECT_EQ(metrics.Lookup('Z'), metrics.Lookup('B'));  // listed but missing: the default
  EXPECT_EQ(metrics.Lookup(200), metrics.Lookup('B'));  // outside the range: the default

  // Too short for the header, or a negative count: nothing is present.
  EXPECT_EQ(frame::BitmapFontMetrics::Parse(bytes.data(), 5).Lookup('A'), nullptr);
  auto negative = Metrics(65, -3, 65, {{0, 3}});
  EXPECT_EQ(frame::BitmapFontMetrics::Parse(negative.data(), negative.size()).Lookup('A'), nullptr);
}

TEST(BitmapFontMetrics, WidthTwoFiftyFiveMarksAnAbsentGlyph) {
  auto bytes = Metrics(48, 3, 50, {{0, 2}, {2, 255}, {5, 4}});
  auto metrics = frame::BitmapFontMetrics::Parse(bytes.data(), bytes.size());
  EXPECT_EQ(metrics.Lookup('1'), metrics.Lookup('2'));
  EXPECT_EQ(metrics.Lookup('1')->x, 5);
  // A default character that is absent itself leaves nothing to draw.
  auto noDefault = Metrics(48, 2, 49, {{0, 2}, {2, 255}});
  EXPECT_EQ(frame::BitmapFontMetrics::Parse(noDefault.data(), noDefault.size()).Lookup('9'),
            nullptr);
}

// Glyphs: 'A' red, 3 wide at x 0; 'B' blue, 4 wide at x 3; 'C' absent. Default 'B'.
class BitmapFontDrawing : public ::testing::Test {
 protected:
  void SetUp() override {
    auto glyphs = SolidSurface(7, 5, kRed);
    Fill(*glyphs, 3, 0, 4, 5, kBlue);
    auto bytes = Metrics('A', 3, 'B', {{0, 3}, {3, 4}, {0, 255}});
    font_ = std::make_unique<frame::BitmapFont>(
        frame::Picture(std::make_shared<frame::SurfacePictureSource>(std::move(glyphs))),
        frame::BitmapFontMetrics::Parse(bytes.data(), bytes.size()), 2);
  }
  std::unique_ptr<frame::BitmapFont> font_;
};

TEST_F(BitmapFontDrawing, MissingCharactersDrawTheDefaultAndEveryGlyphAddsSpacing) {
  auto surface = SolidSurface(30, 8, kWhite);
  font_->DrawText(*surface, 1, 1, "ACA", SRCCOPY);
  // A at 1..3, gap 4..5, default B at 6..9, gap 10..11, A at 12..14.
  EXPECT_EQ(PixelAt(*surface, 1, 1), kRed);
  EXPECT_EQ(PixelAt(*surface, 3, 5), kRed);
  EXPECT_EQ(PixelAt(*surface, 4, 1), kWhite);
  EXPECT_EQ(PixelAt(*surface, 5, 1), kWhite);
  EXPECT_EQ(PixelAt(*surface, 6, 1), kBlue);
  EXPECT_EQ(PixelAt(*surface, 9, 1), kBlue);
  EXPECT_EQ(PixelAt(*surface, 10, 1), kWhite);
  EXPECT_EQ(PixelAt(*surface, 12, 1), kRed);
  EXPECT_EQ(PixelAt(*surface, 15, 1), kWhite);
  EXPECT_EQ(PixelAt(*surface, 1, 6), kWhite);  // five rows high
  EXPECT_EQ(font_->DrawCharacter(*surface, 20, 0, 'C', SRCCOPY), 20 + 4 + 2);
}

TEST_F(BitmapFontDrawing, WidthIsTheSumOfGlyphWidthsWithoutSpacing) {
  EXPECT_EQ(font_->TextWidth("ACA"), 3 + 4 + 3);
  EXPECT_EQ(font_->TextWidth(""), 0);
  EXPECT_EQ(font_->TextHeight(), 5);
}

TEST_F(BitmapFontDrawing, AnInstalledFontDrawsThroughTheSurface) {
  auto surface = SolidSurface(10, 6, kWhite);
  surface->SetTextRenderer(font_.release(), frame::Ownership::kOwned);
  surface->DrawText(0, 0, "B", frame::kDefaultRasterOp);
  EXPECT_EQ(PixelAt(*surface, 0, 0), kBlue);
  EXPECT_EQ(surface->TextWidth("AB"), 7);
}

}  // namespace
