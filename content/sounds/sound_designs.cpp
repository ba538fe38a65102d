// Recipes of the game's sounds. Each is a function of time summed from struck partials,
// glides and filtered noise, shaped by a fade that opens and closes at silence, then
// normalised to its own peak level (short ticks quieter than the chime).
#include "content/sounds/sound_designs.h"

#include <array>
#include <cmath>
#include <functional>

#include "content/sounds/synth.h"

namespace content {

namespace {

constexpr WaveFormat kMono8{1, 22050, 8};
constexpr WaveFormat kMono16{1, 22050, 16};
constexpr WaveFormat kStereo16{2, 44100, 16};

// `voice` (time in seconds) sampled over `seconds`, mono, with the closing fade applied.
SynthSound Render(WaveFormat format, double seconds, double attack, double release, double peak,
                  const std::function<double(double)>& voice) {
  SynthSound sound{format, {}};
  const int frames = int(seconds * format.sampleRate);
  sound.samples.resize(size_t(frames));
  for (int i = 0; i < frames; ++i) {
    const double t = double(i) / format.sampleRate;
    sound.samples[size_t(i)] = voice(t) * Fade(t, seconds, attack, release);
  }
  Normalise(sound.samples, peak);
  return sound;
}

// The ball rattles against the cup's rim four times, drops, and a rising C major chime rings.
SynthSound BallHoled() {
  WhiteNoise noise(103);
  constexpr std::array<double, 4> kRattle{0.0, 0.05, 0.09, 0.12};
  constexpr std::array<double, 3> kChime{1046.5, 1318.5, 1568.0};  // C6 E6 G6
  return Render(kMono8, 0.75, 0.001, 0.06, 0.8, [&](double t) {
    double v = 0.0;
    for (size_t k = 0; k < kRattle.size(); ++k) {
      const double level = 0.5 - 0.1 * double(k);
      v += level *
           (Strike(t, kRattle[k], 2400.0, 0.004) + 0.6 * Strike(t, kRattle[k], 1350.0, 0.006));
    }
    v += 0.15 * noise.Next() * std::exp(-t / 0.01);
    v += 0.5 * Strike(t, 0.15, 170.0, 0.035);  // the drop to the cup's floor
    for (size_t k = 0; k < kChime.size(); ++k) {
      const double start = 0.2 + 0.08 * double(k);
      const double f = kChime[k];
      v += 0.3 * (Strike(t, start, f, 0.2) + 0.3 * Strike(t, start, 2.0 * f, 0.1) +
                  0.1 * Strike(t, start, 3.0 * f, 0.05));
    }
    return v;
  });
}

// A low square-ish buzz: the odd harmonics of 98 Hz up to the 15th.
SynthSound ShotRefused() {
  return Render(kMono8, 0.2, 0.006, 0.04, 0.45, [](double t) {
    double v = 0.0;
    for (int k = 1; k <= 15; k += 2) v += std::sin(kTwoPi * 98.0 * k * t) / k;
    return v * (1.0 - 0.3 * std::exp(-t / 0.05));
  });
}

SynthSound SoftTick() {
  WhiteNoise noise(105);
  LowPass filter;
  filter.SetCutoff(3000.0, kMono8.sampleRate);
  return Render(kMono8, 0.04, 0.0005, 0.01, 0.35, [&](double t) {
    return Strike(t, 0.0, 1800.0, 0.006) + 0.5 * filter.Run(noise.Next()) * std::exp(-t / 0.002);
  });
}

// A woody knock: a low body partial and two quickly dying overtones over a short noise hit.
SynthSound WallKnock() {
  WhiteNoise noise(106);
  return Render(kMono8, 0.06, 0.0004, 0.008, 0.7, [&](double t) {
    return 0.55 * Strike(t, 0.0, 380.0, 0.014) + 0.3 * Strike(t, 0.0, 1040.0, 0.007) +
           0.12 * Strike(t, 0.0, 2350.0, 0.003) + 0.15 * noise.Next() * std::exp(-t / 0.0015);
  });
}

// Two soft notes a fifth apart, falling: E5 then A4.
SynthSound StrokeLimit() {
  auto note = [](double t, double start, double length, double f) {
    const double tau = t - start;
    const double body = std::sin(kTwoPi * f * tau) + 0.3 * std::sin(kTwoPi * 2 * f * tau) +
                        0.1 * std::sin(kTwoPi * 3 * f * tau);
    return body * std::exp(-tau / 0.3) * Fade(tau, length, 0.008, 0.03);
  };
  return Render(kMono8, 0.6, 0.001, 0.02, 0.7,
                [&](double t) { return note(t, 0.0, 0.2, 659.3) + note(t, 0.2, 0.4, 440.0); });
}

SynthSound ButtonClick() {
  WhiteNoise noise(108);
  return Render(kMono8, 0.015, 0.0003, 0.003, 0.5, [&](double t) {
    return Strike(t, 0.0, 3200.0, 0.0015) + 0.4 * noise.Next() * std::exp(-t / 0.001);
  });
}

// A soft blip gliding up a fifth, 880 to 1320 Hz; the phase is the integral of the glide.
SynthSound AimPlaced() {
  constexpr double kLength = 0.07, kFrom = 880.0, kRatio = 1.5;
  return Render(kMono8, kLength, 0.015, 0.04, 0.45, [&](double t) {
    const double k = std::log(kRatio) / kLength;  // f(t) = kFrom exp(k t)
    return std::sin(kTwoPi * kFrom * (std::exp(k * t) - 1.0) / k);
  });
}

// A soft pop falling an octave, 600 to 300 Hz.
SynthSound SoftPop() {
  constexpr double kLength = 0.12, kFrom = 600.0;
  return Render(kMono16, kLength, 0.003, 0.03, 0.5, [&](double t) {
    const double k = std::log(0.5) / kLength;
    return std::sin(kTwoPi * kFrom * (std::exp(k * t) - 1.0) / k) * std::exp(-t / 0.04);
  });
}

// The ball drops into water: a falling "plop", then noise through a low-pass whose cut-off
// sinks from 4.5 kHz to 700 Hz, different in each ear, and a few droplets panned left and right.
SynthSound Splash() {
  constexpr double kLength = 0.7;
  const double rate = kStereo16.sampleRate;
  struct Droplet {
    double start, frequency, pan;
  };
  std::array<Droplet, 6> droplets{};
  WhiteNoise scatter(1110);
  for (Droplet& d : droplets) {
    d = {0.12 + 0.38 * (scatter.Next() * 0.5 + 0.5), 1500.0 + 1700.0 * (scatter.Next() * 0.5 + 0.5),
         scatter.Next() * 0.5 + 0.5};
  }

  std::array<WhiteNoise, 2> noise{WhiteNoise(1111), WhiteNoise(1112)};
  std::array<std::array<LowPass, 2>, 2> filters{};
  SynthSound sound{kStereo16, {}};
  const int frames = int(kLength * rate);
  sound.samples.resize(size_t(frames) * 2);
  for (int i = 0; i < frames; ++i) {
    const double t = i / rate;
    const double cutoff = 700.0 * std::pow(4500.0 / 700.0, 1.0 - t / kLength);
    const double tail = (1.0 - std::exp(-t / 0.02)) * std::exp(-t / 0.18);
    const double k = std::log(140.0 / 420.0) / 0.06;
    const double plop =
        t < 0.2 ? std::sin(kTwoPi * 420.0 * (std::exp(k * std::min(t, 0.06)) - 1.0) / k +
                           kTwoPi * 140.0 * std::max(0.0, t - 0.06)) *
                      std::exp(-t / 0.03)
                : 0.0;
    for (int ch = 0; ch < 2; ++ch) {
      double x = noise[size_t(ch)].Next();
      for (LowPass& f : filters[size_t(ch)]) {
        f.SetCutoff(cutoff, rate);
        x = f.Run(x);
      }
      double v = 0.9 * x * tail + 0.35 * plop;
      for (const Droplet& d : droplets) {
        const double gain = ch == 0 ? 1.0 - d.pan : d.pan;
        const double tau = t - d.start;
        if (tau > 0.0) {
          v += 0.08 * gain * std::sin(kTwoPi * d.frequency * tau * (1.0 + 2.0 * tau)) *
               std::exp(-tau / 0.012) * Fade(tau, 0.08, 0.001, 0.02);
        }
      }
      sound.samples[size_t(i) * 2 + size_t(ch)] = v * Fade(t, kLength, 0.002, 0.08);
    }
  }
  Normalise(sound.samples, 0.8);
  return sound;
}

}  // namespace

std::optional<SynthSound> DesignSound(int id) {
  switch (id) {
    case 103:
      return BallHoled();
    case 104:
      return ShotRefused();
    case 105:
      return SoftTick();
    case 106:
      return WallKnock();
    case 107:
      return StrokeLimit();
    case 108:
      return ButtonClick();
    case 109:
      return AimPlaced();
    case 110:
      return SoftPop();
    case 111:
      return Splash();
    default:
      return std::nullopt;
  }
}

}  // namespace content
