#include "geometry/SafeMergeSort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace {

struct Item {
    int key;
    int place;  // where it stood before sorting, to see stability
};

bool operator==(const Item& a, const Item& b) {
    return a.key == b.key && a.place == b.place;
}

std::vector<Item> randomItems(std::size_t count, int keys, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<Item> items(count);
    for (std::size_t i = 0; i < count; ++i) items[i] = {int(random() % keys), int(i)};
    return items;
}

}  // namespace

TEST(SafeMergeSort, SortsStablyLikeTheStandardStableSort) {
    // Around the insertion-run length, and larger inputs with many equal keys.
    for (std::size_t count : {0u, 1u, 2u, 15u, 16u, 17u, 33u, 1000u, 100000u}) {
        std::vector<Item> items = randomItems(count, 7, std::uint32_t(count));
        std::vector<Item> expected = items;
        const auto byKey = [](const Item& a, const Item& b) { return a.key < b.key; };
        std::stable_sort(expected.begin(), expected.end(), byKey);
        std::vector<Item> scratch;
        safeMergeSort(items.data(), items.size(), scratch, byKey);
        EXPECT_EQ(items, expected) << count << " items";
    }
}

TEST(SafeMergeSort, InconsistentComparisonsStillEndWithEveryItemOnce) {
    // A comparison that answers at random for every pair (yet the same way each time it is asked)
    // and one over NaN: neither is an order, so only termination and a permutation can be asked for.
    std::vector<Item> items = randomItems(50000, 1000, 5);
    const auto coinFlip = [](const Item& a, const Item& b) {
        std::uint32_t h = std::uint32_t(a.place) * 0x9E3779B1u ^ std::uint32_t(b.place) * 0x85EBCA77u;
        h ^= h >> 15;
        return (h * 0xC2B2AE3Du >> 31) != 0;
    };
    std::vector<Item> scratch;
    safeMergeSort(items.data(), items.size(), scratch, coinFlip);
    std::vector<int> places;
    for (const Item& item : items) places.push_back(item.place);
    std::sort(places.begin(), places.end());
    for (int i = 0; i < int(places.size()); ++i) ASSERT_EQ(places[i], i);

    std::vector<float> values;
    for (int i = 0; i < 5000; ++i) values.push_back(i % 3 ? float(i % 17) : std::numeric_limits<float>::quiet_NaN());
    std::vector<float> floatScratch;
    safeMergeSort(values.data(), values.size(), floatScratch, [](float a, float b) { return a < b; });
    EXPECT_EQ(std::count_if(values.begin(), values.end(), [](float v) { return v != v; }), 1667);
}
