// HighscoreForm: the best result of every course as a list of three boxes at a time, scrolled
// with a scroll bar or the up and down keys; it keeps the table the game offers results to.
#pragma once

#include <memory>
#include <string>

#include "frame/elements/picture.h"
#include "frame/form/element_form.h"
#include "screens/highscore_table.h"

namespace frame {
class OffscreenSurface;
}  // namespace frame

namespace screens {

class ClickButton;
class ScrollBar;

class HighscoreForm : public frame::ElementForm {
 public:
  // Three boxes show at once, so the list scrolls over positions 0 to 2.
  static constexpr int kVisibleBoxes = 3;

  // The back buffer is shared, not owned; its text renderer is the high-score font.
  HighscoreForm(frame::OffscreenSurface* backBuffer, const char* name, int x, int y, int width,
                int height);
  ~HighscoreForm() override;

  void OnPaint() override;
  int OnKey(int key, int down) override;
  int OnStylusDown(int x, int y) override;
  int OnStylusUp(int x, int y) override;

  bool IsHighscore(int course, int total) const { return table_.IsHighscore(course, total); }
  void SetHighscore(int course, int total, const std::string& playerName) {
    table_.SetHighscore(course, total, playerName);
  }
  // Offers a finished course's total: a strictly lower one replaces the course's entry under
  // the current player name. True when it did.
  bool OfferResult(int course, int total);
  void LoadHighscores(const storage::PropertyStore& store) { table_.LoadHighscores(store); }
  void SaveHighscores(storage::PropertyStore& store) const { table_.SaveHighscores(store); }

  const HighscoreTable& Table() const { return table_; }
  ScrollBar& GetScrollBar() const { return *scrollBar_; }

 private:
  void ComposeList();
  void OnScroll(int, int);
  void OnDone(int, int);

  HighscoreTable table_;
  frame::OffscreenSurface* backBuffer_;
  frame::Picture background_;
  frame::Picture title_;
  frame::Picture box_;
  ClickButton* done_;
  ScrollBar* scrollBar_;
};

}  // namespace screens
