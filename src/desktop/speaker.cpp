#include "desktop/speaker.h"

#include <cmath>

#include "desktop/speaker_tone.h"
#include "ui/application.h"

namespace desktop {

namespace {

constexpr int kSampleRate = 22050;
constexpr WORD kBitsPerSample = 16;
constexpr WORD kChannels = 1;
// Loud enough to hear, well short of clipping on a speaker-like square wave.
constexpr std::int16_t kAmplitude = 6000;
// The looped buffer: about this long, cut at the end of a whole period.
constexpr int kLoopMs = 500;
constexpr WORD kBitsPerByte = 8;

// The most samples, out of those available, that hold whole periods of the
// tone (to the nearest sample), so that the looped buffer joins without a
// click.
size_t WholePeriodSamples(int frequencyHz, size_t available) {
  const double periodSamples = static_cast<double>(*SpeakerDivisor(frequencyHz)) * kSampleRate / kTimerInputClockHz;
  const double periods = std::floor(static_cast<double>(available) / periodSamples);
  const auto samples = static_cast<size_t>(std::lround(periods * periodSamples));
  return samples > 0 && samples <= available ? samples : available;
}

}  // namespace

void Speaker::PlayTone(int frequencyHz, int durationMs) {
  StartTone(frequencyHz);
  Pause(durationMs);
  StopTone();
}

void Speaker::StartTone(int frequencyHz) {
  if (!SpeakerDivisor(frequencyHz)) return;
  // The timer chip simply takes the new divisor; the device has to stop the
  // old tone first.
  StopTone();
  samples_ = SquareWave(frequencyHz, kLoopMs, kSampleRate, kAmplitude);
  samples_.resize(WholePeriodSamples(frequencyHz, samples_.size()));
  if (samples_.empty() || !OpenDevice()) return;

  WAVEHDR header{};
  header.lpData = reinterpret_cast<LPSTR>(samples_.data());
  header.dwBufferLength = static_cast<DWORD>(samples_.size() * sizeof(samples_[0]));
  // The speaker sounds until it is switched off: loop the buffer "forever"
  // (far longer than any tone asked for).
  header.dwFlags = WHDR_BEGINLOOP | WHDR_ENDLOOP;
  header.dwLoops = MAXDWORD;
  header_.emplace(device_.get(), header);
  if (!header_->Prepared()) {
    StopTone();
    return;
  }
  if (waveOutWrite(device_.get(), header_->get(), sizeof(WAVEHDR)) != MMSYSERR_NOERROR) StopTone();
}

bool Speaker::OpenDevice() {
  WAVEFORMATEX format{};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = kChannels;
  format.nSamplesPerSec = kSampleRate;
  format.wBitsPerSample = kBitsPerSample;
  format.nBlockAlign = static_cast<WORD>(kChannels * kBitsPerSample / kBitsPerByte);
  format.nAvgBytesPerSec = kSampleRate * format.nBlockAlign;
  HWAVEOUT device = nullptr;
  if (waveOutOpen(&device, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) return false;
  device_.reset(device);
  return true;
}

void Speaker::StopTone() {
  // The buffer comes back and is unprepared before the device closes.
  header_.reset();
  device_.reset();
}

void Speaker::Pause(int milliseconds) {
  const DWORD start = GetTickCount();
  const DWORD wanted = milliseconds > 0 ? static_cast<DWORD>(milliseconds) : 0;
  for (;;) {
    ui::Application::ProcessMessages();
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= wanted) return;
    const DWORD remaining = wanted - elapsed;
    MSG quit{};
    if (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) {
      // The quit message stays queued for the loop that ends the program;
      // waiting for input would return at once and spin.
      Sleep(remaining);
    } else {
      // Sleep until a message arrives or the time is up, instead of spinning.
      MsgWaitForMultipleObjectsEx(0, nullptr, remaining, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
  }
}

}  // namespace desktop
