#ifndef MAYAHOST_SCHEMAREGISTRY_H
#define MAYAHOST_SCHEMAREGISTRY_H

#include "NodeType.h"

#include <string>

namespace mayahost {

// What a file of node types by domain declares its types through.
class SchemaRegistry {
public:
    virtual ~SchemaRegistry() = default;
    virtual NodeType& define(const std::string& name, MFn::Type apiType, const NodeType* parent) = 0;
    // A type declared before (the base types: "dependNode", "dagNode", "shape", ...).
    virtual const NodeType& type(const std::string& name) const = 0;
    virtual bool has(const std::string& name) const = 0;
};

// Mesh history: the polygon primitives (polyCube, polyPlane, polySphere, polyCylinder, polyCone,
// polyTorus, polyPyramid, polyPrism, polyPipe, polyPlatonicSolid) and the tweak node.
void defineGeometryHistoryTypes(SchemaRegistry& registry);
// Animation: the eight animation curve types with their keys and tangents, clips and clip
// libraries, unit conversions.
void defineAnimationTypes(SchemaRegistry& registry);
// Dynamics: particle shapes, point emitters, the gravity and air fields, and the geometry
// connector that links an emitter to the surface it emits from.
void defineDynamicsTypes(SchemaRegistry& registry);
// Shading: shading groups, the lambert family, file, bump, layered and environment textures.
void defineShadingTypes(SchemaRegistry& registry);
// Node types that ship with Maya and that nothing here reads: known, so that a scene using them
// is not reported as holding plug-in nodes.
void defineMayaBuiltinTypes(SchemaRegistry& registry);

}  // namespace mayahost

#endif
