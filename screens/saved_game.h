// The keys of the saved game inside the settings record: the engine record, its course
// record (course, hole, 18 counts) and its ball record.
#pragma once

namespace screens {

inline constexpr const char* kEngineRecordKey = "Engine";
inline constexpr const char* kCourseRecordKey = "Course";
inline constexpr const char* kBallRecordKey = "Ball";
inline constexpr const char* kCourseNumberKey = "Course number";
inline constexpr const char* kHoleNumberKey = "Hole number";
inline constexpr const char* kScoreKeyFormat = "Score%d";
// Added after the ball's own seven values; a record without them resumes with the tee.
inline constexpr const char* kShotXKey = "shotx";
inline constexpr const char* kShotYKey = "shoty";

}  // namespace screens
