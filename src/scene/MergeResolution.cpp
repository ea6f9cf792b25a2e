#include "MergeResolution.h"

#include "NodeElements.h"

#include <maya/MGlobal.h>

#include <algorithm>
#include <map>
#include <vector>

namespace {

using Role = SceneNode::MergeRole;

void warn(const std::string& text) {
    MGlobal::displayWarning(MString(text.c_str()));
}

// Materials are numbered in order of first appearance over the members in member order.
void numberMaterials(MergeRecord& record) {
    std::map<std::uint32_t, std::uint32_t> numbers;
    record.materialRemaps.clear();
    record.materialIds.clear();
    std::size_t fewest = record.memberMaterialIds.empty() ? 0 : record.memberMaterialIds.front().size();
    for (const std::vector<std::uint32_t>& member : record.memberMaterialIds) {
        std::vector<std::uint32_t> remap;
        for (const std::uint32_t id : member) {
            const auto found = numbers.try_emplace(id, std::uint32_t(record.materialIds.size()));
            if (found.second) record.materialIds.push_back(id);
            remap.push_back(found.first->second);
        }
        record.materialRemaps.push_back(std::move(remap));
        fewest = std::min(fewest, member.size());
    }
    if (record.materialIds.size() >= fewest + 2) {
        warn(std::string("q5xExport: Merge ") + (record.mergedChildren ? " Children" : "Groups") +
             " should use as little different materials as possible. Consider splitting " + record.root.partialPathName().asChar() +
             ".\n");
    }
}

const NodeElement* elementFor(Role role, bool rootMarked) {
    switch (role) {
        case Role::FirstNode: return rootMarked ? &mergeFirstNodeGroupElement() : &mergeFirstNodeShapeElement();
        case Role::Root: return &mergeRootElement();
        case Role::FirstNodeRoot: return &mergeFirstNodeShapeElement();
        case Role::Member: break;
    }
    return &transformGroupElement();
}

}  // namespace

void resolveMergeGroups(ExportModel& model, const std::function<void(SceneNode&)>& recordAsShape) {
    std::map<const MergeRecord*, std::vector<SceneNode*>> nodesOf;
    for (SceneNode& node : model.nodes) {
        if (node.merge && !node.merge->mergedChildren) nodesOf[node.merge].push_back(&node);
    }
    for (auto it = model.mergeGroups.begin(); it != model.mergeGroups.end();) {
        MergeRecord& record = it->second;
        const std::vector<SceneNode*>& nodes = nodesOf[&record];
        const std::string group = std::to_string(record.groupNumber);
        const bool tooMany = record.memberMeshes.size() > kMaxMergeGroupMembers;
        if (tooMany) {
            warn("q5xExport: Merge group " + group + " has " + std::to_string(record.memberMeshes.size()) + " members, more than the " +
                 std::to_string(kMaxMergeGroupMembers) + " one merged shape can bind; its meshes are exported as shapes of their own");
        } else if (record.memberMeshes.empty()) {
            warn("q5xExport: Merge group " + group + " has no mesh; its root " + record.root.partialPathName().asChar() +
                 " is written as a TransformGroup");
        }
        if (tooMany || record.memberMeshes.empty()) {
            for (SceneNode* node : nodes) {
                node->merge = nullptr;
                node->element = &transformGroupElement();
                if (!node->decidingChild.isNull()) recordAsShape(*node);
            }
            it = model.mergeGroups.erase(it);
            continue;
        }
        const bool rootMarked = record.rootWritten;
        if (!rootMarked) record.root = record.memberTransforms.front();
        record.rootWritten = true;
        numberMaterials(record);
        for (SceneNode* node : nodes) node->element = elementFor(node->mergeRole, rootMarked);
        ++it;
    }
    for (MergeRecord& record : model.mergedChildren) numberMaterials(record);
}
