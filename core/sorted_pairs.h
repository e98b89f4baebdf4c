#pragma once
// The fixed tables of the fit and of the averages are both sorted and counted the same way.

#include <span>

namespace lumitrak {

// The value both tables give an empty entry before sorting.
inline constexpr double kEmptyEntryMarker = 9999;

// Exchange-sorts the entries ascending by key, each partner (and each number, when `numbers` is
// given) moving with its key, and returns how many entries stand before the first key equal to
// kEmptyEntryMarker (all of them when there is none). The spans given have the same length.
// Equal keys need not keep their order: keys 2, 2, 1 with partners 10, 20, 30 come out as 1/30,
// 2/20, 2/10.
int sortAndCountEntries(std::span<double> keys, std::span<double> partners,
                        std::span<int> numbers = {});

}  // namespace lumitrak
