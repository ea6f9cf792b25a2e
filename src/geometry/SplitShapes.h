#ifndef Q5X_GEOMETRY_SPLITSHAPES_H
#define Q5X_GEOMETRY_SPLITSHAPES_H

#include "CompanionRecords.h"
#include "IndexedTriangleSet.h"

#include "model/ExportModel.h"
#include "model/ExportOptions.h"
#include "saveutil/XmlWriter.h"

#include "Brep.h"

#include <map>
#include <memory>
#include <string>

// The boundary representation of each split shape written, by its mesh's name: attachments are
// placed on its faces.
struct SplitShapeMap {
    std::map<std::string, std::unique_ptr<Brep>> byMesh;
};

// A splittable shape: its render set with the boundary representation and physics hulls the
// options' split-shape builder makes from it and its modelled physics meshes (the meshes of its
// "collisions" group, in the split shape's space), as a kind-4 record or, in XML, the render set
// alone. A shape that cannot be split is written as an ordinary shape without split data, with a
// warning naming it. False when the record cannot be written.
bool writeSplitShape(const ShapeExportOptions& options, const ExportModel& model, const ShapeRecord& record, IndexedTriangleSet& set,
                     const std::string& xmlName, Q5XSaveUtil::XmlWriter& xml, CompanionRecordList& records);

#endif
