#include "Brep.h"

#include "saveutil/Log.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <map>
#include <numeric>

namespace {

constexpr std::size_t kBuckets = 500;
constexpr float kBoundsMargin = 0.0005f;
constexpr float kMinNormalLengthSquared = 0.000001f;

// x * 100 + 0.5 truncated as a C cast would, for every value a 32-bit integer holds; the rest
// (far away or NaN) get a fixed value instead of an undefined conversion.
std::uint32_t hashCoordinate(float value) {
    const double scaled = double(value) * 100.0 + 0.5;
    if (!(scaled > double(INT_MIN) - 1.0 && scaled < double(INT_MAX) + 1.0)) return 0x7FFFFFFFu;
    return std::uint32_t(std::int32_t(scaled));
}

// Swap-with-last removal of the entries `keep` rejects: the new number of every old entry (kNone32
// for the removed), in the order removing one by one from the front would give.
std::vector<std::uint32_t> swapWithLastRemoval(std::size_t count, const std::vector<bool>& keep) {
    std::vector<std::uint32_t> slotOf(count), atSlot(count);
    std::iota(slotOf.begin(), slotOf.end(), 0u);
    std::iota(atSlot.begin(), atSlot.end(), 0u);
    std::size_t size = count;
    for (std::size_t k = 0; k < size;) {
        if (keep[atSlot[k]]) {
            ++k;
            continue;
        }
        slotOf[atSlot[k]] = Brep::kNone32;
        const std::size_t last = size - 1;
        if (k != last) {
            atSlot[k] = atSlot[last];
            slotOf[atSlot[k]] = std::uint32_t(k);
        }
        --size;
    }
    return slotOf;
}

template <typename T>
void applyRemoval(std::vector<T>& entries, const std::vector<std::uint32_t>& slotOf) {
    std::vector<T> kept(entries.size());
    std::size_t size = 0;
    for (std::size_t old = 0; old < entries.size(); ++old) {
        if (slotOf[old] == Brep::kNone32) continue;
        kept[slotOf[old]] = entries[old];
        ++size;
    }
    kept.resize(size);
    entries.swap(kept);
}

}  // namespace

std::uint32_t brepPositionBucket(const float (&position)[3]) {
    const std::uint32_t hash = (hashCoordinate(position[1]) * 19349663u) ^ (hashCoordinate(position[2]) * 83492791u) ^
                               (hashCoordinate(position[0]) * 73856093u);
    return hash % kBuckets;
}

Brep::Brep(std::uint32_t vertexCount, const float* positions, const std::vector<float>& attributes,
           const std::vector<Triangle>& triangles) {
    // Vertices, welded by exact position through the bucket hash.
    std::vector<std::vector<std::uint16_t>> buckets(kBuckets);
    std::vector<std::uint16_t> numberOf(vertexCount);
    for (std::uint32_t i = 0; i < vertexCount; ++i) {
        const float position[3] = {positions[3 * i], positions[3 * i + 1], positions[3 * i + 2]};
        std::vector<std::uint16_t>& bucket = buckets[brepPositionBucket(position)];
        const auto same = std::find_if(bucket.begin(), bucket.end(), [&](std::uint16_t v) {
            const float* p = vertices_[v].position;
            return p[0] == position[0] && p[1] == position[1] && p[2] == position[2];
        });
        if (same != bucket.end()) {
            numberOf[i] = *same;
            continue;
        }
        if (records_.size() >= kNone16) {
            // A 65536th distinct position would take the number that means "none".
            Q5XSaveUtil::Log::instance().error("Error: Brep does not allow more then %u points\n", unsigned(kNone16));
            return;
        }
        const auto number = std::uint16_t(records_.size());
        vertices_.push_back({{position[0], position[1], position[2]}, number});
        records_.push_back({number, kNone16, kNone32, std::uint16_t(i)});
        bucket.push_back(number);
        numberOf[i] = number;
    }
    for (std::size_t a = 0; a + 5 <= attributes.size(); a += 5) {
        CornerAttribute attribute{{attributes[a], attributes[a + 1], attributes[a + 2], attributes[a + 3], attributes[a + 4]}, 0};
        attributes_.push_back(attribute);
    }
    std::vector<Triangle> remapped = triangles;
    for (Triangle& triangle : remapped) {
        for (std::uint16_t& v : triangle.vertices) v = v < vertexCount ? numberOf[v] : kNone16;
    }
    if (!buildFaces(remapped)) return;
    recordOutgoingHalfEdges();
    if (!attributes_.empty()) shareCornerAttributes();
    compact();
    labelRegions();
}

