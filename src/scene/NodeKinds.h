#ifndef Q5X_SCENE_NODEKINDS_H
#define Q5X_SCENE_NODEKINDS_H

#include "Classification.h"
#include "NodeElements.h"

#include "model/ExportModel.h"
#include "model/ExportOptions.h"

#include <maya/MDagPath.h>

#include <string>

// What a kind's handler sees of the node being recorded and of the model being built.
class NodeRecording {
public:
    virtual ~NodeRecording() = default;
    virtual const ExportContext& context() const = 0;
    virtual ExportModel& model() = 0;
    virtual const MDagPath& transform() const = 0;
    virtual const NodeClassification& classification() const = 0;
    // The selected paths and their ancestors, when only the selection is exported.
    virtual const MSelectionList& selection() const = 0;
    // The shape record of a shape child (instances of one shape share it), made on first use.
    virtual const ShapeRecord* recordShape(const MObject& child) = 0;
    // The next shape identifier, for shapes that are not in the shape table (merged shapes).
    virtual std::uint32_t takeShapeId() = 0;
    // Leaves a transform child out of the walk (it belongs to the node's own data).
    virtual void passOverChild(std::uint32_t childIndex) = 0;
};

// Which children of a kept node the walk visits.
enum class ChildWalk { TransformChildren, None };

// How the scene pass treats one node kind. All decisions are made while the model is built:
// `record` keeps the node (filling in what it adds to the model's tables) or drops it with its
// subtree (false); `children` says which children are walked; `element` is what the Scene section
// writes for it. A new kind is a new handler file and a row of the table.
struct NodeKindHandler {
    NodeKind kind;
    bool (*record)(NodeRecording& recording, SceneNode& node);
    ChildWalk children;
    const NodeElement* element;
};

const NodeKindHandler& handlerFor(NodeKind kind);

// Lights keep their deciding child and register their projected texture and IES profile files.
bool recordLight(NodeRecording& recording, SceneNode& node);
// Merge-group members and roots join their group's record; which of them carries the merged Shape
// is settled once the whole group is known (resolveMergeGroups).
bool recordMergeGroupNode(NodeRecording& recording, SceneNode& node);
// A split shape is written for its mesh like any shape; its "collisions" group holds its physics
// meshes and is no node of its own.
bool recordSplitShape(NodeRecording& recording, SceneNode& node);
// An emitter with its particles, emitting surface and shader takes the next dynamic identifier.
bool recordEmitter(NodeRecording& recording, SceneNode& node);
// A q5X_mergeChildren transform stands for its children, baked into one shape.
bool recordMergedChildrenNode(NodeRecording& recording, SceneNode& node);

#endif
