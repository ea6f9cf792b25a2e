#ifndef MAYA_MITMESHPOLYGON_H
#define MAYA_MITMESHPOLYGON_H

#include <maya/MDagPath.h>
#include <maya/MIntArray.h>
#include <maya/MObject.h>
#include <maya/MPointArray.h>
#include <maya/MString.h>
#include <maya/MTypes.h>

namespace mayahost {
struct MeshData;
}

// Walks the polygons of a mesh. Vertex indices passed in and out of the per-vertex queries are
// positions in the current polygon's vertex list ("face-relative"), as in the devkit.
class MItMeshPolygon {
public:
    MItMeshPolygon(const MObject& polyObject, MStatus* ReturnStatus = NULL);
    MItMeshPolygon(const MDagPath& polyObject, const MObject& component = MObject::kNullObj, MStatus* ReturnStatus = NULL);

    bool isDone(MStatus* ReturnStatus = NULL) const;
    MStatus next();
    MStatus reset();
    unsigned int index(MStatus* ReturnStatus = NULL) const;
    unsigned int polygonVertexCount(MStatus* ReturnStatus = NULL) const;
    MStatus getVertices(MIntArray& vertices) const;
    MStatus numTriangles(int& triangleCount) const;
    // The triangle's points and mesh vertex indices.
    MStatus getTriangle(int localTriangleIndex, MPointArray& points, MIntArray& vertexList,
                        MSpace::Space space = MSpace::kObject) const;
    int normalIndex(int localVertexIndex, MStatus* ReturnStatus = NULL) const;
    MStatus getUV(int vertex, float2& uvPoint, const MString* uvSet = NULL) const;
    MStatus getColorIndex(int vertexIndex, int& colorIndex, const MString* colorSetName = NULL) const;

private:
    const mayahost::MeshData* mesh_ = nullptr;
    unsigned int polygon_ = 0;
};

#endif
