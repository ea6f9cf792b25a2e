#include "BoundingVolumes.h"

#include "AttributeReaders.h"
#include "SteeringAttributeNames.h"

#include <maya/MFnDagNode.h>
#include <maya/MGlobal.h>
#include <maya/MItDag.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr double kSingularDeterminant = 1e-36;

// World matrix with its translation in the document's unit.
MFloatMatrix worldMatrix(const MDagPath& path, double unitScale) {
    MMatrix world = path.inclusiveMatrix();
    for (int c = 0; c < 3; ++c) world[3][c] *= unitScale;
    double values[4][4];
    world.get(values);
    return MFloatMatrix(values);
}

// The 3x3 part inverted through its determinant, the translation carried along.
bool affineInverse(const MFloatMatrix& m, MFloatMatrix& inverse) {
    const double det = double(m[0][0]) * (double(m[1][1]) * m[2][2] - double(m[1][2]) * m[2][1]) -
                       double(m[0][1]) * (double(m[1][0]) * m[2][2] - double(m[1][2]) * m[2][0]) +
                       double(m[0][2]) * (double(m[1][0]) * m[2][1] - double(m[1][1]) * m[2][0]);
    if (std::fabs(det) <= kSingularDeterminant) return false;
    inverse = m.inverse();
    return true;
}

// Every transform whose name is the last component of a requested target, found in one walk of
// the DAG, so that many requests in a large level cost one walk and not one each.
std::map<std::string, std::vector<MDagPath>> indexTargets(const ExportModel& model) {
    std::map<std::string, std::vector<MDagPath>> byName;
    for (const auto& request : model.boundingVolumeRequests) {
        const std::string& target = request.first;
        const std::size_t separator = target.rfind('|');
        byName.try_emplace(separator == std::string::npos ? target : target.substr(separator + 1));
    }
    for (MItDag it(MItDag::kDepthFirst, MFn::kTransform); !it.isDone(); it.next()) {
        const auto found = byName.find(MFnDagNode(it.currentItem()).name().asChar());
        if (found == byName.end()) continue;
        MDagPath path;
        it.getPath(path);
        found->second.push_back(path);
    }
    return byName;
}

// A target names a transform by its full DAG path or by its own name.
std::vector<MDagPath> transformsNamed(const std::map<std::string, std::vector<MDagPath>>& index,
                                      const std::string& target) {
    const std::size_t separator = target.rfind('|');
    if (separator == std::string::npos) return index.at(target);
    std::vector<MDagPath> matches;
    for (const MDagPath& path : index.at(target.substr(separator + 1))) {
        if (target == path.fullPathName().asChar()) matches.push_back(path);
    }
    return matches;
}

// The shape a bounding volume belongs to: the merged children of the target, or its first mesh.
bool targetShapeName(const MDagPath& target, std::string& name) {
    const MFnDagNode node(target);
    if (readAttribute<bool>(node, kMergeChildrenAttribute, false)) {
        name = target.partialPathName().asChar();
        return true;
    }
    for (unsigned i = 0; i < node.childCount(); ++i) {
        if (!node.child(i).hasFn(MFn::kMesh)) continue;
        MDagPath mesh = target;
        mesh.push(node.child(i));
        name = mesh.partialPathName().asChar();
        return true;
    }
    return false;
}

void warn(const std::string& text) {
    MGlobal::displayWarning(MString(text.c_str()));
}

// "MERGEGROUP_<number>" names the merged shape of that group, carried by the group's root. Without
// merge groups, or without such a group, the request is dropped without a message.
const std::string kMergeGroupPrefix = "MERGEGROUP_";

bool mergeGroupTarget(const ExportContext& context, const ExportModel& model, const std::string& name, std::string& shape,
                      MDagPath& target) {
    if (!context.options.mergeGroups) return false;
    std::uint64_t number = 0;
    std::size_t digits = kMergeGroupPrefix.size();
    for (; digits < name.size() && name[digits] >= '0' && name[digits] <= '9' && number <= 0xFFFFFFFFu; ++digits) {
        number = number * 10 + std::uint64_t(name[digits] - '0');
    }
    const auto group = model.mergeGroups.find(std::uint32_t(number));
    if (digits == kMergeGroupPrefix.size() || number > 0xFFFFFFFFu || group == model.mergeGroups.end()) return false;
    shape = "*merged*MergedMesh" + std::to_string(group->first);
    target = group->second.root;
    return true;
}

// A transform of the DAG by full path or own name, and the shape of it a bounding volume stands for.
bool namedTarget(const std::map<std::string, std::vector<MDagPath>>& index, const std::string& name, std::string& shape,
                 MDagPath& target) {
    const std::vector<MDagPath> matches = transformsNamed(index, name);
    if (matches.empty()) {
        warn("q5xExport: Node \"" + name + "\" used as bounding volume target doesn't exist.");
        return false;
    }
    if (matches.size() > 1) {
        warn("q5xExport: Node \"" + name +
             "\" used as bounding volume target matches more than one node. Please use the objects full path name.");
        return false;
    }
    target = matches.front();
    return targetShapeName(target, shape);
}

}  // namespace

void resolveBoundingVolumes(const ExportContext& context, ExportModel& model) {
    if (model.boundingVolumeRequests.empty()) return;
    const auto index = indexTargets(model);
    for (const auto& entry : model.boundingVolumeRequests) {
        const std::string& name = entry.first;
        std::string shape;
        MDagPath target;
        if (name.compare(0, kMergeGroupPrefix.size(), kMergeGroupPrefix) == 0) {
            if (!mergeGroupTarget(context, model, name, shape, target)) continue;
        } else if (!namedTarget(index, name, shape, target)) {
            continue;
        }
        MDagPath requester;
        if (!MDagPath::getAPathTo(entry.second.transform, requester)) continue;
        MFloatMatrix targetInverse;
        if (!affineInverse(worldMatrix(target, context.unitScale), targetInverse)) continue;
        // Row vectors: a point of the requesting mesh goes to the world, then into the target.
        model.boundingVolumes[shape] = {entry.second.mesh, worldMatrix(requester, context.unitScale) * targetInverse};
    }
}
