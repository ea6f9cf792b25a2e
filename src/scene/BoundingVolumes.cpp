#include "BoundingVolumes.h"

#include "AttributeReaders.h"

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
    if (readAttribute<bool>(node, "q5X_mergeChildren", false)) {
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

}  // namespace

void resolveBoundingVolumes(const ExportContext& context, ExportModel& model) {
    if (model.boundingVolumeRequests.empty()) return;
    const auto index = indexTargets(model);
    for (const auto& entry : model.boundingVolumeRequests) {
        const std::string& name = entry.first;
        // Merge groups are addressed as "MERGEGROUP_<number>"; they are resolved with the merge groups.
        if (name.compare(0, 11, "MERGEGROUP_") == 0) continue;
        const std::vector<MDagPath> matches = transformsNamed(index, name);
        if (matches.empty()) {
            warn("q5xExport: Node \"" + name + "\" used as bounding volume target doesn't exist.");
            continue;
        }
        if (matches.size() > 1) {
            warn("q5xExport: Node \"" + name +
                 "\" used as bounding volume target matches more than one node. Please use the objects full path name.");
            continue;
        }
        std::string shape;
        if (!targetShapeName(matches.front(), shape)) continue;
        MDagPath requester;
        if (!MDagPath::getAPathTo(entry.second.transform, requester)) continue;
        MFloatMatrix targetInverse;
        if (!affineInverse(worldMatrix(matches.front(), context.unitScale), targetInverse)) continue;
        // Row vectors: a point of the requesting mesh goes to the world, then into the target.
        model.boundingVolumes[shape] = {entry.second.mesh, worldMatrix(requester, context.unitScale) * targetInverse};
    }
}
