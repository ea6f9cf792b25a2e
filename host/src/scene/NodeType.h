#ifndef MAYAHOST_NODETYPE_H
#define MAYAHOST_NODETYPE_H

#include "AttributeSpec.h"
#include "NameMap.h"

#include <maya/MFn.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace mayahost {

// The enumerator name of a node's function set type ("kPhongExplorer").
const char* apiTypeName(MFn::Type type);

// A node type: its function set type, its parent type and the static attributes it adds.
class NodeType {
public:
    NodeType(std::string name, MFn::Type apiType, const NodeType* parent);

    const std::string& name() const { return name_; }
    MFn::Type apiType() const { return apiType_; }
    const NodeType* parent() const { return parent_; }
    bool hasFn(MFn::Type type) const;
    bool isDag() const { return hasFn(MFn::kDagNode); }
    // An attribute of this type or of its parent types, by long or short name; children of
    // compounds are found directly too.
    AttributeSpec* findAttribute(std::string_view name) const;
    // The same, with the name's hash (keyHash) already worked out. Inline: every plug look-up
    // that the node's own attributes do not answer ends here.
    AttributeSpec* findAttribute(std::string_view name, std::uint32_t hash) const {
        if (inherited_.empty()) indexInherited();
        if (!(hashBits_[(hash >> 6) % kHashWords] >> (hash & 63) & 1)) return nullptr;
        const auto found = inherited_.find(name, hash);
        return found == inherited_.end() ? nullptr : found->second;
    }
    // Top-level attributes, parent types first.
    void collectAttributes(std::vector<AttributeSpec*>& out) const;

    // Schema building.
    AttributeSpec& add(std::unique_ptr<AttributeSpec> attribute);

private:
    void index(AttributeSpec& attribute);
    void indexInherited() const;

    std::string name_;
    MFn::Type apiType_;
    const NodeType* parent_;
    std::vector<std::unique_ptr<AttributeSpec>> attributes_;
    NameMap<AttributeSpec*> byName_;
    // This type's and its parents' attributes in one index, built on the first look-up, and one
    // bit per name's hash in a few cache lines: most names asked for that a type lacks (an
    // exporter's steering attributes) are turned away by it without a probe of the index.
    mutable NameMap<AttributeSpec*> inherited_;
    static constexpr unsigned kHashWords = 64;
    mutable std::uint64_t hashBits_[kHashWords] = {};
};

// The node types the host knows; null for any other.
const NodeType* findNodeType(const std::string& name);
// The type given to nodes of unknown types: a plain dependency node, or a DAG node when the
// node has a parent in the file.
const NodeType& unknownNodeType(bool dag);

// Attribute factories shared by the schema and by addAttr.
std::unique_ptr<AttributeSpec> makeNumeric(const std::string& longName, const std::string& shortName,
                                           MFnNumericData::Type type, double defaultValue = 0.0);
std::unique_ptr<AttributeSpec> makeUnit(const std::string& longName, const std::string& shortName,
                                        MFnUnitAttribute::Type type, double defaultValue = 0.0);
std::unique_ptr<AttributeSpec> makeEnum(const std::string& longName, const std::string& shortName,
                                        std::vector<std::string> fields, int defaultValue = 0);
std::unique_ptr<AttributeSpec> makeTyped(const std::string& longName, const std::string& shortName,
                                         MFnData::Type type);
std::unique_ptr<AttributeSpec> makeSimple(const std::string& longName, const std::string& shortName, AttrKind kind);
std::unique_ptr<AttributeSpec> makeCompound(const std::string& longName, const std::string& shortName,
                                            std::vector<std::unique_ptr<AttributeSpec>> children);
// A compound of numbers named longName + each suffix (X/Y/Z, R/G/B/A, U/V, XY/XZ/YZ).
std::unique_ptr<AttributeSpec> makeTriple(const std::string& longName, const std::string& shortName,
                                          MFnNumericData::Type elementType, MFnUnitAttribute::Type unit,
                                          double defaultValue, std::vector<std::string> longSuffixes = {"X", "Y", "Z"},
                                          std::vector<std::string> shortSuffixes = {"x", "y", "z"});

}  // namespace mayahost

#endif
