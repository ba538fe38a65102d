// A contact sheet page: pictures placed left to right in rows with a caption under each,
// growing downwards as needed, on a neutral background.
#pragma once

#include <string>
#include <vector>

#include "content/art/canvas.h"

namespace content {

class Sheet {
 public:
  Sheet(std::string title, int width);
  // Adds a picture with its caption; `scale` enlarges it with square pixels.
  void Add(const Canvas& picture, const std::string& caption, int scale = 1);
  // Starts a new row with a heading.
  void Heading(const std::string& text);
  Canvas Render() const;

 private:
  struct Item {
    Canvas picture;
    std::string caption;
    int x = 0, y = 0;
  };
  struct Text {
    std::string text;
    int x = 0, y = 0;
  };
  void NewRow();
  int width_;
  int x_ = 8, y_ = 28, rowHeight_ = 0;
  std::vector<Item> items_;
  std::vector<Text> headings_;
};

}  // namespace content
