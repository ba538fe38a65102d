// Writing canvases as RGB PNG files.
#include "content/art/png.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace content {

bool WritePng(const std::filesystem::path& file, const Canvas& canvas, std::string& error) {
  auto fail = [&](const char* what) {
    error = file.string() + ": " + what;
    return false;
  };
  if (canvas.Width() == 0 || canvas.Height() == 0) return fail("empty picture");
  std::unique_ptr<FILE, int (*)(FILE*)> out(std::fopen(file.c_str(), "wb"), std::fclose);
  if (!out) return fail("cannot create the file");
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return fail("libpng did not start");
  }
  std::vector<png_byte> row(size_t(canvas.Width()) * 3);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return fail("cannot write the file");
  }
  png_init_io(png, out.get());
  png_set_IHDR(png, info, png_uint_32(canvas.Width()), png_uint_32(canvas.Height()), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      const Rgb p = canvas.Get(x, y);
      row[size_t(x) * 3] = p.r;
      row[size_t(x) * 3 + 1] = p.g;
      row[size_t(x) * 3 + 2] = p.b;
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  if (std::fflush(out.get()) != 0) return fail("cannot write the file");
  return true;
}

Canvas Enlarge(const Canvas& canvas, int factor) {
  Canvas out(canvas.Width() * factor, canvas.Height() * factor);
  for (int y = 0; y < out.Height(); ++y)
    for (int x = 0; x < out.Width(); ++x) out.Set(x, y, canvas.Get(x / factor, y / factor));
  return out;
}

}  // namespace content
