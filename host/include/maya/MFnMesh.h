#ifndef MAYA_MFNMESH_H
#define MAYA_MFNMESH_H

#include <maya/MColorArray.h>
#include <maya/MFloatVectorArray.h>
#include <maya/MFnDagNode.h>
#include <maya/MIntArray.h>
#include <maya/MObjectArray.h>
#include <maya/MPointArray.h>
#include <maya/MStringArray.h>
#include <maya/MTypes.h>

// Polygon meshes: the geometry a mesh node holds or its construction history produces.
class MFnMesh : public MFnDagNode {
public:
    MFnMesh();
    MFnMesh(const MObject& object, MStatus* ReturnStatus = NULL);
    MFnMesh(const MDagPath& path, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;

    int numVertices(MStatus* ReturnStatus = NULL) const;
    int numPolygons(MStatus* ReturnStatus = NULL) const;
    int numFaceVertices(MStatus* ReturnStatus = NULL) const;
    MStatus getPoints(MPointArray& vertexArray, MSpace::Space space = MSpace::kObject) const;
    // One normal per polygon vertex (MItMeshPolygon::normalIndex gives the entry).
    MStatus getNormals(MFloatVectorArray& normals, MSpace::Space space = MSpace::kObject) const;
    int numUVSets(MStatus* ReturnStatus = NULL) const;
    MStatus getUVSetNames(MStringArray& setNames) const;
    int numColors(MStatus* ReturnStatus = NULL) const;
    // The colours of the current colour set (or the named one); MItMeshPolygon::getColorIndex indexes them.
    MStatus getColors(MColorArray& colors, const MString* colorSet = NULL, const MColor* defaultColor = NULL) const;
    // The shading groups of one instance and, per polygon, the index of its group (-1 for none).
    MStatus getConnectedShaders(unsigned int instanceNumber, MObjectArray& shaders, MIntArray& indices) const;
};

#endif
