// Pictures, fonts, buttons, animations and images made from entries of a real data archive
// found through the registry, in a child process with its own device (the archive stays open
// for the rest of a process).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "backend/headless.h"
#include "child_process.h"
#include "frame/elements/bitmap_font.h"
#include "frame/elements/frame_animation.h"
#include "frame/elements/image.h"
#include "frame/elements/picture_button.h"
#include "frame_test_support.h"
#include "storage/archive/archive_writer.h"

using namespace frame_test;

namespace {

using Bytes = std::vector<uint8_t>;

void Put32(Bytes& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// A bottom-up 24-bit bitmap file whose pixels come from `color`.
Bytes Bmp24(int width, int height, const std::function<COLORREF(int, int)>& color) {
  const int stride = (width * 24 + 31) / 32 * 4;
  Bytes bytes(54 + static_cast<size_t>(stride * height), 0);
  bytes[0] = 'B';
  bytes[1] = 'M';
  Put32(bytes, 10, 54);
  Put32(bytes, 14, 40);
  Put32(bytes, 18, static_cast<uint32_t>(width));
  Put32(bytes, 22, static_cast<uint32_t>(height));
  bytes[26] = 1;
  bytes[28] = 24;
  for (int y = 0; y < height; ++y) {
    uint8_t* row = &bytes[54 + static_cast<size_t>(stride * (height - 1 - y))];
    for (int x = 0; x < width; ++x) {
      const COLORREF c = color(x, y);
      uint8_t* pixel = row + static_cast<ptrdiff_t>(x) * 3;
      pixel[0] = GetBValue(c);
      pixel[1] = GetGValue(c);
      pixel[2] = GetRValue(c);
    }
  }
  return bytes;
}

Bytes Solid(int width, int height, COLORREF c) {
  return Bmp24(width, height, [c](int, int) { return c; });
}

// The archive "\pt.dat" of the device, named by the game's registry key.
void InstallArchive() {
  Bytes fontMetrics = {'A', 0, 2, 0, 'B', 0, 0, 0, 3, 0, 3, 0, 4, 0};
  std::vector<storage::ArchiveSource> entries = {
      {"pt_font01.bmp", Bmp24(7, 5, [](int x, int) { return x < 3 ? kRed : kBlue; })},
      {"pt_font01.fmc", fontMetrics},
      {"pt_btn.bmp",
       Bmp24(90, 10, [](int x, int) { return x < 30   ? kRed
                                             : x < 60 ? kGreen
                                                      : kBlue; })},
      {"pt_anim_a.bmp", Solid(4, 4, kRed)},
      {"m_pt_anim_a.bmp", Solid(4, 4, kBlack)},
      {"pt_anim_b.bmp", Solid(4, 4, kGreen)},
      {"m_pt_anim_b.bmp", Bmp24(4, 4, [](int x, int) { return x < 2 ? kBlack : kWhite; })},
      {"pt_img.bmp", Solid(6, 3, kBlue)},
  };
  Bytes archive;
  ASSERT_TRUE(storage::BuildArchive(entries, storage::EntryPacking::kLzrw2WhenSmaller, archive));
  std::ofstream(std::filesystem::path(std::getenv("PUTTLAND_DEVICE")) / "pt.dat", std::ios::binary)
      .write(reinterpret_cast<const char*>(archive.data()), std::streamsize(archive.size()));

  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Ombrelune\\Puttland", 0, nullptr, 0, 0,
                            nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const wchar_t path[] = L"\\pt.dat";
  RegSetValueExW(key, L"Resource File", 0, REG_SZ, reinterpret_cast<const BYTE*>(path),
                 sizeof path);
  RegCloseKey(key);
}

// Runs in the child process started below, with its own device and archive.
TEST(ArchiveHelper, DISABLED_PicturesFromEntries) {
  if (std::getenv("PT_FRAME_ARCHIVE") == nullptr) {
    GTEST_SKIP() << "a helper of ArchivePictures, run only in its child process";
  }
  InstallArchive();

  // The font: glyph A (3 wide) and the default B (4 wide) for the missing Z, spacing 1.
  auto page = SolidSurface(20, 8, kWhite);
  page->SetTextRenderer(new frame::BitmapFont("pt_font01.bmp", 1), frame::Ownership::kOwned);
  page->DrawText(0, 0, "AZ", frame::kDefaultRasterOp);
  EXPECT_EQ(PixelAt(*page, 2, 4), kRed);
  EXPECT_EQ(PixelAt(*page, 3, 0), kWhite);
  EXPECT_EQ(PixelAt(*page, 4, 0), kBlue);
  EXPECT_EQ(PixelAt(*page, 7, 4), kBlue);
  EXPECT_EQ(PixelAt(*page, 8, 0), kWhite);
  EXPECT_EQ(page->TextWidth("AZ"), 7);

  // The button strip in three states.
  auto target = SolidSurface(40, 20, kWhite);
  frame::PictureButton button("pt_btn.bmp", 2, 2, target.get(), nullptr,
                              frame::ButtonState::kEnabled, frame::Disabling::kAllowed);
  EXPECT_EQ(button.NormalPicture().Width(), 30);
  button.Disable();
  button.Paint();
  EXPECT_EQ(PixelAt(*target, 2, 2), kBlue);
  EXPECT_EQ(PixelAt(*target, 31, 11), kBlue);

  // The animation's pictures and masks by name: b is drawn first, through its mask.
  auto background = SolidSurface(10, 10, kWhite);
  auto screen = SolidSurface(10, 10, kWhite);
  frame::FrameAnimation animation("pt_anim", 2, 10, background.get());
  EXPECT_EQ(animation.FrameCount(), 2u);
  animation.SetPosition(1, 1);
  animation.Start();
  platform::Headless().Advance(10);
  EXPECT_FALSE(animation.Step(*screen));
  EXPECT_EQ(PixelAt(*screen, 1, 1), kGreen);
  EXPECT_EQ(PixelAt(*screen, 4, 1), kWhite);

  frame::Image image("pt_img.bmp");
  EXPECT_EQ(image.Width(), 6);
  EXPECT_EQ(image.Height(), 3);
  EXPECT_EQ(PixelAt(image.Surface(), 5, 2), kBlue);
}

TEST(ArchivePictures, FontsButtonsAnimationsAndImagesLoadTheirEntries) {
  const std::string device = MakeDeviceFolder();
  ChildProcess child(
      "ArchiveHelper.DISABLED_PicturesFromEntries",
      {{"PT_FRAME_ARCHIVE", "1"}, {"PUTTLAND_DEVICE", device}, {"PUTTLAND_BACKEND", "headless"}});
  const int code = child.Wait();
  EXPECT_EQ(code, 0) << child.Output() << child.Errors();
  EXPECT_NE(child.Output().find("[       OK ] ArchiveHelper.DISABLED_PicturesFromEntries"),
            std::string::npos)
      << child.Output();
  std::filesystem::remove_all(device);
}

}  // namespace