bool Brep::buildFaces(const std::vector<Triangle>& triangles) {
    std::map<std::pair<std::uint16_t, std::uint16_t>, std::uint32_t> edges;
    faces_.reserve(triangles.size());
    bounds_.reserve(triangles.size());
    for (std::size_t f = 0; f < triangles.size(); ++f) {
        const Triangle& triangle = triangles[f];
        Face face{kNoRegion, triangle.tag, triangle.hullMask, {}};
        float low[3] = {0, 0, 0}, high[3] = {0, 0, 0};
        for (int k = 0; k < 3; ++k) {
            const std::uint16_t vertex = triangle.vertices[k];
            const bool valid = vertex < vertices_.size();
            std::uint16_t attribute = kNone16;
            if (!attributes_.empty() && triangle.attributes[k] < attributes_.size()) {
                attribute = triangle.attributes[k];
                ++attributes_[attribute].useCount;
            }
            face.corners[k] = {vertex, attribute, kNone32};
            for (int c = 0; c < 3 && valid; ++c) {
                const float value = vertices_[vertex].position[c];
                low[c] = k == 0 ? value : std::min(low[c], value);
                high[c] = k == 0 ? value : std::max(high[c], value);
            }
        }
        for (int k = 0; k < 3; ++k) {
            const std::pair<std::uint16_t, std::uint16_t> edge{face.corners[k].start, face.corners[(k + 2) % 3].start};
            if (edge.first >= vertices_.size() || edge.second >= vertices_.size() || !edges.emplace(edge, halfEdge(f, k)).second) {
                Q5XSaveUtil::Log::instance().error("Topology: Mesh contains non-manifold edges\n");
                faces_.clear();
                bounds_.clear();
                return false;
            }
        }
        faces_.push_back(face);
        FaceBounds bounds;
        for (int c = 0; c < 3; ++c) {
            bounds.halfExtents[c] = 0.5f * (high[c] - low[c]) + kBoundsMargin;
            bounds.center[c] = 0.5f * (high[c] + low[c]);
        }
        bounds_.push_back(bounds);
    }
    // Opposites: the reverse of each directed edge, when some face runs along it.
    for (const auto& edge : edges) {
        const auto reverse = edges.find({edge.first.second, edge.first.first});
        if (reverse != edges.end()) cornerOf(edge.second).opposite = reverse->second;
    }
    return true;
}

void Brep::recordOutgoingHalfEdges() {
    for (std::size_t f = 0; f < faces_.size(); ++f) {
        for (int k = 0; k < 3; ++k) {
            VertexRecord& record = records_[vertices_[faces_[f].corners[k].start].record];
            if (record.outgoing == kNone32) record.outgoing = halfEdge(f, k);
        }
    }
}

// Around each vertex, neighbouring corners whose normal and UV are the same share one attribute.
// Half-edge h (corner slot k of face F) leaves the vertex; in F, corner k + 1's half-edge comes
// back to it, and that one's opposite leaves it again in the next face of the fan. The walk first
// turns back to where an open fan begins, so that every corner of the fan is visited in order.
void Brep::shareCornerAttributes() {
    const auto forward = [this](std::uint32_t h) {
        return cornerOf(halfEdge(h / 4, (int(h % 4) - 1 + 1) % 3)).opposite;
    };
    const auto backward = [this](std::uint32_t h) {
        const std::uint32_t arriving = cornerOf(h).opposite;
        return arriving == kNone32 ? kNone32 : halfEdge(arriving / 4, (int(arriving % 4) - 1 + 2) % 3);
    };
    const std::size_t limit = 3 * faces_.size();
    for (const VertexRecord& record : records_) {
        if (record.outgoing == kNone32) continue;
        std::uint32_t begin = record.outgoing;
        for (std::size_t steps = 0; steps < limit; ++steps) {
            const std::uint32_t previous = backward(begin);
            if (previous == kNone32 || previous == record.outgoing) break;
            begin = previous;
        }
        std::uint32_t current = begin;
        for (std::size_t steps = 0; steps < limit; ++steps) {
            const std::uint32_t next = forward(current);
            if (next == kNone32 || next == begin) break;
            Corner& before = cornerOf(current);
            Corner& after = cornerOf(next);
            if (before.attribute != after.attribute && before.attribute != kNone16 && after.attribute != kNone16 &&
                std::memcmp(attributes_[before.attribute].values, attributes_[after.attribute].values, sizeof(float) * 5) == 0) {
                ++attributes_[before.attribute].useCount;
                --attributes_[after.attribute].useCount;
                after.attribute = before.attribute;
            }
            current = next;
        }
    }
}

