// Speaker: plays tones as the PC speaker would. A user program cannot
// program the interval timer or the speaker gate, so the same square wave is
// synthesised and played through the wave-out device. Where there is no
// sound device, the tones are silent but take exactly as long.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "ui/handles.h"

namespace desktop {

class Speaker {
 public:
  Speaker() = default;
  Speaker(const Speaker&) = delete;
  Speaker& operator=(const Speaker&) = delete;

  // StartTone, Pause, StopTone.
  void PlayTone(int frequencyHz, int durationMs);
  // Sounds the frequency until StopTone; 18 Hz or less sounds nothing.
  void StartTone(int frequencyHz);
  void StopTone();
  // Waits, handling every window message meanwhile, until the given number
  // of milliseconds has passed by GetTickCount.
  static void Pause(int milliseconds);

  // Whether a tone is sounding on the device right now.
  bool Sounding() const { return static_cast<bool>(device_); }

 private:
  bool OpenDevice();

  std::vector<std::int16_t> samples_;
  ui::unique_hwaveout device_;
  // Declared after the device, so it is unprepared before the device closes.
  std::optional<ui::PreparedWaveHeader> header_;
};

}  // namespace desktop
