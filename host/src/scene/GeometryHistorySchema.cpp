// Construction history of meshes: the polygon primitives' and modifiers' attributes as Maya's node reference lists
// them (long and short names, sizes as distances, defaults) and the tweak node's offsets. Sizes and
// offsets are lengths, so a file gives them in its working unit.
#include "SchemaRegistry.h"

#include <string>

namespace mayahost {

namespace {

using N = MFnNumericData;
using U = MFnUnitAttribute;

NodeType& defineCreator(SchemaRegistry& registry, const char* name, const NodeType& parent) {
    return registry.define(name, MFn::kDependencyNode, &parent);
}

void addLength(NodeType& type, const char* longName, const char* shortName, double defaultValue) {
    type.add(makeUnit(longName, shortName, U::kDistance, defaultValue));
}

void addCount(NodeType& type, const char* longName, const char* shortName, double defaultValue) {
    type.add(makeNumeric(longName, shortName, N::kLong, defaultValue));
}

}  // namespace

void defineGeometryHistoryTypes(SchemaRegistry& registry) {
    NodeType& creator = registry.define("polyCreator", MFn::kDependencyNode, &registry.type("dependNode"));
    creator.add(makeTyped("output", "out", MFnData::kMesh));
    NodeType& primitive = registry.define("polyPrimitive", MFn::kDependencyNode, &creator);
    primitive.add(makeTriple("axis", "ax", N::kDouble, U::kInvalid, 0.0));
    primitive.add(makeNumeric("createUVs", "cuv", N::kLong, 2));

    NodeType& cube = defineCreator(registry, "polyCube", primitive);
    addLength(cube, "width", "w", 1.0);
    addLength(cube, "height", "h", 1.0);
    addLength(cube, "depth", "d", 1.0);
    addCount(cube, "subdivisionsWidth", "sw", 1);
    addCount(cube, "subdivisionsHeight", "sh", 1);
    addCount(cube, "subdivisionsDepth", "sd", 1);

    NodeType& plane = defineCreator(registry, "polyPlane", primitive);
    addLength(plane, "width", "w", 1.0);
    addLength(plane, "height", "h", 1.0);
    addCount(plane, "subdivisionsWidth", "sw", 10);
    addCount(plane, "subdivisionsHeight", "sh", 10);

    NodeType& sphere = defineCreator(registry, "polySphere", primitive);
    addLength(sphere, "radius", "r", 1.0);
    addCount(sphere, "subdivisionsAxis", "sa", 20);
    addCount(sphere, "subdivisionsHeight", "sh", 20);

    NodeType& cylinder = defineCreator(registry, "polyCylinder", primitive);
    addLength(cylinder, "radius", "r", 1.0);
    addLength(cylinder, "height", "h", 2.0);
    addCount(cylinder, "subdivisionsAxis", "sa", 20);
    addCount(cylinder, "subdivisionsHeight", "sh", 1);
    addCount(cylinder, "subdivisionsCaps", "sc", 0);
    cylinder.add(makeNumeric("roundCap", "rcp", N::kBoolean));

    NodeType& cone = defineCreator(registry, "polyCone", primitive);
    addLength(cone, "radius", "r", 1.0);
    addLength(cone, "height", "h", 2.0);
    addCount(cone, "subdivisionsAxis", "sa", 20);
    addCount(cone, "subdivisionsHeight", "sh", 1);
    addCount(cone, "subdivisionsCap", "sc", 0);

    NodeType& torus = defineCreator(registry, "polyTorus", primitive);
    addLength(torus, "radius", "r", 1.0);
    addLength(torus, "sectionRadius", "sr", 0.5);
    torus.add(makeUnit("twist", "tw", U::kAngle, 0.0));
    addCount(torus, "subdivisionsAxis", "sa", 20);
    addCount(torus, "subdivisionsHeight", "sh", 20);

    NodeType& pyramid = defineCreator(registry, "polyPyramid", primitive);
    addLength(pyramid, "sideLength", "w", 1.4142135623730951);
    addCount(pyramid, "numberOfSides", "ns", 4);
    addCount(pyramid, "subdivisionsHeight", "sh", 1);
    addCount(pyramid, "subdivisionsCaps", "sc", 0);

    NodeType& prism = defineCreator(registry, "polyPrism", primitive);
    addLength(prism, "length", "l", 2.0);
    addLength(prism, "sideLength", "w", 2.0);
    addCount(prism, "numberOfSides", "ns", 3);
    addCount(prism, "subdivisionsHeight", "sh", 1);
    addCount(prism, "subdivisionsCaps", "sc", 0);

    NodeType& pipe = defineCreator(registry, "polyPipe", primitive);
    addLength(pipe, "radius", "r", 1.0);
    addLength(pipe, "height", "h", 2.0);
    addLength(pipe, "thickness", "t", 0.5);
    addCount(pipe, "subdivisionsAxis", "sa", 20);
    addCount(pipe, "subdivisionsHeight", "sh", 1);
    addCount(pipe, "subdivisionsCaps", "sc", 0);

    NodeType& platonic = defineCreator(registry, "polyPlatonicSolid", primitive);
    addLength(platonic, "radius", "r", 1.0);
    addLength(platonic, "sideLength", "l", 0.71364);
    platonic.add(makeEnum("solidType", "st", {"dodecahedron", "icosahedron", "octahedron", "tetrahedron"}));

    // Modifiers of polygon meshes: a mesh in, a mesh out.
    NodeType& modifier = registry.define("polyModifier", MFn::kDependencyNode, &creator);
    modifier.add(makeTyped("inputPolymesh", "ip", MFnData::kMesh));
    modifier.add(makeTyped("inputComponents", "ics", MFnData::kComponentList));
    defineCreator(registry, "polyTriangulate", modifier);
    // Geometry passed through with its faces grouped or some deleted, or moved by a matrix.
    for (const char* name : {"groupParts", "deleteComponent", "transformGeometry"}) {
        NodeType& type = registry.define(name, MFn::kDependencyNode, &registry.type("dependNode"));
        type.add(makeTyped("inputGeometry", "ig", MFnData::kAny));
        type.add(makeTyped("outputGeometry", "og", MFnData::kAny));
        if (std::string(name) == "groupParts") {
            type.add(makeTyped("inputComponents", "ic", MFnData::kComponentList));
            type.add(makeNumeric("groupId", "gi", N::kLong));
        } else if (std::string(name) == "transformGeometry") {
            type.add(makeTyped("transform", "txf", MFnData::kMatrix));
        }
    }

    // Offsets of points, per geometry the tweak deforms: "plist[i].controlPoints[j]" (or the older
    // "vlist[i].vertex[j]").
    NodeType& tweak = registry.define("tweak", MFn::kDependencyNode, &registry.type("geometryFilter"));
    auto offsets = [&](const char* listLong, const char* listShort, const char* pointsLong, const char* pointsShort) {
        std::vector<std::unique_ptr<AttributeSpec>> children;
        children.push_back(makeTriple(pointsLong, pointsShort, N::kFloat, U::kDistance, 0.0));
        children.back()->array = true;
        tweak.add(makeCompound(listLong, listShort, std::move(children))).array = true;
    };
    offsets("plist", "pl", "controlPoints", "cp");
    offsets("vlist", "vl", "vertex", "vt");
}

}  // namespace mayahost
