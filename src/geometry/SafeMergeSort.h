#ifndef Q5X_GEOMETRY_SAFEMERGESORT_H
#define Q5X_GEOMETRY_SAFEMERGESORT_H

#include <algorithm>
#include <cstddef>
#include <vector>

// A stable merge sort of items[0, count) whose every step is bounded by index checks, never by
// the comparison. It therefore stays in bounds and terminates for comparisons that are not strict
// weak orders (tolerance comparisons, NaN), where std::sort's unguarded loops may run off the
// array. `less(a, b)` must be deterministic; `scratch` is grown to `count` as needed.
template <typename T, typename Less>
void safeMergeSort(T* items, std::size_t count, std::vector<T>& scratch, Less less) {
    constexpr std::size_t kInsertionRun = 16;
    for (std::size_t start = 0; start < count; start += kInsertionRun) {
        const std::size_t end = std::min(start + kInsertionRun, count);
        for (std::size_t i = start + 1; i < end; ++i) {
            const T value = items[i];
            std::size_t j = i;
            for (; j > start && less(value, items[j - 1]); --j) items[j] = items[j - 1];
            items[j] = value;
        }
    }
    if (count <= kInsertionRun) return;
    if (scratch.size() < count) scratch.resize(count);
    T* from = items;
    T* to = scratch.data();
    for (std::size_t width = kInsertionRun; width < count; width *= 2) {
        for (std::size_t left = 0; left < count; left += 2 * width) {
            const std::size_t middle = std::min(left + width, count);
            const std::size_t right = std::min(middle + width, count);
            // Two runs already in order (sorted or nearly sorted input) are copied without merging.
            if (middle >= right || !less(from[middle], from[middle - 1])) {
                std::copy(from + left, from + right, to + left);
                continue;
            }
            std::size_t i = left, j = middle, k = left;
            while (i < middle && j < right) to[k++] = less(from[j], from[i]) ? from[j++] : from[i++];
            while (i < middle) to[k++] = from[i++];
            while (j < right) to[k++] = from[j++];
        }
        std::swap(from, to);
    }
    if (from != items) std::copy(from, from + count, items);
}

#endif
