#include "desktop/speaker_tone.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace desktop {

namespace {

constexpr std::int64_t kMillisecondsPerSecond = 1000;

}  // namespace

std::optional<std::uint16_t> SpeakerDivisor(int frequencyHz) {
  if (frequencyHz <= kMaxSilentFrequencyHz || frequencyHz > kTimerInputClockHz) {
    return std::nullopt;
  }
  return static_cast<std::uint16_t>(kTimerInputClockHz / frequencyHz);
}

std::vector<std::int16_t> SquareWave(int frequencyHz, int durationMs, int sampleRate, std::int16_t amplitude) {
  const std::optional<std::uint16_t> divisor = SpeakerDivisor(frequencyHz);
  if (!divisor || durationMs <= 0 || sampleRate <= 0) return {};

  const std::int64_t wanted = std::int64_t{sampleRate} * durationMs / kMillisecondsPerSecond;
  const std::int64_t count = std::min(wanted, kMaxToneSamples);

  // -32768 has no positive partner, so the level is capped at 32767.
  const int magnitude = std::min(std::abs(int{amplitude}), int{std::numeric_limits<std::int16_t>::max()});
  const auto high = static_cast<std::int16_t>(magnitude);
  const auto low = static_cast<std::int16_t>(-magnitude);

  // Exact integer phase: sample i lies at i * clock / (divisor * rate)
  // timer periods. Scaled by divisor * rate, the phase within one period
  // is (i * clock) mod (divisor * rate). Both products stay far below
  // 2^63 for any int rate and at most kMaxToneSamples samples.
  const std::int64_t period = std::int64_t{*divisor} * sampleRate;
  const std::int64_t halfPeriod = period / 2;
  std::vector<std::int16_t> samples(static_cast<std::size_t>(count));
  for (std::int64_t i = 0; i < count; ++i) {
    const std::int64_t phase = (i * kTimerInputClockHz) % period;
    samples[static_cast<std::size_t>(i)] = phase < halfPeriod ? high : low;
  }
  return samples;
}

}  // namespace desktop
