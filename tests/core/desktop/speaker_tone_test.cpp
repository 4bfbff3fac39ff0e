#include "desktop/speaker_tone.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <vector>

namespace desktop {
namespace {

TEST(SpeakerDivisorTest, DividesTheTimerClock) {
  EXPECT_EQ(SpeakerDivisor(19), std::optional<std::uint16_t>(62799));
  EXPECT_EQ(SpeakerDivisor(80), std::optional<std::uint16_t>(14914));
  EXPECT_EQ(SpeakerDivisor(200), std::optional<std::uint16_t>(5965));
  EXPECT_EQ(SpeakerDivisor(1193181), std::optional<std::uint16_t>(1));
}

TEST(SpeakerDivisorTest, NoToneOutsideTheTimersRange) {
  for (int f : {18, 1, 0, -200, INT_MIN}) EXPECT_FALSE(SpeakerDivisor(f)) << f;
  // Above the clock the divisor would be 0, which the timer reads as 65536.
  for (int f : {1193182, INT_MAX}) EXPECT_FALSE(SpeakerDivisor(f)) << f;
}

int RisingEdges(const std::vector<std::int16_t>& samples) {
  int edges = 0;
  for (std::size_t i = 1; i < samples.size(); ++i) {
    if (samples[i - 1] < 0 && samples[i] > 0) ++edges;
  }
  return edges;
}

TEST(SquareWaveTest, LengthFollowsDurationAndRate) {
  EXPECT_EQ(SquareWave(80, 150, 44100, 8000).size(), 6615u);
  EXPECT_EQ(SquareWave(200, 300, 8000, 8000).size(), 2400u);
  EXPECT_EQ(SquareWave(200, 1, 999, 8000).size(), 0u) << "less than one sample rounds down";
}

TEST(SquareWaveTest, SilentInputsGiveNoSamples) {
  EXPECT_TRUE(SquareWave(18, 150, 44100, 8000).empty());
  EXPECT_TRUE(SquareWave(80, 0, 44100, 8000).empty());
  EXPECT_TRUE(SquareWave(80, -150, 44100, 8000).empty());
  EXPECT_TRUE(SquareWave(80, 150, 0, 8000).empty());
  EXPECT_TRUE(SquareWave(80, 150, -44100, 8000).empty());
}

TEST(SquareWaveTest, IsASquareWaveStartingHigh) {
  const std::vector<std::int16_t> wave = SquareWave(200, 1000, 48000, 6000);
  ASSERT_FALSE(wave.empty());
  EXPECT_EQ(wave.front(), 6000);
  int high = 0;
  for (std::int16_t s : wave) {
    ASSERT_TRUE(s == 6000 || s == -6000) << s;
    high += s > 0 ? 1 : 0;
  }
  // Half of each period is high.
  EXPECT_NEAR(static_cast<double>(high) / wave.size(), 0.5, 0.01);
}

TEST(SquareWaveTest, PitchIsTheOneTheTimerChipProduces) {
  EXPECT_EQ(RisingEdges(SquareWave(200, 1000, 48000, 6000)), 200);
  EXPECT_EQ(RisingEdges(SquareWave(80, 1000, 48000, 6000)), 80);
  // Divisor 39 turns a wish of 30000 Hz into about 30594 Hz.
  const int edges = RisingEdges(SquareWave(30000, 1000, 1000000, 6000));
  EXPECT_GE(edges, 30593);
  EXPECT_LE(edges, 30595);
}

TEST(SquareWaveTest, AbsurdInputsStayBounded) {
  const std::vector<std::int16_t> longest = SquareWave(200, INT_MAX, INT_MAX, 100);
  EXPECT_EQ(static_cast<std::int64_t>(longest.size()), kMaxToneSamples);

  const std::vector<std::int16_t> loudest = SquareWave(200, 10, 48000, INT16_MIN);
  ASSERT_FALSE(loudest.empty());
  for (std::int16_t s : loudest) ASSERT_TRUE(s == 32767 || s == -32767) << s;
}

}  // namespace
}  // namespace desktop
