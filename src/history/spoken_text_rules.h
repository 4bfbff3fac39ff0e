// What a screen reader says about the grids and the gauges of the main
// window: the cells by number and content, the gauges by what they count.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace history {

inline constexpr std::wstring_view kImageGridName = L"Pictures";
inline constexpr std::wstring_view kTextGridName = L"Texts";
inline constexpr std::wstring_view kImageGaugeName = L"Pictures held";
inline constexpr std::wstring_view kTextGaugeName = L"Texts held";

// A text cell is read out up to this many characters of its first line.
inline constexpr std::size_t kSpokenLineLength = 80;

// "Picture 3, 1920 by 1080", or "Picture 3, empty". A picture without a
// size of its own (a metafile may have none) is "Picture 3".
std::wstring PictureCellName(int n, bool empty, int width, int height);
// "Text 2: <first line>", or "Text 2, empty" for a cell with nothing on its
// first line but blanks.
std::wstring TextCellName(int n, std::wstring_view text);
// A gauge's value: "12 of 55".
std::wstring GaugeValue(int count, int maximum);

}  // namespace history
