#ifndef MAYAHOST_NODE_H
#define MAYAHOST_NODE_H

#include "AttributeSpec.h"
#include "NameMap.h"
#include "NumberList.h"
#include "NodeType.h"
#include "ObjectData.h"

#include <maya/MTransformationMatrix.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace mayahost {

struct MeshData;
struct AnimKey;
struct NodeCaches;

// The value of one plug as a file set it: numbers (scalars, tuples, matrices, arrays), texts
// (strings, string arrays) or a typed payload of numbers with words among them (polyFaces,
// nurbsCurve, componentList), and the file's -type name, if any. Most plugs of a big level hold
// a number or three, so everything else lives apart and is made on first use.
class PlugData {
public:
    NumberList numbers;

    PlugData() = default;
    PlugData(const PlugData& other) : numbers(other.numbers) {
        if (other.rest_) rest_ = std::make_unique<Rest>(*other.rest_);
    }
    PlugData(PlugData&&) noexcept = default;
    PlugData& operator=(PlugData other) noexcept {
        numbers = std::move(other.numbers);
        rest_ = std::move(other.rest_);
        return *this;
    }
    ~PlugData() = default;

    const std::string& dataType() const { return rest_ ? rest_->dataType : kNoRest.dataType; }
    void setDataType(const std::string& type) {
        if (!type.empty() || rest_) rest().dataType = type;
    }
    const std::vector<std::string>& texts() const { return rest_ ? rest_->texts : kNoRest.texts; }
    std::vector<std::string>& editTexts() { return rest().texts; }
    // (position among the numbers, index into texts) of each word of a payload.
    const std::vector<std::pair<std::uint32_t, std::uint32_t>>& words() const { return rest_ ? rest_->words : kNoRest.words; }
    std::vector<std::pair<std::uint32_t, std::uint32_t>>& editWords() { return rest().words; }

    std::size_t count() const {
        return numbers.size() + (rest_ ? rest_->integers.size() + rest_->floats.size() : 0);
    }
    double number(std::size_t i) const {
        if (!rest_) return numbers[i];
        return !rest_->integers.empty() ? double(rest_->integers[i]) : !rest_->floats.empty() ? double(rest_->floats[i]) : numbers[i];
    }
    // Large arrays move to a smaller representation once read: all-integer values (edges, face
    // lists) to integers, values of single-precision attributes (vertices, UVs) to floats.
    void compact(bool singlePrecision);

private:
    struct Rest {
        std::string dataType;
        std::vector<std::int32_t> integers;
        std::vector<float> floats;
        std::vector<std::string> texts;
        std::vector<std::pair<std::uint32_t, std::uint32_t>> words;
    };
    static const Rest kNoRest;

    Rest& rest() {
        if (!rest_) rest_ = std::make_unique<Rest>();
        return *rest_;
    }

    std::unique_ptr<Rest> rest_;
};

// Elements [first, first + count) of a multi attribute set in one statement; numeric elements
// share `data.numbers`, `count` tuples one after another.
struct ElementRange {
    std::uint32_t first;
    std::uint32_t count;
    PlugData data;
};

class Node : public ObjectData {
public:
    Node(const NodeType& type, std::string typeName, std::string name);

    MFn::Type apiType() const override { return type_->apiType(); }
    bool hasFn(MFn::Type fnType) const override { return type_->hasFn(fnType); }
    const char* apiTypeStr() const override;
    Node* asNode() override { return this; }

    const NodeType& type() const { return *type_; }
    const std::string& typeName() const { return typeName_; }
    bool isDag() const { return type_->isDag(); }

    // Dynamic attributes first, then the type's, then attributes the file set that the schema lacks.
    AttributeSpec* findAttribute(std::string_view name) const;
    // The same with the name's keyHash already worked out.
    AttributeSpec* findAttribute(std::string_view name, std::uint32_t hash) const;
    AttributeSpec& addDynamicAttribute(std::unique_ptr<AttributeSpec> attribute);
    AttributeSpec& addDynamicChild(AttributeSpec& parent, std::unique_ptr<AttributeSpec> attribute);
    // Attributes a file uses that the schema does not describe; indexed ones become multis.
    AttributeSpec& implicitAttribute(const std::string& name);
    AttributeSpec& implicitChild(AttributeSpec& parent, const std::string& name);
    // Every attribute, children included: static, then implicit, then dynamic. Kept until an
    // attribute is added, so that a loop over a node's attributes by index stays linear.
    const std::vector<AttributeSpec*>& attributes() const;

    std::string name;
    bool nameShared = false;  // another node has the same name (kept up to date by the scene)
    bool isDefault = false;
    bool locked = false;
    std::vector<Node*> parents;
    std::vector<Node*> children;
    NameMap<PlugData> values;
    NameMap<std::vector<ElementRange>> elements;
    // Destination plug key to its incoming connection (an index into the scene's connections).
    NameMap<std::size_t> incoming;
    // The connections this node is the source of (scene indices); those into it are `incoming`.
    std::vector<std::size_t> outgoing;
    std::unique_ptr<MTransformationMatrix> restPosition;
    // DAG paths to this node counted up to two, valid while the scene's DAG generation is this one.
    std::uint64_t pathsCountedAt = 0;
    std::uint8_t pathsCounted = 0;
    bool inUnderworld = false;
    std::uint64_t underworldKnownAt = 0;
    // Values derived from the values and connections; made on first use, since most nodes of a
    // big level never need them.
    NodeCaches& caches() const;

private:
    // Attributes of this node alone (added by addAttr, or used by a file without a schema), and
    // the list of all attributes once asked for; made on first use.
    struct OwnAttributes {
        std::vector<std::unique_ptr<AttributeSpec>> dynamic;
        std::vector<std::unique_ptr<AttributeSpec>> implicit;
        NameMap<AttributeSpec*> byName;
        std::vector<AttributeSpec*> all;
        bool allKnown = false;
    };

    void index(AttributeSpec& attribute);
    OwnAttributes& own() const;

    const NodeType* type_;
    std::string typeName_;
    mutable std::unique_ptr<OwnAttributes> own_;
    mutable std::unique_ptr<NodeCaches> caches_;
};

// Indices derived from the values and connections (the existing elements of a multi, the
// connected influences of a deformer), by what they index; valid while the scene's value
// generation is `stamp`, so that a loop over a multi's elements reads them once.
struct IndexCache {
    std::uint64_t stamp = 0;
    std::vector<std::int64_t> indices;
};

// A computed output, valid while the scene's value generation is `stamp`.
struct ComputedNumber {
    std::uint64_t stamp = 0;
    double value = 0.0;
    bool valid = false;
};

struct NodeCaches {
    NameMap<IndexCache> indices;
    // Computed outputs by plug key.
    NameMap<ComputedNumber> computedNumbers;
    // A mesh's evaluated geometry, valid while the scene's value generation is `meshStamp`.
    std::shared_ptr<const MeshData> mesh;
    std::uint64_t meshStamp = 0;
    // An animation curve's keys in time order, valid while the scene's value generation is `keysStamp`.
    std::shared_ptr<const std::vector<AnimKey>> keys;
    std::uint64_t keysStamp = 0;
};

}  // namespace mayahost

#endif
