#include "IndexedTriangleSet.h"

#include "Crc64.h"

namespace {

template <typename T>
void addStream(Crc64& crc, const std::vector<T>& stream) {
    if (!stream.empty()) crc.add(stream.data(), stream.size() * sizeof(T));
}

template <typename T>
void sizeStream(std::vector<T>& stream, bool present, std::size_t count) {
    stream.assign(present ? count : 0, T());
    stream.shrink_to_fit();
}

}  // namespace

void TriangleSet::resizeVertices(std::uint32_t vertexCount, std::uint32_t format) {
    numVertices = vertexCount;
    vertexFormat = format;
    const std::size_t n = vertexCount;
    sizeStream(positions, true, 3 * n);
    for (unsigned k = 0; k < kMaxUvSets; ++k) sizeStream(uv[k], has(uvSetBit(k)), 2 * n);
    sizeStream(normals, has(kVertexNormal), 3 * n);
    sizeStream(tangents, has(kVertexTangent), 4 * n);
    sizeStream(colors, has(kVertexColor), 4 * n);
    sizeStream(blendWeights, has(kVertexBlendWeights) && !has(kVertexSingleBlendWeight), 4 * n);
    sizeStream(blendIndices, has(kVertexBlendWeights), blendIndicesPerVertex() * n);
    sizeStream(generic, has(kVertexGeneric), n);
}

void TriangleSet::checksumStreams(Crc64& crc) const {
    crc.addWord(vertexFormat);
    addStream(crc, positions);
    addStream(crc, normals);
    addStream(crc, tangents);
    addStream(crc, colors);
    addStream(crc, blendWeights);
    addStream(crc, blendIndices);
    for (const auto& stream : uv) addStream(crc, stream);
    addStream(crc, generic);
}

std::uint64_t TriangleSet::checksum() const {
    Crc64 crc;
    checksumStreams(crc);
    return crc.value();
}

void IndexedTriangleSet::resizeIndices(std::uint32_t indexCount) {
    numIndices = indexCount;
    sizeStream(indices16, !uses32BitIndices(), indexCount);
    sizeStream(indices32, uses32BitIndices(), indexCount);
}

void IndexedTriangleSet::setIndex(std::uint32_t i, std::uint32_t vertex) {
    if (uses32BitIndices()) {
        indices32[i] = vertex;
    } else {
        indices16[i] = static_cast<std::uint16_t>(vertex);
    }
}

std::uint64_t IndexedTriangleSet::checksum() const {
    Crc64 crc;
    checksumStreams(crc);
    addStream(crc, indices16);
    addStream(crc, indices32);
    crc.addWord(static_cast<std::uint32_t>(subsets.size()));
    for (const IndexedTriangleSubset& subset : subsets) {
        crc.addWord(subset.firstIndex);
        crc.addWord(subset.numIndices);
    }
    return crc.value();
}

std::unique_ptr<IndexedTriangleSet> IndexedTriangleSet::clone() const {
    auto copy = std::make_unique<IndexedTriangleSet>(*this);
    copy->meshUsage = 0;
    copy->vertexCompressionRange = 0.0f;
    return copy;
}
