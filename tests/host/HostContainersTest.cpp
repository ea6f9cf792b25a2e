#include "scene/NameMap.h"
#include "scene/NodeNameIndex.h"
#include "scene/NumberList.h"

#include <maya/MHostSmallArray.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

using namespace mayahost;

// The stand-in's compact containers against the standard ones they stand for: the flat tables
// through growth and (for the node index) removals that close gaps in runs of colliding slots;
// the number list across its change from one number in place to a list of its own; a plug's
// steps across their change from two in place to the heap, through copies and moves both ways.

TEST(HostContainers, NameMapAgreesWithAStandardMapAndKeepsEntriesInPlace) {
    NameMap<int> map;
    std::map<std::string, int> reference;
    std::mt19937 random(5);
    const int* firstEntry = &map["first"];
    reference["first"] = 0;
    for (int i = 0; i < 5000; ++i) {
        const std::string name = "attr" + std::to_string(random() % 3000) + std::string(random() % 12, 'x');
        const bool added = map.emplace(name, i).second;
        EXPECT_EQ(added, reference.emplace(name, i).second) << name;
    }
    EXPECT_EQ(&map["first"], firstEntry);  // growing never moved it
    EXPECT_EQ(map.size(), reference.size());
    std::size_t visited = 0;
    for (const auto& entry : map) {
        EXPECT_EQ(reference.at(entry.first), entry.second);
        ++visited;
    }
    EXPECT_EQ(visited, reference.size());
    for (const auto& entry : reference) EXPECT_EQ(map.find(entry.first)->second, entry.second);
    EXPECT_EQ(map.find("attr3000x"), map.end());
    EXPECT_EQ(map.count("missing"), 0u);
    EXPECT_EQ(NameMap<int>().find(""), NameMap<int>().end());
}

TEST(HostContainers, NodeNameIndexCountsSharedNamesThroughRemovals) {
    const NodeType* transform = findNodeType("transform");
    ASSERT_NE(transform, nullptr);
    std::vector<std::unique_ptr<Node>> nodes;
    NodeNameIndex index;
    std::map<std::string, std::size_t> reference;
    std::mt19937 random(11);
    for (int i = 0; i < 3000; ++i) {
        nodes.push_back(std::make_unique<Node>(*transform, "transform", "n" + std::to_string(random() % 700)));
        index.add(*nodes.back());
        ++reference[nodes.back()->name];
    }
    for (std::size_t i = 0; i < nodes.size(); i += 1 + random() % 3) {
        index.remove(*nodes[i]);
        --reference[nodes[i]->name];
    }
    index.remove(*nodes[0]);  // removed above: removing a node twice, or one never indexed, changes nothing
    Node stranger(*transform, "transform", nodes[0]->name);
    index.remove(stranger);
    for (const auto& entry : reference) {
        std::size_t visited = 0;
        index.forEachNamed(entry.first, [&](Node& node) {
            EXPECT_EQ(node.name, entry.first);
            return ++visited > 0;
        });
        EXPECT_EQ(visited, entry.second) << entry.first;
        EXPECT_EQ(index.count(entry.first), entry.second);
    }
    EXPECT_EQ(index.count("n700"), 0u);
}

namespace {

NumberList copyOf(const std::vector<double>& values) {
    NumberList list;
    for (double value : values) list.push_back(value);
    return list;
}

}  // namespace

TEST(HostContainers, NumberListBehavesAsAVectorOfDoubles) {
    NumberList list;
    std::vector<double> reference;
    EXPECT_TRUE(list.empty());
    for (int i = 0; i < 100; ++i) {
        list.push_back(i * 0.5);
        reference.push_back(i * 0.5);
        const NumberList copy = list;
        ASSERT_EQ(std::vector<double>(copy.begin(), copy.end()), reference);
    }
    NumberList moved = std::move(list);
    EXPECT_EQ(std::vector<double>(moved.begin(), moved.end()), reference);
    EXPECT_TRUE(list.empty());
    moved = {7.0};  // back to one number, and again to a list
    EXPECT_EQ(moved.size(), 1u);
    EXPECT_EQ(moved[0], 7.0);
    NumberList one{3.0};
    one = moved;
    EXPECT_EQ(one[0], 7.0);
    one.reserve(1000);
    EXPECT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0], 7.0);
    NumberList three{1.0, 2.0, 3.0};  // a list of its own given a longer one
    const NumberList longer = copyOf(reference);
    three = longer;
    EXPECT_EQ(std::vector<double>(three.begin(), three.end()), reference);
    one = std::move(moved);
    EXPECT_EQ(std::vector<double>(one.begin(), one.end()), std::vector<double>{7.0});
    one.clear();
    EXPECT_TRUE(one.empty());
}

TEST(HostContainers, SmallArrayBehavesAsAVectorThroughCopiesAndMoves) {
    using Steps = MHostSmallArray<std::pair<int*, long>, 2>;
    std::mt19937 random(5);
    Steps steps;
    std::vector<std::pair<int*, long>> reference;
    auto same = [](const Steps& a, const std::vector<std::pair<int*, long>>& b) {
        return std::vector<std::pair<int*, long>>(a.begin(), a.end()) == b;
    };
    for (int round = 0; round < 2000; ++round) {
        const unsigned action = random() % 6;
        if (action <= 1 || reference.empty()) {
            steps.emplace_back(nullptr, long(round));
            reference.emplace_back(nullptr, long(round));
        } else if (action == 2) {
            steps.pop_back();
            reference.pop_back();
        } else if (action == 3) {
            const Steps copy = steps;  // the copy owns its values
            steps.back().second = -1;
            ASSERT_FALSE(copy == steps);
            steps = copy;
        } else if (action == 4) {
            Steps moved = std::move(steps);
            ASSERT_TRUE(steps.empty());
            steps.emplace_back(nullptr, 9L);  // a moved-from list takes values again
            ASSERT_EQ(steps.size(), 1u);
            steps = std::move(moved);
        } else {
            Steps shorter;
            shorter.emplace_back(nullptr, 1L);
            shorter = steps;  // in place or on the heap, whichever it had
            ASSERT_TRUE(same(shorter, reference));
        }
        ASSERT_TRUE(same(steps, reference)) << "round " << round;
    }
}
