// Presenting counts frames only when the screen changed; a screenshot is a PNG of the screen
// that reads back pixel for pixel.
#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "backend/headless.h"
#include "backend/png_file.h"
#include "backend/screen.h"

namespace platform {
namespace {

TEST(HeadlessPresent, CountsChangedFramesAndEveryCall) {
  HeadlessBackend backend;
  backend.Present();
  backend.Present();
  TheScreen().generation++;
  backend.Present();
  EXPECT_EQ(backend.PresentCalls(), 3u);
  EXPECT_EQ(backend.FrameCount(), 2u);
}

TEST(HeadlessScreenshot, WritesThePixelsOfTheScreen) {
  ScreenBuffer& screen = TheScreen();
  for (int y = 0; y < ScreenBuffer::kHeight; ++y) {
    for (int x = 0; x < ScreenBuffer::kWidth; ++x) {
      screen.Row(y)[x] =
          static_cast<uint32_t>((x * 7 & 0xFF) << 16 | (y * 3 & 0xFF) << 8 | ((x ^ y) & 0xFF));
    }
  }
  screen.Row(0)[0] = 0x00FF0000;
  screen.Row(319)[239] = 0x000000FF;
  auto file = std::filesystem::temp_directory_path() / "pt_headless_screenshot.png";
  HeadlessBackend backend;
  std::string error;
  ASSERT_TRUE(backend.Screenshot(file, &error)) << error;

  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  ASSERT_TRUE(png_image_begin_read_from_file(&image, file.c_str())) << image.message;
  EXPECT_EQ(image.width, 240u);
  EXPECT_EQ(image.height, 320u);
  image.format = PNG_FORMAT_BGRA;  // little-endian 0xAARRGGBB words
  std::vector<uint32_t> pixels(size_t{240} * 320);
  ASSERT_TRUE(png_image_finish_read(&image, nullptr, pixels.data(), 240 * 4, nullptr));
  std::filesystem::remove(file);
  size_t mismatches = 0;
  for (size_t i = 0; i < pixels.size(); ++i) {
    if ((pixels[i] & 0x00FFFFFF) != screen.pixels[i]) ++mismatches;
  }
  EXPECT_EQ(mismatches, 0u);
  EXPECT_EQ(pixels[0] & 0xFFFFFF, 0xFF0000u);

  // The reader offered to tests gives the same pixels.
  ASSERT_TRUE(backend.Screenshot(file, &error)) << error;
  std::vector<uint32_t> back;
  int width = 0;
  int height = 0;
  ASSERT_TRUE(ReadPng(file, back, width, height, &error)) << error;
  std::filesystem::remove(file);
  EXPECT_EQ(width, 240);
  EXPECT_EQ(height, 320);
  EXPECT_TRUE(std::equal(back.begin(), back.end(), screen.pixels.begin()));
}

TEST(HeadlessScreenshot, ReportsAFileThatCannotBeWritten) {
  HeadlessBackend backend;
  std::string error;
  EXPECT_FALSE(backend.Screenshot("/nonexistent-folder/shot.png", &error));
  EXPECT_NE(error.find("nonexistent-folder"), std::string::npos);
}

}  // namespace
}  // namespace platform