void Brep::compact() {
    std::vector<bool> keepAttribute(attributes_.size());
    for (std::size_t a = 0; a < attributes_.size(); ++a) keepAttribute[a] = attributes_[a].useCount > 0;
    const std::vector<std::uint32_t> attributeSlot = swapWithLastRemoval(attributes_.size(), keepAttribute);
    applyRemoval(attributes_, attributeSlot);
    std::vector<bool> keepVertex(vertices_.size());
    for (std::size_t v = 0; v < vertices_.size(); ++v) keepVertex[v] = records_[vertices_[v].record].outgoing != kNone32;
    const std::vector<std::uint32_t> vertexSlot = swapWithLastRemoval(vertices_.size(), keepVertex);
    applyRemoval(vertices_, vertexSlot);
    applyRemoval(records_, vertexSlot);  // one record per vertex, made together
    for (std::size_t v = 0; v < vertices_.size(); ++v) vertices_[v].record = records_[v].vertex = std::uint16_t(v);
    for (Face& face : faces_) {
        for (Corner& corner : face.corners) {
            corner.start = std::uint16_t(vertexSlot[corner.start]);
            if (corner.attribute != kNone16) corner.attribute = std::uint16_t(attributeSlot[corner.attribute]);
        }
    }
    std::vector<bool> keepFace(faces_.size());
    for (std::size_t f = 0; f < faces_.size(); ++f) keepFace[f] = !(faces_[f].state & kRemoved);
    if (std::find(keepFace.begin(), keepFace.end(), false) != keepFace.end()) {
        const std::vector<std::uint32_t> faceSlot = swapWithLastRemoval(faces_.size(), keepFace);
        applyRemoval(faces_, faceSlot);
        applyRemoval(bounds_, faceSlot);
    }
}

void Brep::labelRegions() {
    regionCount_ = 0;
    for (Face& face : faces_) face.state = std::uint16_t((face.state & kRemoved) | kNoRegion);
    std::vector<std::uint32_t> stack;
    for (std::size_t f = 0; f < faces_.size(); ++f) {
        if ((faces_[f].state & kNoRegion) != kNoRegion || (faces_[f].state & kRemoved)) continue;
        const auto region = std::uint16_t(std::min<std::uint32_t>(regionCount_++, kNoRegion - 1));
        faces_[f].state = region;
        stack.assign(1, std::uint32_t(f));
        while (!stack.empty()) {
            const std::uint32_t current = stack.back();
            stack.pop_back();
            for (const Corner& corner : faces_[current].corners) {
                if (corner.opposite == kNone32) continue;
                Face& neighbour = faces_[corner.opposite / 4];
                if ((neighbour.state & kNoRegion) != kNoRegion || (neighbour.state & kRemoved)) continue;
                neighbour.state = region;
                stack.push_back(corner.opposite / 4);
            }
        }
    }
}

bool Brep::isClosed() const {
    for (const Face& face : faces_) {
        for (const Corner& corner : face.corners) {
            if (corner.opposite == kNone32) return false;
        }
    }
    return true;
}

std::unique_ptr<Brep> Brep::fromTriangleSet(const IndexedTriangleSet& set) {
    if (set.numVertices > kMaxVerticesFor16BitIndices) return nullptr;
    std::vector<float> attributes;
    const bool hasAttributes = set.has(kVertexNormal) || set.has(kVertexUv0);
    if (hasAttributes) {
        attributes.resize(5 * std::size_t(set.numVertices), 0.0f);
        for (std::uint32_t v = 0; v < set.numVertices; ++v) {
            float* out = attributes.data() + 5 * std::size_t(v);
            if (set.has(kVertexNormal)) {
                const float* n = set.normals.data() + 3 * std::size_t(v);
                const float lengthSquared = n[0] * n[0] + n[1] * n[1] + n[2] * n[2];
                const float scale = lengthSquared > kMinNormalLengthSquared ? 1.0f / std::sqrt(lengthSquared) : 1.0f;
                for (int c = 0; c < 3; ++c) out[c] = n[c] * scale;
            }
            if (set.has(kVertexUv0)) out[3] = set.uv[0][2 * std::size_t(v)], out[4] = set.uv[0][2 * std::size_t(v) + 1];
        }
    }
    std::vector<Triangle> triangles(set.numIndices / 3);
    for (std::size_t t = 0; t < triangles.size(); ++t) {
        for (int k = 0; k < 3; ++k) {
            const auto index = std::uint16_t(set.index(std::uint32_t(3 * t + std::size_t(k))));
            triangles[t].vertices[k] = index;
            triangles[t].attributes[k] = hasAttributes ? index : kNone16;
        }
        triangles[t].tag = 0;
        triangles[t].hullMask = 0;
    }
    // 65536 vertices fit the set's 16-bit indices, but not the Brep's vertex numbers when all are
    // distinct: the constructor refuses that case itself.
    auto brep = std::make_unique<Brep>(set.numVertices, set.positions.data(), attributes, triangles);
    return brep->faces().empty() ? nullptr : std::move(brep);
}
