#ifndef Q5X_SCENE_NODEELEMENTS_H
#define Q5X_SCENE_NODEELEMENTS_H

#include "model/ExportModel.h"
#include "model/ExportOptions.h"

#include "saveutil/XmlWriter.h"

// What an element writer sees: the run, the finished model and the node it writes.
struct NodeWriteContext {
    const ExportContext& context;
    const ExportModel& model;
    const SceneNode& node;
};

// One element of the Scene section: its tag and the writer of its start tag's attributes. The
// frame (indentation, children, end tag) is shared; see SceneSection.
struct NodeElement {
    const char* tag;
    void (*writeAttributes)(const NodeWriteContext& node, Q5XSaveUtil::XmlWriter& out);
    bool closingAttributes;  // objectMask, clipDistance, nodeId and the visibility conditions
};

// The elements, each a tag and its attribute writer; the kind handlers (NodeKinds) choose them.
const NodeElement& transformGroupElement();
const NodeElement& meshShapeElement();
const NodeElement& curveShapeElement();
const NodeElement& lightElement();
const NodeElement& cameraElement();
// Merge groups: the Shape on the group's root, the Shape or TransformGroup on its first node
// (whose attributes keep the order they were begun with); merged children.
const NodeElement& mergeRootElement();
const NodeElement& mergeFirstNodeShapeElement();
const NodeElement& mergeFirstNodeGroupElement();
const NodeElement& mergedChildrenElement();
const NodeElement& dynamicElement();
const NodeElement& attachmentsNodeElement();
// Transforms with a q5X_referenceFilename, whatever their kind.
const NodeElement& referenceNodeElement();

// The writers, one per element (one file each).
void writeTransformGroupAttributes(const NodeWriteContext& node, Q5XSaveUtil::XmlWriter& out);
void writeMeshShapeAttributes(const NodeWriteContext& node, Q5XSaveUtil::XmlWriter& out);
void writeCurveShapeAttributes(const NodeWriteContext& node, Q5XSaveUtil::XmlWriter& out);
void writeLightAttributes(const NodeWriteContext& node, Q5XSaveUtil::XmlWriter& out);
void writeCameraAttributes(const NodeWriteContext& node, Q5XSaveUtil::XmlWriter& out);
void writeMergeRootAttributes(const NodeWriteContext& node, Q5XSaveUtil::XmlWriter& out);
void writeMergeFirstNodeShapeAttributes(const NodeWriteContext& node, Q5XSaveUtil::XmlWriter& out);
void writeMergeFirstNodeGroupAttributes(const NodeWriteContext& node, Q5XSaveUtil::XmlWriter& out);
void writeMergedChildrenAttributes(const NodeWriteContext& node, Q5XSaveUtil::XmlWriter& out);
void writeAttachmentsNodeAttributes(const NodeWriteContext& node, Q5XSaveUtil::XmlWriter& out);
void writeDynamicAttributes(const NodeWriteContext& node, Q5XSaveUtil::XmlWriter& out);
void writeReferenceNodeAttributes(const NodeWriteContext& node, Q5XSaveUtil::XmlWriter& out);

#endif
