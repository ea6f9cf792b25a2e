#include "VertexClasses.h"

#include "Prefetch.h"

#include <cstring>

namespace {

constexpr std::uint64_t kEmptySlot = ~0ull;

// A slot holds the class number and the high half of its hash, which rules out most mismatches
// without a look at the class's record.
std::uint64_t slotValue(std::uint64_t hash, std::uint32_t number) {
    return (hash & 0xFFFFFFFF00000000ull) | number;
}

// The record's bytes around the tangent direction: position, UVs, normal and colour before it,
// handedness, blend data and generic after it.
constexpr std::size_t kHeadBytes = offsetof(BuildVertex, tangent);
constexpr std::size_t kAttributeOffset = offsetof(BuildVertex, uv);
constexpr std::size_t kTailOffset = offsetof(BuildVertex, tangent) + 3 * sizeof(float);
constexpr std::size_t kTailBytes = sizeof(BuildVertex) - kTailOffset;
static_assert(offsetof(BuildVertex, position) == 0 && kAttributeOffset == sizeof(BuildVertex::position),
              "the position leads the record");
static_assert(kHeadBytes % 8 == 0 && kTailBytes % 4 == 0, "the record hashes in whole words");

const unsigned char* bytesOf(const BuildVertex& vertex) {
    return reinterpret_cast<const unsigned char*>(&vertex);
}

std::uint64_t loadWord(const unsigned char* bytes, std::size_t offset) {
    std::uint64_t word;
    std::memcpy(&word, bytes + offset, 8);
    return word;
}

// Words times odd constants in four independent sums, so the multiplications overlap, then a
// final mix that carries the high bits down to the slot bits.
std::uint64_t hashOf(const BuildVertex& vertex) {
    static_assert(kHeadBytes == 72 && kTailBytes == 28, "the word layout below follows BuildVertex");
    const unsigned char* bytes = bytesOf(vertex);
    std::uint32_t last;
    std::memcpy(&last, bytes + kTailOffset + 24, 4);
    const std::uint64_t a = loadWord(bytes, 0) * 0x9E3779B97F4A7C15ull + loadWord(bytes, 32) * 0xC2B2AE3D27D4EB4Full +
                            loadWord(bytes, 64) * 0x165667B19E3779F9ull + loadWord(bytes, kTailOffset + 16) * 0xD6E8FEB86659FD93ull;
    const std::uint64_t b = loadWord(bytes, 8) * 0xFF51AFD7ED558CCDull + loadWord(bytes, 40) * 0xC4CEB9FE1A85EC53ull +
                            loadWord(bytes, kTailOffset) * 0x94D049BB133111EBull + last * 0xBF58476D1CE4E5B9ull;
    const std::uint64_t c = loadWord(bytes, 16) * 0x2545F4914F6CDD1Dull + loadWord(bytes, 48) * 0x9FB21C651E98DF25ull +
                            loadWord(bytes, kTailOffset + 8) * 0xA0761D6478BD642Full;
    const std::uint64_t d = loadWord(bytes, 24) * 0xE7037ED1A0B428DBull + loadWord(bytes, 56) * 0x8EBC6AF09C88C6E3ull;
    std::uint64_t hash = a ^ (b << 1 | b >> 63) ^ (c << 2 | c >> 62) ^ (d << 3 | d >> 61);
    hash ^= hash >> 32;
    hash *= 0xD6E8FEB86659FD93ull;
    return hash ^ (hash >> 32);
}

bool sameClass(const BuildVertex& a, const BuildVertex& b) {
    return std::memcmp(a.position, b.position, sizeof a.position) == 0 && sameAttributeBits(a, b);
}

float tangentDot(const float* a, const float* b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

}  // namespace

bool sameAttributeBits(const BuildVertex& a, const BuildVertex& b) {
    return std::memcmp(bytesOf(a) + kAttributeOffset, bytesOf(b) + kAttributeOffset, kHeadBytes - kAttributeOffset) == 0 &&
           std::memcmp(bytesOf(a) + kTailOffset, bytesOf(b) + kTailOffset, kTailBytes) == 0;
}

// Sized for the classes expected, so that neither the table (kept at most half full) nor the
// class list grows on the way.
VertexClasses::VertexClasses(const std::vector<BuildVertex>& vertices, std::size_t expectedClasses) : vertices_(vertices) {
    std::size_t capacity = 16;
    while (capacity < 2 * expectedClasses) capacity *= 2;
    slots_.assign(capacity, kEmptySlot);
    mask_ = capacity - 1;
    classes_.reserve(expectedClasses);
    hashes_.reserve(expectedClasses);
}

std::size_t VertexClasses::findSlot(std::uint64_t hash, const BuildVertex& vertex) const {
    std::size_t slot = hash & mask_;
    for (; slots_[slot] != kEmptySlot; slot = (slot + 1) & mask_) {
        const std::uint64_t value = slots_[slot];
        if (slotValue(hash, 0) == (value & 0xFFFFFFFF00000000ull) &&
            sameClass(vertices_[classes_[std::uint32_t(value)].first], vertex)) {
            break;
        }
    }
    return slot;
}

void VertexClasses::classify(std::vector<std::uint32_t>& classOf, std::uint32_t unused) {
    // The table is far larger than the caches: each record is hashed and its slot fetched this
    // many vertices before it is looked up, so the lookups rarely wait for memory.
    constexpr std::size_t kLookahead = 16;
    struct Pending {
        std::uint32_t vertex;
        std::uint64_t hash;
    } pending[kLookahead];
    std::size_t first = 0, count = 0;
    std::uint32_t next = 0;
    const auto size = static_cast<std::uint32_t>(classOf.size());
    for (;;) {
        for (; count < kLookahead && next < size; ++next) {
            if (classOf[next] == unused) continue;
            const std::uint64_t hash = hashOf(vertices_[next]);
            prefetch(&slots_[hash & mask_]);
            pending[(first + count++) % kLookahead] = {next, hash};
        }
        if (count == 0) return;
        const Pending& due = pending[first];
        classOf[due.vertex] = add(due.vertex, due.hash);
        first = (first + 1) % kLookahead;
        --count;
    }
}

std::uint32_t VertexClasses::add(std::uint32_t vertex, std::uint64_t hash) {
    const BuildVertex& record = vertices_[vertex];
    const std::size_t slot = findSlot(hash, record);
    if (slots_[slot] != kEmptySlot) {
        const auto number = static_cast<std::uint32_t>(slots_[slot]);
        VertexClass& joined = classes_[number];
        ++joined.corners;
        joined.tangentsAgree = joined.tangentsAgree && !(tangentDot(joined.firstTangent, record.tangent) < 0.0f);
        for (int c = 0; c < 3; ++c) joined.tangentSum[c] += record.tangent[c];
        return number;
    }
    const auto number = static_cast<std::uint32_t>(classes_.size());
    const float* tangent = record.tangent;
    classes_.push_back({vertex, 1, true, {tangent[0], tangent[1], tangent[2]}, {tangent[0], tangent[1], tangent[2]}});
    hashes_.push_back(hash);
    slots_[slot] = slotValue(hash, number);
    if (2 * classes_.size() > slots_.size()) grow();
    return number;
}

void VertexClasses::grow() {
    slots_.assign(2 * slots_.size(), kEmptySlot);
    mask_ = slots_.size() - 1;
    for (std::uint32_t number = 0; number < classes_.size(); ++number) {
        const std::uint64_t hash = hashes_[number];
        std::size_t slot = hash & mask_;
        while (slots_[slot] != kEmptySlot) slot = (slot + 1) & mask_;
        slots_[slot] = slotValue(hash, number);
    }
}

namespace {

// The record with every -0 made +0: values that differ only there weld in any case (they compare
// equal), and the first of them is the one welding keeps.
BuildVertex withoutNegativeZeros(const BuildVertex& record) {
    BuildVertex canonical = record;
    for (float* value : {canonical.position, canonical.normal, canonical.color, canonical.tangent, canonical.blendWeights}) {
        for (int k = 0; k < (value == canonical.position || value == canonical.normal ? 3 : 4); ++k) value[k] += 0.0f;
    }
    for (auto& uv : canonical.uv) uv[0] += 0.0f, uv[1] += 0.0f;
    canonical.generic += 0.0f;
    return canonical;
}

bool sameRecord(const BuildVertex& a, const BuildVertex& b) {
    return sameClass(a, b) && std::memcmp(a.tangent, b.tangent, sizeof a.tangent) == 0;
}

// Whether the stored vertex has the canonical record `canonical`: the same bits settle it without a
// copy; only records that differ somewhere are compared with their -0s made +0.
bool sameCanonicalRecord(const BuildVertex& stored, const BuildVertex& canonical) {
    static_assert(sizeof(BuildVertex) == offsetof(BuildVertex, generic) + sizeof(float) && alignof(BuildVertex) == 4,
                  "the record of four-byte fields has no padding, so equal bytes are equal values");
    return std::memcmp(&stored, &canonical, sizeof stored) == 0 || sameRecord(withoutNegativeZeros(stored), canonical);
}

}  // namespace

std::uint32_t IdenticalRecords::find(std::uint32_t vertex) {
    const BuildVertex record = withoutNegativeZeros(vertices_[vertex]);
    const std::uint64_t hash = hashOf(record);
    std::size_t slot = hash & mask_;
    for (; slots_[slot] != kEmptyRecordSlot; slot = (slot + 1) & mask_) {
        if (hashes_[slot] == hash && sameCanonicalRecord(vertices_[slots_[slot]], record)) return slots_[slot];
    }
    slots_[slot] = vertex;
    hashes_[slot] = hash;
    if (2 * ++used_ > slots_.size()) grow();
    return vertex;
}

void IdenticalRecords::grow() {
    std::vector<std::uint32_t> oldSlots(2 * slots_.size(), kEmptyRecordSlot);
    std::vector<std::uint64_t> oldHashes(2 * slots_.size());
    oldSlots.swap(slots_);
    oldHashes.swap(hashes_);
    mask_ = slots_.size() - 1;
    for (std::size_t i = 0; i < oldSlots.size(); ++i) {
        if (oldSlots[i] == kEmptyRecordSlot) continue;
        std::size_t slot = oldHashes[i] & mask_;
        while (slots_[slot] != kEmptyRecordSlot) slot = (slot + 1) & mask_;
        slots_[slot] = oldSlots[i];
        hashes_[slot] = oldHashes[i];
    }
}
