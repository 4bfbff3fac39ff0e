// Layout shared by the splash and the start-up window: both show the splash
// picture on a raised panel with the subtitle over it.
#pragma once

namespace app {

inline constexpr int kPictureLeft = 3;
inline constexpr int kPictureTop = 2;
inline constexpr int kPictureWidth = 400;
inline constexpr int kPictureHeight = 200;
inline constexpr int kSubtitleLeft = 192;
inline constexpr int kSubtitleTop = 8;
inline constexpr int kSubtitleHeight = 11;
inline constexpr int kStatusHeight = 21;
inline constexpr wchar_t kSubtitle[] = L"a clipboard enhancement";
inline constexpr wchar_t kSubtitleFont[] = L"Impact";
inline constexpr wchar_t kStatusFont[] = L"Arial Black";

}  // namespace app
