// The few building blocks the game's sounds are synthesised from: envelopes that start and end
// at silence, decaying partials, deterministic noise and a one-pole low-pass filter.
#pragma once

#include <cstdint>
#include <vector>

#include "content/art/canvas.h"

namespace content {

inline constexpr double kTwoPi = 6.283185307179586;

// 0 at the start and end of [0, length], rising over `attack` and falling over `release`
// seconds with half-cosine ramps (no step, so no click), 1 in between.
double Fade(double t, double length, double attack, double release);

// A struck partial: sin(2 pi f tau) exp(-tau / decay) for tau = t - start >= 0, else 0.
double Strike(double t, double start, double frequency, double decay);

// White noise in [-1, 1] from a fixed seed.
class WhiteNoise {
 public:
  explicit WhiteNoise(uint32_t seed) : noise_(seed) {}
  double Next() { return noise_.Unit() * 2.0 - 1.0; }

 private:
  Noise noise_;
};

// y += a (x - y), with a set for a cut-off frequency at a sample rate.
class LowPass {
 public:
  void SetCutoff(double hertz, double sampleRate);
  double Run(double x) { return y_ += a_ * (x - y_); }

 private:
  double a_ = 1.0, y_ = 0.0;
};

// Scales the samples so that the largest magnitude is `peak`.
void Normalise(std::vector<double>& samples, double peak);

}  // namespace content
