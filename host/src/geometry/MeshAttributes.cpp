// A mesh's geometry as the mesh node stores it: ".vt", ".ed", ".fc" polyFaces with holes, UV and
// colour indices, UV and colour sets, locked normals.
#include "MeshAttributes.h"

#include "NodeValues.h"

#include <algorithm>
#include <cstdlib>
#include <map>

namespace mayahost {

namespace {

// Indices in a file beyond this are taken as this, which names nothing.
constexpr int kMaxIndex = 0x7FFFFFFE;
constexpr float kNotLocked = 1e20f;

struct Edge {
    int from, to;
    bool smooth;
};

// The per-corner indices of a UV or colour set while faces are read, by the set's logical index:
// the set is named "#<index>" until its values give it its name.
template <typename Set>
std::vector<int>& setCorners(std::vector<Set>& sets, std::vector<int> Set::*corners, int logicalIndex) {
    const std::string name = "#" + std::to_string(logicalIndex);
    for (Set& set : sets) {
        if (set.name == name) return set.*corners;
    }
    sets.emplace_back();
    sets.back().name = name;
    return sets.back().*corners;
}

// Reads the polyFaces payload of every ".fc" range in element order.
class FaceReader {
public:
    FaceReader(const std::vector<Edge>& edges, std::size_t pointCount, const std::map<int, std::size_t>& uvCounts,
               const std::map<int, std::size_t>& colorCounts, MeshData& mesh, std::vector<std::string>& problems)
        : edges_(edges), pointCount_(pointCount), uvCounts_(uvCounts), colorCounts_(colorCounts), mesh_(mesh),
          problems_(problems) {}

    void read(const PlugData& data);
    void finish() { flush(); }

private:
    bool loopFromEdges(const std::vector<double>& numbers, std::size_t at, std::size_t count, std::vector<int>& vertices,
                       std::vector<std::uint8_t>& smooth) const;
    void flush();

    bool indicesFit(const std::map<int, std::vector<std::vector<int>>>& byIndex, const std::map<int, std::size_t>& counts) const;

