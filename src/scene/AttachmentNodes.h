#ifndef Q5X_SCENE_ATTACHMENTNODES_H
#define Q5X_SCENE_ATTACHMENTNODES_H

#include "Classification.h"

#include "model/ExportModel.h"

#include <maya/MDagPath.h>

#include <cstdint>

// The walk's state over one split shape's children: whether a child has been handled yet, and
// the shape's attachments record once it has one.
struct SplitShapeChildren {
    bool first = true;
    AttachmentsRecord* record = nullptr;
};

enum class AttachmentRole {
    None,             // an ordinary child
    AttachmentsNode,  // the first attachment: written as the node of all of them
    Joined,           // a later attachment: only part of the attachments shape
};

// Whether an exported child of a split shape is an attachment: a plain single-material mesh node
// with no children of its own, that is the split shape's first child or joins the record the
// first one made (with the same material). The record is created with the next shape identifier.
AttachmentRole recordAttachment(ExportModel& model, SplitShapeChildren& state, const SceneNode& owner, const MDagPath& child,
                                const NodeClassification& classification, std::uint32_t& nextShapeId);

#endif
