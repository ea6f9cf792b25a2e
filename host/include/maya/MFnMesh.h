#ifndef MAYA_MFNMESH_H
#define MAYA_MFNMESH_H

#include <maya/MFnDagNode.h>
#include <maya/MIntArray.h>
#include <maya/MObjectArray.h>

// Polygon meshes.
class MFnMesh : public MFnDagNode {
public:
    MFnMesh();
    MFnMesh(const MObject& object, MStatus* ReturnStatus = NULL);
    MFnMesh(const MDagPath& path, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;

    int numPolygons(MStatus* ReturnStatus = NULL) const;
    // The shading groups of one instance and, per polygon, the index of its group (-1 for none).
    MStatus getConnectedShaders(unsigned int instanceNumber, MObjectArray& shaders, MIntArray& indices) const;
};

#endif
