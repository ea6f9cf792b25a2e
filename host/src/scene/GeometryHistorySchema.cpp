// Construction history of meshes: the polygon primitives' and modifiers' attributes as Maya's node reference lists
// them (long and short names, sizes as distances, defaults) and the tweak node's offsets. Sizes and
// offsets are lengths, so a file gives them in its working unit.
#include "SchemaRegistry.h"

#include <string>
#include <vector>

namespace mayahost {

namespace {

using N = MFnNumericData;
using U = MFnUnitAttribute;

// One option of a primitive: a size (a length), a count of subdivisions or sides, a switch or a
// choice.
struct Option {
    enum Kind { Length, Count, Angle, Switch, SolidType };
    const char* longName;
    const char* shortName;
    Kind kind;
    double defaultValue;
};

struct Primitive {
    const char* type;
    std::vector<Option> options;
};

std::unique_ptr<AttributeSpec> attributeFor(const Option& option) {
    switch (option.kind) {
        case Option::Length: return makeUnit(option.longName, option.shortName, U::kDistance, option.defaultValue);
        case Option::Angle: return makeUnit(option.longName, option.shortName, U::kAngle, option.defaultValue);
        case Option::Switch: return makeNumeric(option.longName, option.shortName, N::kBoolean, option.defaultValue);
        case Option::SolidType:
            return makeEnum(option.longName, option.shortName, {"dodecahedron", "icosahedron", "octahedron", "tetrahedron"});
        case Option::Count: break;
    }
    return makeNumeric(option.longName, option.shortName, N::kLong, option.defaultValue);
}

const Primitive kPrimitives[] = {
    {"polyCube", {{"width", "w", Option::Length, 1.0}, {"height", "h", Option::Length, 1.0}, {"depth", "d", Option::Length, 1.0},
                  {"subdivisionsWidth", "sw", Option::Count, 1}, {"subdivisionsHeight", "sh", Option::Count, 1},
                  {"subdivisionsDepth", "sd", Option::Count, 1}}},
    {"polyPlane", {{"width", "w", Option::Length, 1.0}, {"height", "h", Option::Length, 1.0},
                   {"subdivisionsWidth", "sw", Option::Count, 10}, {"subdivisionsHeight", "sh", Option::Count, 10}}},
    {"polySphere", {{"radius", "r", Option::Length, 1.0}, {"subdivisionsAxis", "sa", Option::Count, 20},
                    {"subdivisionsHeight", "sh", Option::Count, 20}}},
    {"polyCylinder", {{"radius", "r", Option::Length, 1.0}, {"height", "h", Option::Length, 2.0},
                      {"subdivisionsAxis", "sa", Option::Count, 20}, {"subdivisionsHeight", "sh", Option::Count, 1},
                      {"subdivisionsCaps", "sc", Option::Count, 0}, {"roundCap", "rcp", Option::Switch, 0}}},
    {"polyCone", {{"radius", "r", Option::Length, 1.0}, {"height", "h", Option::Length, 2.0},
                  {"subdivisionsAxis", "sa", Option::Count, 20}, {"subdivisionsHeight", "sh", Option::Count, 1},
                  {"subdivisionsCap", "sc", Option::Count, 0}}},
    {"polyTorus", {{"radius", "r", Option::Length, 1.0}, {"sectionRadius", "sr", Option::Length, 0.5},
                   {"twist", "tw", Option::Angle, 0.0}, {"subdivisionsAxis", "sa", Option::Count, 20},
                   {"subdivisionsHeight", "sh", Option::Count, 20}}},
    {"polyPyramid", {{"sideLength", "w", Option::Length, 1.4142135623730951}, {"numberOfSides", "ns", Option::Count, 4},
                     {"subdivisionsHeight", "sh", Option::Count, 1}, {"subdivisionsCaps", "sc", Option::Count, 0}}},
    {"polyPrism", {{"length", "l", Option::Length, 2.0}, {"sideLength", "w", Option::Length, 2.0},
                   {"numberOfSides", "ns", Option::Count, 3}, {"subdivisionsHeight", "sh", Option::Count, 1},
                   {"subdivisionsCaps", "sc", Option::Count, 0}}},
    {"polyPipe", {{"radius", "r", Option::Length, 1.0}, {"height", "h", Option::Length, 2.0},
                  {"thickness", "t", Option::Length, 0.5}, {"subdivisionsAxis", "sa", Option::Count, 20},
                  {"subdivisionsHeight", "sh", Option::Count, 1}, {"subdivisionsCaps", "sc", Option::Count, 0}}},
    {"polyPlatonicSolid", {{"radius", "r", Option::Length, 1.0}, {"sideLength", "l", Option::Length, 0.71364},
                           {"solidType", "st", Option::SolidType, 0}}},
};

}  // namespace

void defineGeometryHistoryTypes(SchemaRegistry& registry) {
    NodeType& creator = registry.define("polyCreator", MFn::kDependencyNode, &registry.type("dependNode"));
    creator.add(makeTyped("output", "out", MFnData::kMesh));
    NodeType& primitive = registry.define("polyPrimitive", MFn::kDependencyNode, &creator);
    primitive.add(makeTriple("axis", "ax", N::kDouble, U::kInvalid, 0.0));
    primitive.add(makeNumeric("createUVs", "cuv", N::kLong, 2));
    for (const Primitive& kind : kPrimitives) {
        NodeType& type = registry.define(kind.type, MFn::kDependencyNode, &primitive);
        for (const Option& option : kind.options) type.add(attributeFor(option));
    }

    // Modifiers of polygon meshes: a mesh in, a mesh out.
    NodeType& modifier = registry.define("polyModifier", MFn::kDependencyNode, &creator);
    modifier.add(makeTyped("inputPolymesh", "ip", MFnData::kMesh));
    modifier.add(makeTyped("inputComponents", "ics", MFnData::kComponentList));
    registry.define("polyTriangulate", MFn::kDependencyNode, &modifier);
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
