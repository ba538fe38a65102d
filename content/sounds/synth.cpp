// Envelopes, partials, noise and filtering for the sound generator.
#include "content/sounds/synth.h"

#include <algorithm>
#include <cmath>

namespace content {

double Fade(double t, double length, double attack, double release) {
  if (t <= 0.0 || t >= length) return 0.0;
  double gain = 1.0;
  if (t < attack) gain = 0.5 - 0.5 * std::cos(M_PI * t / attack);
  if (length - t < release)
    gain = std::min(gain, 0.5 - 0.5 * std::cos(M_PI * (length - t) / release));
  return gain;
}

double Strike(double t, double start, double frequency, double decay) {
  const double tau = t - start;
  if (tau < 0.0) return 0.0;
  return std::sin(kTwoPi * frequency * tau) * std::exp(-tau / decay);
}

void LowPass::SetCutoff(double hertz, double sampleRate) {
  a_ = 1.0 - std::exp(-kTwoPi * hertz / sampleRate);
}

void Normalise(std::vector<double>& samples, double peak) {
  double largest = 0.0;
  for (double s : samples) largest = std::max(largest, std::abs(s));
  if (largest <= 0.0) return;
  for (double& s : samples) s *= peak / largest;
}

}  // namespace content