    const std::vector<Edge>& edges_;
    std::size_t pointCount_;
    const std::map<int, std::size_t>& uvCounts_;
    const std::map<int, std::size_t>& colorCounts_;
    MeshData& mesh_;
    std::vector<std::string>& problems_;
    // The polygon being read: loops of vertices and smoothing, and per set the loops' indices.
    std::vector<std::vector<int>> loops_;
    std::vector<std::vector<std::uint8_t>> smooth_;
    std::map<int, std::vector<std::vector<int>>> uvs_, colors_;
    bool broken_ = false;
    std::size_t faceNumber_ = 0;
};

bool FaceReader::loopFromEdges(const std::vector<double>& numbers, std::size_t at, std::size_t count,
                               std::vector<int>& vertices, std::vector<std::uint8_t>& smooth) const {
    for (std::size_t i = 0; i < count; ++i) {
        const double value = numbers[at + i];
        const int stored = clampedInt(value, -kMaxIndex, kMaxIndex);
        const long long edge = stored >= 0 ? stored : -static_cast<long long>(stored) - 1;
        if (edge < 0 || std::size_t(edge) >= edges_.size()) return false;
        const Edge& e = edges_[std::size_t(edge)];
        const int vertex = value >= 0 ? e.from : e.to;
        if (vertex < 0 || std::size_t(vertex) >= pointCount_) return false;
        vertices.push_back(vertex);
        smooth.push_back(e.smooth ? 1 : 0);
    }
    return true;
}

bool FaceReader::indicesFit(const std::map<int, std::vector<std::vector<int>>>& byIndex,
                            const std::map<int, std::size_t>& counts) const {
    for (const auto& entry : byIndex) {
        const auto count = counts.find(entry.first);
        for (const auto& loop : entry.second) {
            for (const int index : loop) {
                if (index < -1 || (index >= 0 && (count == counts.end() || std::size_t(index) >= count->second))) return false;
            }
        }
    }
    return true;
}

void FaceReader::flush() {
    if (loops_.empty()) return;
    if (broken_) {
        problems_.push_back("face " + std::to_string(faceNumber_) + " names an edge or vertex that does not exist");
    } else if (!indicesFit(uvs_, uvCounts_)) {
        problems_.push_back("face " + std::to_string(faceNumber_) + " names a UV that its UV set does not have");
    } else if (!indicesFit(colors_, colorCounts_)) {
        problems_.push_back("face " + std::to_string(faceNumber_) + " names a colour that its colour set does not have");
    } else {
        mesh_.addPolygon(loops_[0]);
        for (std::size_t l = 1; l < loops_.size(); ++l) mesh_.addLoop(loops_[l]);
        std::vector<std::uint8_t> smooth;
        for (const auto& loop : smooth_) smooth.insert(smooth.end(), loop.begin(), loop.end());
        std::copy(smooth.begin(), smooth.end(), mesh_.cornerSmoothEdge.end() - std::ptrdiff_t(smooth.size()));
        auto append = [&](std::map<int, std::vector<std::vector<int>>>& byIndex, auto&& target) {
            for (auto& entry : byIndex) {
                std::vector<int>& corners = target(entry.first);
                corners.resize(mesh_.cornerVertex.size() - smooth.size(), -1);
                for (std::size_t l = 0; l < loops_.size(); ++l) {
                    std::vector<int> values = l < entry.second.size() ? entry.second[l] : std::vector<int>();
                    values.resize(loops_[l].size(), -1);
                    corners.insert(corners.end(), values.begin(), values.end());
                }
            }
        };
        append(uvs_, [&](int set) -> std::vector<int>& { return setCorners(mesh_.uvSets, &MeshData::UvSet::cornerUv, set); });
        append(colors_, [&](int set) -> std::vector<int>& {
            return setCorners(mesh_.colorSets, &MeshData::ColorSet::cornerColor, set);
        });
    }
    ++faceNumber_;
    loops_.clear();
    smooth_.clear();
    uvs_.clear();
    colors_.clear();
    broken_ = false;
}

void FaceReader::read(const PlugData& data) {
    std::vector<double> numbers(data.count());
    for (std::size_t i = 0; i < numbers.size(); ++i) numbers[i] = data.number(i);
    for (std::size_t w = 0; w < data.words().size(); ++w) {
        const std::string& word = data.texts()[data.words()[w].second];
        std::size_t at = data.words()[w].first;
        const std::size_t end = w + 1 < data.words().size() ? data.words()[w + 1].first : numbers.size();
        if (word == "f" || word == "h") {
            if (word == "f") flush();
            const std::size_t count = at < end ? std::size_t(clampedInt(numbers[at], 0, kMaxIndex)) : 0;
            std::vector<int> vertices;
            std::vector<std::uint8_t> smooth;
            if (at + 1 + count > end || !loopFromEdges(numbers, at + 1, count, vertices, smooth)) broken_ = true;
            loops_.push_back(std::move(vertices));
            smooth_.push_back(std::move(smooth));
        } else if ((word == "mu" || word == "mc") && at + 1 < end && !loops_.empty()) {
            const int set = clampedInt(numbers[at], -1, kMaxIndex);
            const std::size_t count = std::size_t(clampedInt(numbers[at + 1], 0, kMaxIndex));
            auto& byLoop = (word == "mu" ? uvs_ : colors_)[set];
            byLoop.resize(loops_.size());
            for (std::size_t i = 0; i < count && at + 2 + i < end; ++i) byLoop.back().push_back(clampedInt(numbers[at + 2 + i], -2, kMaxIndex));
        }
    }
}

// UV and colour sets by logical index: names, values and sizes.
struct SetValues {
    std::map<int, std::size_t> uvCounts, colorCounts;
    std::map<int, std::vector<double>> uvs, colors;
    std::map<int, std::string> uvNames, colorNames;
};

// The logical indices N of keys "<prefix>[N]..." among a node's values and elements.
std::vector<int> indicesOf(const Node& node, const std::string& prefix) {
    std::vector<int> indices;
    auto take = [&](const std::string& key) {
        if (key.compare(0, prefix.size() + 1, prefix + "[") != 0) return;
        const int index = std::atoi(key.c_str() + prefix.size() + 1);
        if (std::find(indices.begin(), indices.end(), index) == indices.end()) indices.push_back(index);
    };
    for (const auto& entry : node.values) take(entry.first);
    for (const auto& entry : node.elements) take(entry.first);
    std::sort(indices.begin(), indices.end());
    return indices;
}

// A colour set's points as RGBA. Maya keeps alpha-only sets as one value a point and RGB sets as
// three; what such a set lacks reads as 1, as an opaque or a white colour would.
std::vector<double> colorPoints(const Node& node, const std::string& key, std::size_t& count) {
    count = 0;
    const auto found = node.elements.find(key);
    if (found == node.elements.end()) return {};
    for (const ElementRange& range : found->second) count = std::max<std::size_t>(count, std::size_t(range.first) + range.count);
    std::vector<double> rgba(count * 4, 0.0);
    for (const ElementRange& range : found->second) {
        const std::size_t width = range.count > 0 ? range.data.count() / range.count : 0;
        if (width != 1 && width != 3 && width != 4) continue;
        for (std::size_t e = 0; e < range.count; ++e) {
            double* point = &rgba[(range.first + e) * 4];
            point[0] = point[1] = point[2] = point[3] = 1.0;
            const std::size_t firstChannel = width == 1 ? 3 : 0;
            for (std::size_t k = 0; k < width; ++k) point[firstChannel + k] = range.data.number(e * width + k);
        }
    }
    return rgba;
}

SetValues readSetValues(const Node& node) {
    SetValues sets;
    for (const int i : indicesOf(node, "uvSet")) {
        const std::string prefix = "uvSet[" + std::to_string(i) + "].";
        sets.uvNames[i] = textValue(node, prefix + "uvSetName");
        sets.uvs[i] = denseElements(node, prefix + "uvSetPoints", 2, sets.uvCounts[i]);
    }
    for (const int i : indicesOf(node, "colorSet")) {
        const std::string prefix = "colorSet[" + std::to_string(i) + "].";
        sets.colorNames[i] = textValue(node, prefix + "colorName");
        sets.colors[i] = colorPoints(node, prefix + "colorSetPoints", sets.colorCounts[i]);
    }
    return sets;
}

void applySetValues(const Node& node, const SetValues& sets, MeshData& mesh) {
    std::vector<MeshData::UvSet> uvSets;
    for (const auto& entry : sets.uvs) {
        MeshData::UvSet set;
        set.name = sets.uvNames.at(entry.first);
        for (std::size_t k = 0; k + 1 < entry.second.size(); k += 2) {
            set.u.push_back(float(entry.second[k]));
            set.v.push_back(float(entry.second[k + 1]));
        }
        set.cornerUv = std::move(setCorners(mesh.uvSets, &MeshData::UvSet::cornerUv, entry.first));
        set.cornerUv.resize(mesh.cornerVertex.size(), -1);
        uvSets.push_back(std::move(set));
    }
    std::vector<MeshData::ColorSet> colorSets;
    const std::string current = textValue(node, "currentColorSet");
    for (const auto& entry : sets.colors) {
        MeshData::ColorSet set;
        set.name = sets.colorNames.at(entry.first);
        for (std::size_t k = 0; k + 3 < entry.second.size(); k += 4) {
            set.colors.push_back({float(entry.second[k]), float(entry.second[k + 1]), float(entry.second[k + 2]),
                                  float(entry.second[k + 3])});
        }
        set.cornerColor = std::move(setCorners(mesh.colorSets, &MeshData::ColorSet::cornerColor, entry.first));
        set.cornerColor.resize(mesh.cornerVertex.size(), -1);
        if (set.name == current) mesh.currentColorSet = int(colorSets.size());
        colorSets.push_back(std::move(set));
    }
    mesh.uvSets = std::move(uvSets);
    mesh.colorSets = std::move(colorSets);
    if (mesh.currentColorSet < 0 && !mesh.colorSets.empty()) mesh.currentColorSet = 0;
    // Maya marks a normal that is not locked with a huge value; one the file leaves out is not locked either.
    forEachElement(node, "normals", 3, [&](std::size_t corner, const double* normal) {
        if (corner >= mesh.cornerVertex.size()) return;
        if (mesh.lockedNormals.empty()) mesh.lockedNormals.assign(mesh.cornerVertex.size(), {kNotLocked, kNotLocked, kNotLocked});
        mesh.lockedNormals[corner] = {float(normal[0]), float(normal[1]), float(normal[2])};
    });
    mesh.vertexNormalMethod = clampedInt(numberValue(node, "vertexNormalMethod", 3.0), 0, 3);
}

}  // namespace

std::unique_ptr<MeshData> meshFromAttributes(const Node& node, std::vector<std::string>& problems) {
    auto mesh = std::make_unique<MeshData>();
    std::size_t count = 0;
    const std::vector<double> vertices = denseElements(node, "vrts", 3, count);
    for (std::size_t v = 0; v < count; ++v) mesh->points.push_back({vertices[3 * v], vertices[3 * v + 1], vertices[3 * v + 2]});
    const std::vector<double> edgeValues = denseElements(node, "edge", 3, count);
    std::vector<Edge> edges;
    for (std::size_t e = 0; e < count; ++e) {
        edges.push_back({clampedInt(edgeValues[3 * e], -1, kMaxIndex), clampedInt(edgeValues[3 * e + 1], -1, kMaxIndex),
                         edgeValues[3 * e + 2] != 0.0});
    }
    const SetValues sets = readSetValues(node);
    FaceReader faces(edges, mesh->points.size(), sets.uvCounts, sets.colorCounts, *mesh, problems);
    const auto faceRanges = node.elements.find("face");
    if (faceRanges != node.elements.end()) {
        std::vector<const ElementRange*> ordered;
        for (const ElementRange& range : faceRanges->second) ordered.push_back(&range);
        std::stable_sort(ordered.begin(), ordered.end(), [](auto* a, auto* b) { return a->first < b->first; });
        for (const ElementRange* range : ordered) faces.read(range->data);
    }
    faces.finish();
    applySetValues(node, sets, *mesh);
    return mesh;
}

}  // namespace mayahost
