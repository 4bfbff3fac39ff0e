#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace desktop {

/// Input clock of the PC's interval timer, which divides it down to a tone.
constexpr int kTimerInputClockHz = 1193181;
/// Highest frequency that is not played: below 19 Hz the divisor would not
/// fit the timer's 16-bit counter.
constexpr int kMaxSilentFrequencyHz = 18;
/// Longest tone SquareWave synthesises, in samples; anything longer is cut
/// so that an absurd duration cannot exhaust memory (about six minutes at
/// 44.1 kHz).
constexpr std::int64_t kMaxToneSamples = std::int64_t{1} << 24;

/// Timer divisor that sounds a frequency: kTimerInputClockHz / f, rounded
/// down. None for f <= kMaxSilentFrequencyHz, and none for frequencies above
/// the input clock, whose divisor 0 would make the timer count 65536 and
/// play the lowest tone instead of the highest.
std::optional<std::uint16_t> SpeakerDivisor(int frequencyHz);

/// Signed 16-bit mono samples of the square wave the speaker would play for
/// a tone: its period follows the divisor, so the frequency heard is
/// kTimerInputClockHz / divisor exactly as from the timer chip; each period
/// starts with its high half (+amplitude), then its low half (-amplitude).
/// Sample count = sampleRate * durationMs / 1000, at most kMaxToneSamples.
/// Empty when no tone is played (see SpeakerDivisor) or when the duration or
/// sample rate is not positive. A negative amplitude counts by its size.
std::vector<std::int16_t> SquareWave(int frequencyHz, int durationMs, int sampleRate, std::int16_t amplitude);

}  // namespace desktop
