#include "SceneModel.h"

#include "AttributeReaders.h"
#include "SteeringAttributeNames.h"
#include "BoundingVolumes.h"
#include "AttachmentNodes.h"
#include "Classification.h"
#include "MergeResolution.h"
#include "NodeKinds.h"
#include "ScenePaths.h"
#include "ShapeRecords.h"
#include "TransformValues.h"

#include "lookup/FilePaths.h"
#include "lookup/MeshShading.h"
#include "saveutil/TextUtils.h"

#include <maya/MFnDagNode.h>
#include <maya/MGlobal.h>
#include <maya/MItDag.h>
#include <maya/MSelectionList.h>

#include <algorithm>
#include <set>

namespace {

void warn(const std::string& text) {
    MGlobal::displayWarning(MString(text.c_str()));
}

// One transform whose children are being visited: the DAG path stands at it while it is on top.
struct OpenTransform {
    OpenTransform(std::uint32_t node, unsigned depth, bool compound, std::vector<std::uint32_t> transformChildren)
        : nodeIndex(node), childDepth(depth), inCompound(compound), children(std::move(transformChildren)) {}

    std::uint32_t nodeIndex;
    unsigned childDepth;
    bool inCompound;
    std::vector<std::uint32_t> children;
    std::size_t next = 0;
    bool splitShape = false;  // its children may be attachments
    SplitShapeChildren splitChildren;
};

class SceneModelBuilder {
public:
    SceneModelBuilder(const ExportContext& context, ExportModel& model) : context_(context), model_(model) {}

    void collectSelection();
    void walk(MDagPath& world);
    void warnAboutUnexportedInfluences() const;

    const ExportContext& context() const { return context_; }
    ExportModel& model() { return model_; }
    const MSelectionList& selection() const { return selection_; }
    const ShapeRecord* recordShape(const MDagPath& transform, const NodeClassification& classification,
                                   const MObject& child, bool inCompound);
    std::uint32_t takeShapeId() { return nextShapeId_++; }

private:
    bool visit(const MDagPath& transform, OpenTransform& parent, OpenTransform& opened);
    void warnAboutOverriddenChildren(const MDagPath& transform, const NodeClassification& classification) const;

    const ExportContext& context_;
    ExportModel& model_;
    MSelectionList selection_;
    std::uint32_t nextShapeId_ = 1;
};

// The node being recorded, as its kind's handler sees it.
class BuilderRecording : public NodeRecording {
public:
    BuilderRecording(SceneModelBuilder& builder, const MDagPath& transform, NodeClassification& classification,
                     bool inCompound)
        : builder_(builder), transform_(transform), classification_(classification), inCompound_(inCompound) {}

