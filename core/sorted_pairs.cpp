#include "core/sorted_pairs.h"

#include <utility>

namespace lumitrak {

int sortAndCountEntries(std::span<double> keys, std::span<double> partners,
                        std::span<int> numbers) {
    const int size = static_cast<int>(keys.size());
    for (int i = 0; i < size - 1; ++i) {
        for (int j = i + 1; j < size; ++j) {
            if (keys[i] > keys[j]) {
                std::swap(keys[i], keys[j]);
                std::swap(partners[i], partners[j]);
                if (!numbers.empty()) std::swap(numbers[i], numbers[j]);
            }
        }
    }
    // Walked from the end, so the first marker in sorted order decides.
    int count = size;
    for (int k = size; k >= 1; --k) {
        if (keys[k - 1] == kEmptyEntryMarker) count = k - 1;
    }
    return count;
}

}  // namespace lumitrak
