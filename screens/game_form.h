// The game screen: the hole being played, the ball and its shot, the rules of a course
// (strokes, hazards, the stroke limit, 18 holes) and the drawing of the hole during play.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>

#include "frame/form/element_form.h"

namespace frame {
class BitmapFont;
class FrameAnimation;
class MaskedPicture;
class OffscreenSurface;
}  // namespace frame

namespace golf {
class Ball;
class CellAnimationSet;
class HoleLayout;
struct Wall;
}  // namespace golf

namespace storage {
class PropertyStore;
}  // namespace storage

namespace screens {

class ClickButton;

enum class PlayState : int32_t {
  kReady = 0,            // ball at rest, no aim mark
  kAiming = 1,           // aim mark shown, shoot button enabled
  kRolling = 2,          // the ball moves; physics is stepped
  kHoled = 3,            // sink sequence on the next idle pass
  kInHazard = 4,         // return sequence on the next idle pass
  kCharging = 5,         // the stylus holds the shoot button
  kChargeCancelled = 6,  // the stylus slid off the shoot button while charging
  kStrokeLimit = 7,      // the hole is over; next hole on the next idle pass
};

inline constexpr int kHoleCount = 18;
inline constexpr int kCourseCount = 5;

// Sounds of play, WAVE resources of the program.
inline constexpr int kSoundHoled = 103;
inline constexpr int kSoundNoShot = 104;
inline constexpr int kSoundWall = 106;
inline constexpr int kSoundStrokeLimit = 107;
inline constexpr int kSoundAim = 109;
inline constexpr int kSoundHazard = 111;

// The internal key code that opens the score card.
inline constexpr int kScoreCardKey = 0x800;

class GameForm : public frame::ElementForm {
 public:
  // "Game form", (0, 0), 240 by 268.
  GameForm(const char* name, int x, int y, int width, int height);
  ~GameForm() override;

  void OnPaint() override;
  int OnStylusMove(int x, int y) override;
  int OnStylusUp(int x, int y) override;
  int OnStylusDown(int x, int y) override;
  void OnShow() override;
  int OnKey(int key, int down) override;
  bool OnIdle() override;

  // Starts a course (0..4) at a hole; a hole past 17 only records the course and marks
  // that no game is in progress. A new game then clears the counts with ClearStrokeCounts.
  void StartCourse(int course, int hole);
  void ClearStrokeCounts();
  void SetNoGameInProgress(bool flag) { noGameInProgress_ = flag; }

  // Loads the current hole, composes its picture and makes the state Ready.
  void SetUpHole();
  void AdvanceHole();
  void OnBallStopped();
  void RunPhysicsStep(DWORD now);
  // Button callbacks.
  void FireShot(int x, int y);
  void ShowScoreCard(int x, int y);
  void ReturnToMenu(int x, int y);

  // The saved game inside the settings store, as the nested record "Engine".
  void SaveGame(storage::PropertyStore& settings) const;
  void LoadGame(const storage::PropertyStore& settings);

  // Drawing.
  void DrawHolePicture(frame::DrawingSurface& target, int offsetX, int offsetY);
  static void DrawWallLine(frame::DrawingSurface& target, const golf::Wall& wall);
  void DrawStatus();
  void DrawAimMark(int x, int y);
  void EraseAimMark(int x, int y);
  void DrawPowerBar(DWORD now);
  void DrawBall();

  // Readers for the other screens and for tests.
  bool NoGameInProgress() const { return noGameInProgress_; }
  int Hole() const { return hole_; }
  int Course() const { return course_; }
  const std::array<uint8_t, kHoleCount>& StrokeCounts() const { return counts_; }
  PlayState State() const { return state_; }
  int AimX() const { return aimX_; }
  int AimY() const { return aimY_; }
  double ShotPower() const { return shotPower_; }
  bool TestMode() const { return testMode_; }
  const golf::Ball& GetBall() const { return *ball_; }
  const golf::HoleLayout& Layout() const { return *layout_; }
  const frame::OffscreenSurface& HolePicture() const { return *holePicture_; }
  ClickButton& ShootButton() const { return *shootButton_; }

 private:
  void PlayGameSound(int id) const;
  // The count of the hole being played (the last hole's once the course is over).
  uint8_t& CurrentCount() { return counts_[hole_ < kHoleCount ? hole_ : kHoleCount - 1]; }
  // Puts the ball at rest at (x, y): no speed, no slope increment, no roll to finish.
  void PutBallAtRest(double x, double y);
  void PutBallOnTee();
  void SinkSequence();
  void HazardSequence();
  void PlaySinkAnimation();
  void CopyPlayfield();
  void ChangeHoleForTest(int key);
  void IdleByState(DWORD now);
  // The course is over: the high-score table takes a total lower than the course's best.
  void OfferHighscore(int total);

  ClickButton* shootButton_ = nullptr;
  ClickButton* menuButton_ = nullptr;
  ClickButton* scoreButton_ = nullptr;
  std::unique_ptr<golf::HoleLayout> layout_;
  std::unique_ptr<golf::Ball> ball_;
  std::unique_ptr<golf::CellAnimationSet> cellAnimations_;
  DWORD lastStepTime_ = 0;
  DWORD chargeStart_ = 0;  // 0: no charge running
  std::unique_ptr<frame::FrameAnimation> sinkAnimation_;
  std::unique_ptr<frame::MaskedPicture> ballSprite_;
  std::unique_ptr<frame::OffscreenSurface> holePicture_;
  bool noGameInProgress_ = true;
  PlayState state_ = PlayState::kReady;
  int32_t aimX_ = 0;
  int32_t aimY_ = 0;
  double shotPower_ = 0.05;
  bool testMode_ = false;
  bool draggingBall_ = false;
  bool aimDragActive_ = false;
  uint8_t hole_ = kHoleCount;
  uint8_t course_ = 0;
  std::array<uint8_t, kHoleCount> counts_{};
};

}  // namespace screens
