#include "Weld.h"

#include "VertexClasses.h"
#include "SafeMergeSort.h"

#include <cmath>
#include <cstddef>
#include <cstring>
#include <vector>

namespace {

constexpr float kPositionTolerance = 0.0001f;
constexpr float kNormalTolerance = 0.0001f;
constexpr float kColorTolerance = 0.001f;
constexpr float kUvTolerance = 0.0001f;
constexpr float kBlendWeightTolerance = 0.001f;
constexpr float kGenericTolerance = 0.00001f;
constexpr float kMinTangentSumLength = 0.00001f;
constexpr std::uint32_t kNoVertex = 0xFFFFFFFFu;

int compareWithin(float a, float b, float tolerance) {
    if (a < b - tolerance) return -1;
    if (a > b + tolerance) return 1;
    const bool aNaN = std::isnan(a);
    const bool bNaN = std::isnan(b);
    if (aNaN == bNaN) return 0;
    return aNaN ? 1 : -1;
}

int compareAll(const float* a, const float* b, int count, float tolerance) {
    for (int i = 0; i < count; ++i) {
        if (const int order = compareWithin(a[i], b[i], tolerance)) return order;
    }
    return 0;
}

// A position and a number: a class's or a corner's.
struct PositionItem {
    float position[3];
    std::uint32_t id;
};

float tangentDot(const BuildVertex& a, const BuildVertex& b) {
    return a.tangent[0] * b.tangent[0] + a.tangent[1] * b.tangent[1] + a.tangent[2] * b.tangent[2];
}

// The attribute groups before and after the tangent direction, in the welding order.
int compareBeforeTangentDirection(const BuildVertex& a, const BuildVertex& b) {
    if (const int order = compareAll(a.normal, b.normal, 3, kNormalTolerance)) return order;
    if (const int order = compareAll(a.color, b.color, 4, kColorTolerance)) return order;
    return compareWithin(a.tangent[3], b.tangent[3], 0.0f);
}

int compareAfterTangentDirection(const BuildVertex& a, const BuildVertex& b) {
    for (unsigned k = 0; k < kMaxUvSets; ++k) {
        if (const int order = compareAll(a.uv[k], b.uv[k], 2, kUvTolerance)) return order;
    }
    if (const int order = compareAll(a.blendWeights, b.blendWeights, 4, kBlendWeightTolerance)) return order;
    for (int i = 0; i < 4; ++i) {
        if (a.blendIndices[i] != b.blendIndices[i]) return a.blendIndices[i] < b.blendIndices[i] ? -1 : 1;
    }
    return compareWithin(a.generic, b.generic, kGenericTolerance);
}

// Everything after the position, in the welding order.
int compareAttributes(const BuildVertex& a, const BuildVertex& b) {
    // Corners of one Maya vertex usually differ at most in their tangent direction.
    if (sameAttributeBits(a, b) && !(tangentDot(a, b) < 0.0f)) return 0;
    if (const int order = compareBeforeTangentDirection(a, b)) return order;
    if (tangentDot(a, b) < 0.0f) {
        // Tangents more than 90 degrees apart never weld; they order by direction, so that
        // vertices with one tangent stay together however many point the other way.
        for (int c = 0; c < 3; ++c) {
            if (a.tangent[c] != b.tangent[c]) return a.tangent[c] < b.tangent[c] ? -1 : 1;
        }
    }
    return compareAfterTangentDirection(a, b);
}

// Whether two vertices differ in something other than the tangent direction: then no corner of
// the one welds with a corner of the other, whatever their tangents.
bool differBesidesTangentDirection(const BuildVertex& a, const BuildVertex& b) {
    return compareAll(a.position, b.position, 3, kPositionTolerance) != 0 || compareBeforeTangentDirection(a, b) != 0 ||
           compareAfterTangentDirection(a, b) != 0;
}

int comparePositions(const PositionItem& a, const PositionItem& b) {
    return compareAll(a.position, b.position, 3, kPositionTolerance);
}

// The welded vertices in the making: each group's first corner and its averaged tangent.
struct WeldGroups {
    std::vector<std::uint32_t> leaders;
    std::vector<float> tangents;

