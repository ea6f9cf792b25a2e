// Animation curves and unit conversions as Maya's node reference lists them. A curve's key values
// are of its output's kind (a length for animCurveTL, an angle for animCurveTA), so a file gives
// them in its working units like any other value.
#include "SchemaRegistry.h"

namespace mayahost {

namespace {

using N = MFnNumericData;
using U = MFnUnitAttribute;

std::unique_ptr<AttributeSpec> measure(const char* longName, const char* shortName, U::Type unit) {
    return unit == U::kInvalid ? makeNumeric(longName, shortName, N::kDouble) : makeUnit(longName, shortName, unit);
}

std::unique_ptr<AttributeSpec> arrayOf(std::unique_ptr<AttributeSpec> attribute) {
    attribute->array = true;
    return attribute;
}

}  // namespace

void defineAnimationTypes(SchemaRegistry& registry) {
    NodeType& curve = registry.define("animCurve", MFn::kAnimCurve, &registry.type("dependNode"));
    // The tangent type of keys that name none of their own; keys' in and out tangents.
    curve.add(makeNumeric("tangentType", "tan", N::kShort, 18));
    curve.add(makeNumeric("weightedTangents", "wgt", N::kBoolean, 1));
    curve.add(makeEnum("preInfinity", "pre", {"constant", "linear", "", "cycle", "cycleRelative", "oscillate"}));
    curve.add(makeEnum("postInfinity", "pst", {"constant", "linear", "", "cycle", "cycleRelative", "oscillate"}));
    curve.add(arrayOf(makeNumeric("keyTanInType", "kit", N::kShort)));
    curve.add(arrayOf(makeNumeric("keyTanOutType", "kot", N::kShort)));
    curve.add(arrayOf(makeNumeric("keyTanInX", "kix", N::kDouble)));
    curve.add(arrayOf(makeNumeric("keyTanInY", "kiy", N::kDouble)));
    curve.add(arrayOf(makeNumeric("keyTanOutX", "kox", N::kDouble)));
    curve.add(arrayOf(makeNumeric("keyTanOutY", "koy", N::kDouble)));
    curve.add(arrayOf(makeNumeric("keyTanLocked", "ktl", N::kBoolean)));
    curve.add(arrayOf(makeNumeric("keyWeightLocked", "kwl", N::kBoolean)));
    curve.add(arrayOf(makeNumeric("keyBreakdown", "kbd", N::kBoolean)));
    struct Kind {
        const char* name;
        U::Type input, output;
    };
    const Kind kinds[] = {{"animCurveTL", U::kTime, U::kDistance}, {"animCurveTA", U::kTime, U::kAngle},
                          {"animCurveTT", U::kTime, U::kTime},     {"animCurveTU", U::kTime, U::kInvalid},
                          {"animCurveUL", U::kInvalid, U::kDistance}, {"animCurveUA", U::kInvalid, U::kAngle},
                          {"animCurveUT", U::kInvalid, U::kTime},  {"animCurveUU", U::kInvalid, U::kInvalid}};
    for (const Kind& kind : kinds) {
        NodeType& type = registry.define(kind.name, MFn::kAnimCurve, &curve);
        type.add(measure("input", "i", kind.input));
        type.add(measure("output", "o", kind.output));
        std::vector<std::unique_ptr<AttributeSpec>> key;
        key.push_back(measure("keyTime", "kt", kind.input));
        key.push_back(measure("keyValue", "kv", kind.output));
        type.add(arrayOf(makeCompound("keyTimeValue", "ktv", std::move(key))));
    }

    // Clips: a source clip holds the span of time its curves were keyed over; an instance of it
    // ("clipInstance" on) is placed in a character's schedule. A character's clip library lists the
    // source clips and, per source clip, its curves in the character's member order.
    NodeType& clip = registry.define("animClip", MFn::kClip, &registry.type("dependNode"));
    clip.add(makeUnit("sourceStart", "ss", U::kTime, 0.0));
    clip.add(makeUnit("sourceEnd", "se", U::kTime, 1.0));
    clip.add(makeUnit("start", "sf", U::kTime, 0.0));
    clip.add(makeNumeric("clipInstance", "ci", N::kBoolean, 1));
    clip.add(makeSimple("clip", "cl", AttrKind::Message));
    NodeType& library = registry.define("clipLibrary", MFn::kDependencyNode, &registry.type("dependNode"));
    library.add(arrayOf(makeSimple("sourceClip", "sc", AttrKind::Message)));
    std::vector<std::unique_ptr<AttributeSpec>> evaluation;
    evaluation.push_back(makeSimple("clipEval_Raw", "cevr", AttrKind::Message));
    std::vector<std::unique_ptr<AttributeSpec>> evaluationList;
    evaluationList.push_back(arrayOf(makeCompound("clipEval", "cev", std::move(evaluation))));
    library.add(arrayOf(makeCompound("clipEvalList", "cel", std::move(evaluationList))));
    std::vector<std::unique_ptr<AttributeSpec>> characterData;
    characterData.push_back(makeTyped("characterMapping", "cm", MFnData::kAny));
    characterData.push_back(makeTyped("characterIndexMapping", "cim", MFnData::kIntArray));
    library.add(arrayOf(makeCompound("characterData", "cd", std::move(characterData))));

    NodeType& conversion = registry.define("unitConversion", MFn::kDependencyNode, &registry.type("dependNode"));
    conversion.add(makeNumeric("input", "i", N::kDouble));
    conversion.add(makeNumeric("output", "o", N::kDouble));
    conversion.add(makeNumeric("conversionFactor", "cf", N::kDouble, 1.0));
}

}  // namespace mayahost