    const ExportContext& context() const override { return builder_.context(); }
    ExportModel& model() override { return builder_.model(); }
    const MDagPath& transform() const override { return transform_; }
    const NodeClassification& classification() const override { return classification_; }
    const MSelectionList& selection() const override { return builder_.selection(); }
    const ShapeRecord* recordShape(const MObject& child) override {
        return builder_.recordShape(transform_, classification_, child, inCompound_);
    }
    std::uint32_t takeShapeId() override { return builder_.takeShapeId(); }
    void passOverChild(std::uint32_t childIndex) override {
        auto& children = classification_.transformChildren;
        children.erase(std::remove(children.begin(), children.end(), childIndex), children.end());
    }

private:
    SceneModelBuilder& builder_;
    const MDagPath& transform_;
    NodeClassification& classification_;
    bool inCompound_;
};

// A selected node brings its ancestors, not its descendants.
void SceneModelBuilder::collectSelection() {
    MSelectionList active;
    MGlobal::getActiveSelectionList(active);
    for (unsigned i = 0; i < active.length(); ++i) {
        MObject node;
        active.getDependNode(i, node);
        if (!node.hasFn(MFn::kDagNode)) continue;
        MDagPath path;
        if (!active.getDagPath(i, path)) continue;
        for (; path.length() > 0; path.pop()) selection_.add(path, MObject::kNullObj, true);
    }
}

// Depth first without recursion: scenes can nest far deeper than a call stack.
void SceneModelBuilder::walk(MDagPath& path) {
    std::vector<OpenTransform> open;
    OpenTransform world{kNoParent, 0, false, {}};
    for (unsigned i = 0; i < path.childCount(); ++i) {
        if (path.child(i).hasFn(MFn::kTransform)) world.children.push_back(i);
    }
    open.push_back(std::move(world));
    while (!open.empty()) {
        OpenTransform& top = open.back();
        if (top.next == top.children.size()) {
            open.pop_back();
            if (!open.empty()) path.pop();
            continue;
        }
        path.push(path.child(top.children[top.next++]));
        OpenTransform opened{0, 0, false, {}};
        if (visit(path, top, opened)) {
            open.push_back(std::move(opened));
        } else {
            path.pop();
        }
    }
}

bool SceneModelBuilder::visit(const MDagPath& transform, OpenTransform& parent, OpenTransform& opened) {
    const ExportOptions& options = context_.options;
    NodeClassification classification = classifyTransform(options, selection_, transform);
    const MFnDagNode node(transform);
    // An "_ignore" subtree is left out whole, bounding-volume hulls inside it included.
    if (Q5XSaveUtil::hasIgnoreSuffix(node.name().asChar())) return false;
    if (!classification.boundingVolumeTarget.empty()) {
        model_.boundingVolumeRequests.emplace(classification.boundingVolumeTarget,
                                              BoundingVolumeRequest{transform.node(), classification.boundingVolumeMesh});
    }
    if (!classification.exportNode) return false;
    // Below a split shape, single-material meshes may be its attachments: the first stands for
    // all of them, later ones are only part of the attachments shape.
    const AttachmentRole attachment =
        parent.splitShape ? recordAttachment(model_, parent.splitChildren, model_.nodes[parent.nodeIndex], transform, classification, nextShapeId_)
                          : AttachmentRole::None;
    if (attachment == AttachmentRole::Joined) return false;

    SceneNode scene;
    scene.transform = transform.node();
    scene.pathName = transform.partialPathName().asChar();
    scene.parent = parent.nodeIndex;
    scene.depth = parent.childDepth;
    scene.kind = classification.kind;
    scene.mergeGroupId = classification.mergeGroupId;
    scene.cpuMesh = classification.cpuMesh;
    scene.occluder = classification.occluder;
    scene.inCompound = parent.inCompound;

    // A reference file makes a ReferenceNode of any node, written without its children.
    const std::string referenceFile = readText(node, kReferenceFilenameAttribute);
    scene.isReference = !referenceFile.empty();
    bool walkChildren = false;
    if (scene.isReference) {
        // Registered under its resolved name, so that two spellings of one file share an id.
        scene.referenceId = model_.files.insert(resolveFilePath(referenceFile, options.gameRelativePaths, context_.gamePath,
                                                                context_.sceneDirectory));
        scene.element = &referenceNodeElement();
    } else if (attachment == AttachmentRole::AttachmentsNode) {
        scene.attachments = parent.splitChildren.record;
        scene.element = &attachmentsNodeElement();
    } else {
        const NodeKindHandler& handler = handlerFor(classification.kind);
        if (readAttribute<bool>(node, kCompoundAttribute, false)) {
            scene.inCompound = readAttribute<bool>(node, kDynamicAttribute, false) ||
                               readAttribute<bool>(node, kKinematicAttribute, false) ||
                               readAttribute<bool>(node, kTriggerAttribute, false);
        }
        // Written open when it has transform children, even those its handler passes over.
        scene.hasTransformChildren = !classification.transformChildren.empty();
        BuilderRecording recording(*this, transform, classification, scene.inCompound);
        if (!handler.record(recording, scene)) return false;
        warnAboutOverriddenChildren(transform, classification);
        // A handler may choose another element for a node it cannot write as its kind.
        if (!scene.element) scene.element = handler.element;
        walkChildren = handler.children == ChildWalk::TransformChildren && !classification.transformChildren.empty();
    }

    NodeRecord record;
    scene.transformValues = readTransformValues(context_, transform, scene.pathName, record);
    scene.nodeId = static_cast<std::uint32_t>(model_.nodes.size() + 1);
    record.nodeId = scene.nodeId;
    opened = OpenTransform(scene.nodeId - 1, scene.depth + 1, scene.inCompound, std::move(classification.transformChildren));
    opened.splitShape = scene.kind == NodeKind::SplitShape && !scene.isReference;
    const bool descend = walkChildren;
    model_.nodes.push_back(std::move(scene));
    model_.nodeTable.add(model_.nodes.back().pathName, record);
    return descend;
}

void SceneModelBuilder::warnAboutOverriddenChildren(const MDagPath& transform,
                                                    const NodeClassification& classification) const {
    if (classification.overriddenChildren.empty()) return;
    std::string leftOut;
    for (std::uint32_t index : classification.overriddenChildren) {
        if (!leftOut.empty()) leftOut += ", ";
        leftOut += MFnDagNode(transform.child(index)).name().asChar();
    }
    warn(std::string("q5xExport: ") + transform.partialPathName().asChar() +
         " has more than one exportable child; it is written for " +
         MFnDagNode(transform.child(classification.childIndex)).name().asChar() + " and leaves out " + leftOut);
}

const ShapeRecord* SceneModelBuilder::recordShape(const MDagPath& transform, const NodeClassification& classification,
                                                  const MObject& child, bool inCompound) {
    const bool isMesh = classification.kind == NodeKind::Shape || classification.kind == NodeKind::SplitShape;
    if (!isMesh && classification.kind != NodeKind::NurbsCurve) return nullptr;
    const bool split = classification.kind == NodeKind::SplitShape;
    // The shape object's name (its first path), so that every instance of a shape shares one record.
    const std::string key = std::string(MFnDagNode(child).partialPathName().asChar()) + (split ? "*SplitShape*" : "");
    const auto inserted = model_.shapes.try_emplace(key);
    ShapeRecord& record = inserted.first->second;
    if (inserted.second) {
        record.shapeId = nextShapeId_++;
        record.kind = isMesh ? ShapeKind::Mesh : ShapeKind::NurbsCurve;
        record.shape = child;
    }
    if (!isMesh) return &record;

    const MFnDagNode node(transform);
    if (inserted.second) {
        record.split = split;
        record.cpuMesh = classification.cpuMesh;
        record.occluder = classification.occluder;
        const std::string range = readText(node, kVertexCompressionRangeAttribute);
        if (!range.empty()) Q5XSaveUtil::parseFloat(range.c_str(), record.vertexCompressionRange);
        if (split) collectCollisionMeshes(context_.options, selection_, transform, record);
        record.shading = lookUpShading(child);
        record.materialIds = collectMaterialIds(record.shading, model_.materials);
        if (context_.options.skinWeights) record.skinned = findSkinBinding(child, record.skin);
    }
    const RigidBodyFlags rigidBody = readRigidBodyFlags(node);
    if (rigidBody.any() && !split) {
        const bool moves = rigidBody.compoundChild ? inCompound
                                                   : rigidBody.dynamic || rigidBody.kinematic || readAttribute<bool>(node, kTriggerAttribute, false);
        record.usedDynamically = record.usedDynamically || moves;
        record.collides = record.collides || readAttribute<bool>(node, kCollisionAttribute, true);
    }
    return &record;
}

// Blend indices are positions in the bind list, so an influence that is not in the document
// still holds its place (as node 0); say which, once per skin cluster.
void SceneModelBuilder::warnAboutUnexportedInfluences() const {
    std::set<std::string> warned;
    for (const auto& entry : model_.shapes) {
        const ShapeRecord& record = entry.second;
        if (!record.skinned) continue;
        const std::string cluster = MFnDependencyNode(record.skin.skinCluster).name().asChar();
        if (warned.count(cluster)) continue;
        std::string missing;
        for (std::size_t i = 0; i < record.skin.influences.size(); ++i) {
            const std::string& influence = record.skin.influences[i];
            if (!influence.empty() && model_.nodeTable.nodeIdOf(influence) != 0) continue;
            if (!missing.empty()) missing += ", ";
            missing += influence.empty() ? "matrix[" + std::to_string(record.skin.elements[i]) + "] (no single node)" : influence;
        }
        if (missing.empty()) continue;
        warned.insert(cluster);
        warn("q5xExport: Skin cluster " + cluster + " binds influences that are not exported: " + missing +
             "; their blend indices refer to node 0");
    }
}

// After the walk, before any section is written: what needs the whole model.
void finishSceneModel(const ExportContext& context, ExportModel& model, SceneModelBuilder& builder) {
    resolveMergeGroups(model, [&](SceneNode& node) {
        MDagPath path;
        MDagPath::getAPathTo(node.transform, path);
        NodeClassification ordinary;
        ordinary.cpuMesh = node.cpuMesh;
        ordinary.occluder = node.occluder;
        ordinary.kind = node.kind = NodeKind::Shape;
        node.shape = builder.recordShape(path, ordinary, node.decidingChild, node.inCompound);
        node.element = &meshShapeElement();
    });
    if (context.options.skinWeights) builder.warnAboutUnexportedInfluences();
    resolveBoundingVolumes(context, model);
}

}  // namespace

SceneModelResult buildSceneModel(const ExportContext& context, ExportModel& model) {
    MStatus status;
    MItDag dag(MItDag::kDepthFirst, MFn::kInvalid, &status);
    if (!status) return SceneModelResult::NoDag;
    MDagPath world;
    dag.getPath(world);
    SceneModelBuilder builder(context, model);
    if (context.options.selectionOnly) builder.collectSelection();
    // Counted first, so that a scene whose instancing explodes fails at once, before its paths
    // fill the memory.
    if (countTransformPaths(kMaxScenePaths) > kMaxScenePaths) {
        const std::string scene = context.sceneFile.empty() ? "the untitled scene" : context.sceneFile;
        MGlobal::displayError(MString("q5xExport: ") + scene.c_str() + " has more than " +
                              std::to_string(kMaxScenePaths).c_str() +
                              " transform paths (instancing multiplies them); nothing is exported");
        return SceneModelResult::TooManyPaths;
    }
    builder.walk(world);
    finishSceneModel(context, model, builder);
    return SceneModelResult::Built;
}