    std::uint32_t add(std::uint32_t leader, const double sum[3]) {
        const double length = std::sqrt(sum[0] * sum[0] + sum[1] * sum[1] + sum[2] * sum[2]);
        const double scale = length > kMinTangentSumLength ? 1.0 / length : 1.0;
        for (int c = 0; c < 3; ++c) tangents.push_back(static_cast<float>(sum[c] * scale));
        leaders.push_back(leader);
        return static_cast<std::uint32_t>(leaders.size() - 1);
    }
};

// The classes in welding order of their positions. The order compares positions first, so
// sorting by position and then each run of equal positions by the remaining attributes gives
// the order of one full sort.
std::vector<PositionItem> classesByPosition(const std::vector<BuildVertex>& vertices,
                                            const std::vector<VertexClass>& classes) {
    std::vector<PositionItem> items(classes.size());
    for (std::uint32_t c = 0; c < classes.size(); ++c) {
        const float* position = vertices[classes[c].first].position;
        items[c] = {{position[0], position[1], position[2]}, c};
    }
    std::vector<PositionItem> scratch;
    safeMergeSort(items.data(), items.size(), scratch,
                  [](const PositionItem& a, const PositionItem& b) { return comparePositions(a, b) < 0; });
    return items;
}

// Runs with more classes than this weld corner by corner.
constexpr std::size_t kMaxClassesComparedPairwise = 16;

// Whether the classes of a run weld into one group each: every class's tangents agree and no two
// classes could weld. A hard edge or UV seam, the usual reason for several classes at one
// position, passes; near-equal attributes (tolerance at work) do not.
bool classesStayApart(const std::vector<BuildVertex>& vertices, const std::vector<VertexClass>& classes,
                      const PositionItem* run, std::size_t count) {
    if (count > kMaxClassesComparedPairwise) return false;
    for (std::size_t i = 0; i < count; ++i) {
        const VertexClass& one = classes[run[i].id];
        if (!one.tangentsAgree) return false;
        for (std::size_t j = i + 1; j < count; ++j) {
            if (!differBesidesTangentDirection(vertices[one.first], vertices[classes[run[j].id].first])) return false;
        }
    }
    return true;
}

// Welds the corners of one run of equal positions that is more than one agreeing class: sorts
// them by the full order and sweeps, every corner equal to its group's first joining the group.
void weldRun(const std::vector<BuildVertex>& vertices, PositionItem* corners, std::size_t count,
             std::vector<PositionItem>& scratch, WeldGroups& groups, std::vector<std::uint32_t>& groupOf) {
    auto fullOrder = [&vertices](const PositionItem& a, const PositionItem& b) {
        if (const int order = comparePositions(a, b)) return order;
        return compareAttributes(vertices[a.id], vertices[b.id]);
    };
    // Corners that all equal the first one (and so, the order being transitive there, each other)
    // are one group already in sorted order.
    bool oneGroup = true;
    for (std::size_t k = 1; k < count && oneGroup; ++k) oneGroup = fullOrder(corners[0], corners[k]) == 0;
    if (!oneGroup) {
        safeMergeSort(corners, count, scratch, [&](const PositionItem& a, const PositionItem& b) { return fullOrder(a, b) < 0; });
    }
    for (std::size_t i = 0; i < count;) {
        std::size_t j = oneGroup ? count : i + 1;
        while (j < count && fullOrder(corners[i], corners[j]) == 0) ++j;
        double sum[3] = {0, 0, 0};
        for (std::size_t k = i; k < j; ++k) {
            for (int c = 0; c < 3; ++c) sum[c] += vertices[corners[k].id].tangent[c];
        }
        const std::uint32_t group = groups.add(corners[i].id, sum);
        for (std::size_t k = i; k < j; ++k) groupOf[corners[k].id] = group;
        i = j;
    }
}

// What the pass over the runs of equal positions decides: the group of every class it settles,
// and where the corners of the other classes go for the corner-by-corner pass.
struct RunPlan {
    std::vector<std::uint32_t> groupOfClass;  // kNoVertex: welded corner by corner
    std::vector<std::uint32_t> slotOfClass;  // the next laid-out place for its corners
    std::vector<std::size_t> runEnds;  // in laid-out corners
    std::size_t laidOut = 0;
};

// A class alone at its position whose tangents agree is one group, and so is each class of a
// run whose classes stay apart. The corners of every other run are laid out together, class by
// class in sorted order.
RunPlan settleClasses(const std::vector<BuildVertex>& vertices, const std::vector<VertexClass>& classes,
                      const std::vector<PositionItem>& sorted, WeldGroups& groups) {
    RunPlan plan;
    plan.groupOfClass.assign(classes.size(), kNoVertex);
    plan.slotOfClass.assign(classes.size(), 0);
    for (std::size_t runStart = 0; runStart < sorted.size();) {
        std::size_t runEnd = runStart + 1;
        while (runEnd < sorted.size() && comparePositions(sorted[runStart], sorted[runEnd]) == 0) ++runEnd;
        const bool alone = runEnd == runStart + 1 && classes[sorted[runStart].id].tangentsAgree;
        if (alone || classesStayApart(vertices, classes, &sorted[runStart], runEnd - runStart)) {
            for (std::size_t k = runStart; k < runEnd; ++k) {
                const VertexClass& one = classes[sorted[k].id];
                plan.groupOfClass[sorted[k].id] = groups.add(one.first, one.tangentSum);
            }
        } else {
            for (std::size_t k = runStart; k < runEnd; ++k) {
                plan.slotOfClass[sorted[k].id] = static_cast<std::uint32_t>(plan.laidOut);
                plan.laidOut += classes[sorted[k].id].corners;
            }
            plan.runEnds.push_back(plan.laidOut);
        }
        runStart = runEnd;
    }
    return plan;
}

// Gives the corners of settled classes their group (groupOf held their class) and welds the
// corners of the other runs one run at a time.
void weldCorners(const std::vector<BuildVertex>& vertices, RunPlan& plan, WeldGroups& groups,
                 std::vector<std::uint32_t>& groupOf) {
    std::vector<PositionItem> corners(plan.laidOut);
    for (std::uint32_t v = 0; v < vertices.size(); ++v) {
        const std::uint32_t c = groupOf[v];
        if (c == kNoVertex) continue;
        if (plan.groupOfClass[c] != kNoVertex) {
            groupOf[v] = plan.groupOfClass[c];
        } else {
            const float* position = vertices[v].position;
            corners[plan.slotOfClass[c]++] = {{position[0], position[1], position[2]}, v};
        }
    }
    std::vector<PositionItem> scratch;
    std::size_t runStart = 0;
    for (std::size_t runEnd : plan.runEnds) {
        weldRun(vertices, corners.data() + runStart, runEnd - runStart, scratch, groups, groupOf);
        runStart = runEnd;
    }
}

// Keeps each group's first corner, in buffer order, with the group's tangent, and points the
// usable triangles at them. The leaders move down within the buffer (a leader's new place is never
// after its old one), so no second buffer of records is needed.
void keepGroupLeaders(MeshBuildBuffer& buffer, const WeldGroups& groups, const std::vector<std::uint32_t>& groupOf) {
    const std::size_t vertexCount = buffer.vertices.size();
    std::vector<std::uint32_t> newIndexOfGroup(groups.leaders.size(), kNoVertex);
    std::size_t keptVertices = 0;
    for (std::uint32_t v = 0; v < vertexCount; ++v) {
        const std::uint32_t group = groupOf[v];
        if (group == kNoVertex || groups.leaders[group] != v) continue;
        newIndexOfGroup[group] = static_cast<std::uint32_t>(keptVertices);
        BuildVertex& leader = buffer.vertices[keptVertices++];
        if (&leader != &buffer.vertices[v]) leader = buffer.vertices[v];
        std::memcpy(leader.tangent, &groups.tangents[3 * std::size_t(group)], 3 * sizeof(float));
    }
    std::size_t kept = 0;
    for (const BuildTriangle& triangle : buffer.triangles) {
        if (!isUsable(triangle, vertexCount)) continue;
        BuildTriangle& target = buffer.triangles[kept++];
        target = triangle;
        for (std::uint32_t& index : target.indices) index = newIndexOfGroup[groupOf[index]];
    }
    buffer.triangles.resize(kept);
    buffer.vertices.resize(keptVertices);
}

}  // namespace

int compareForWeld(const BuildVertex& a, const BuildVertex& b) {
    if (const int order = compareAll(a.position, b.position, 3, kPositionTolerance)) return order;
    return compareAttributes(a, b);
}

void weldVertices(MeshBuildBuffer& buffer) {
    const std::vector<BuildVertex>& vertices = buffer.vertices;
    std::vector<std::uint32_t> groupOf(vertices.size(), kNoVertex);
    for (const BuildTriangle& triangle : buffer.triangles) {
        if (!isUsable(triangle, vertices.size())) continue;
        for (std::uint32_t index : triangle.indices) groupOf[index] = 0;
    }
    // groupOf holds each referenced corner's class until the corner has its group.
    // In a soup of one record per corner about a quarter of the corners are distinct.
    VertexClasses vertexClasses(vertices, buffer.distinctRecords ? vertices.size() : vertices.size() / 4);
    vertexClasses.classify(groupOf, kNoVertex);
    const std::vector<VertexClass>& classes = vertexClasses.classes();
    WeldGroups groups;
    RunPlan plan = settleClasses(vertices, classes, classesByPosition(vertices, classes), groups);
    weldCorners(vertices, plan, groups, groupOf);
    keepGroupLeaders(buffer, groups, groupOf);
}
