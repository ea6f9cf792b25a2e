// Animation curves, character sets and clips as Maya saves them: a character set lists its member
// attributes in "dnSetMembers"; its clip library lists the source clips in "sourceClip" and, per
// source clip i, the curves in "clipEvalList[i].clipEval[j]", j a position in the character's
// member order (through the character's index mapping where it has one).
#include "ApiAccess.h"

#include "animation/AnimCurves.h"
#include "geometry/NodeValues.h"

#include <maya/MFnAnimCurve.h>
#include <maya/MFnCharacter.h>
#include <maya/MFnClip.h>

#include <algorithm>
#include <map>

using namespace mayahost;

namespace {

void setStatus(MStatus* status, bool ok) {
    if (status) *status = ok ? MStatus::kSuccess : MStatus::kFailure;
}

// Whether `key` on `node` is exactly the attribute path `names` (long names), with its indices.
bool keyNames(Node& node, const std::string& key, std::initializer_list<const char*> names, std::vector<std::int64_t>& indices) {
    std::vector<PlugStep> steps;
    if (!parsePlugSteps(node, key, steps) || steps.size() != names.size()) return false;
    indices.clear();
    auto name = names.begin();
    for (const PlugStep& step : steps) {
        if (step.attribute->longName != *name++) return false;
        indices.push_back(step.index);
    }
    return true;
}

// The clip library of a character: the library whose character data it maps.
Node* libraryOfCharacter(Node& character) {
    std::vector<std::int64_t> indices;
    for (const Connection* connection : Scene::current().outgoingOf(character)) {
        if (keyNames(*connection->destination, connection->destinationKey, {"characterData", "characterMapping"}, indices)) {
            return connection->destination;
        }
    }
    return nullptr;
}

Node* characterOfLibrary(Node& library) {
    std::vector<std::int64_t> indices;
    for (const Connection* connection : Scene::current().incomingOf(library)) {
        if (connection->source->hasFn(MFn::kCharacter) &&
            keyNames(library, connection->destinationKey, {"characterData", "characterMapping"}, indices)) {
            return connection->source;
        }
    }
    return nullptr;
}

// The source clips a library lists, by their index there.
std::map<std::int64_t, Node*> sourceClipsOf(Node& library) {
    std::map<std::int64_t, Node*> clips;
    std::vector<std::int64_t> indices;
    for (const Connection* connection : Scene::current().incomingOf(library)) {
        if (keyNames(library, connection->destinationKey, {"sourceClip"}, indices) && connection->source->hasFn(MFn::kClip)) {
            clips.emplace(indices[0], connection->source);
        }
    }
    return clips;
}

// An instance clip plays the source clip connected into its "clip".
Node* sourceClipOf(Node& clip) {
    if (numberValue(clip, "clipInstance", 1) == 0) return &clip;
    if (const Connection* connection = Scene::current().incoming(clip, "clip")) {
        if (connection->source->hasFn(MFn::kClip)) return connection->source;
    }
    return &clip;
}

// The member attributes of a character by their index in "dnSetMembers".
std::map<std::int64_t, MPlug> membersOf(Node& character) {
    std::map<std::int64_t, MPlug> members;
    std::vector<std::int64_t> indices;
    for (const Connection* connection : Scene::current().incomingOf(character)) {
        if (!keyNames(character, connection->destinationKey, {"dnSetMembers"}, indices)) continue;
        std::vector<PlugStep> steps;
        if (parsePlugSteps(*connection->source, connection->sourceKey, steps)) {
            members.emplace(indices[0], makePlug(connection->source, steps));
        }
    }
    return members;
}

// The character's member index for a clip's evaluation position (the identity without a mapping).
std::int64_t memberIndex(const Node& character, std::int64_t position) {
    const auto mapping = character.values.find("cim");
    if (mapping == character.values.end() || position < 0 || std::size_t(position) >= mapping->second.count()) return position;
    return std::int64_t(mapping->second.number(std::size_t(position)));
}

MFnAnimCurve::TangentType apiTangentType(int code) {
    switch (code) {
    case kFixed: return MFnAnimCurve::kTangentFixed;
    case kLinear: return MFnAnimCurve::kTangentLinear;
    case kFlat: return MFnAnimCurve::kTangentFlat;
    case kStep: return MFnAnimCurve::kTangentStep;
    case kSlow: return MFnAnimCurve::kTangentSlow;
    case kFast: return MFnAnimCurve::kTangentFast;
    case kSpline: return MFnAnimCurve::kTangentSmooth;
    case kClamped: return MFnAnimCurve::kTangentClamped;
    case kPlateau: return MFnAnimCurve::kTangentPlateau;
    case kStepNext: return MFnAnimCurve::kTangentStepNext;
    case kAuto: return MFnAnimCurve::kTangentAuto;
    default: return MFnAnimCurve::kTangentGlobal;
    }
}

}  // namespace

MFnAnimCurve::MFnAnimCurve() = default;
MFnAnimCurve::MFnAnimCurve(const MObject& object, MStatus* ReturnStatus) { bind(*this, object, ReturnStatus); }
MFn::Type MFnAnimCurve::type() const { return MFn::kAnimCurve; }

namespace {

// The key at `index` of the curve, when there is one (valid while the scene's values stay).
const AnimKey* keyAt(const MObject& object, unsigned index, MStatus* status) {
    Node* node = asNode(object);
    const std::vector<AnimKey>* keys = node ? &currentAnimCurveKeys(*node) : nullptr;
    const bool found = keys && index < keys->size();
    setStatus(status, found);
    return found ? &(*keys)[index] : nullptr;
}

}  // namespace

unsigned int MFnAnimCurve::numKeys(MStatus* ReturnStatus) const {
    Node* node = asNode(object_);
    setStatus(ReturnStatus, node != nullptr);
    return node ? unsigned(currentAnimCurveKeys(*node).size()) : 0u;
}

MTime MFnAnimCurve::time(unsigned int index, MStatus* ReturnStatus) const {
    const AnimKey* key = keyAt(object_, index, ReturnStatus);
    return MTime(key ? key->time : 0.0, MTime::uiUnit());
}

double MFnAnimCurve::value(unsigned int index, MStatus* ReturnStatus) const {
    const AnimKey* key = keyAt(object_, index, ReturnStatus);
    return key ? key->value : 0.0;
}

MFnAnimCurve::TangentType MFnAnimCurve::inTangentType(unsigned int index, MStatus* ReturnStatus) const {
    const AnimKey* key = keyAt(object_, index, ReturnStatus);
    return key ? apiTangentType(key->in) : kTangentGlobal;
}

MFnAnimCurve::TangentType MFnAnimCurve::outTangentType(unsigned int index, MStatus* ReturnStatus) const {
    const AnimKey* key = keyAt(object_, index, ReturnStatus);
    return key ? apiTangentType(key->out) : kTangentGlobal;
}

bool MFnAnimCurve::isWeighted(MStatus* ReturnStatus) const {
    Node* node = asNode(object_);
    setStatus(ReturnStatus, node != nullptr);
    return node && numberValue(*node, "weightedTangents", 1) != 0;
}

MStatus MFnAnimCurve::getTangent(unsigned int index, float& x, float& y, bool isInTangent) const {
    MStatus status;
    const AnimKey* key = keyAt(object_, index, &status);
    if (!key) return status;
    const Tangent& tangent = isInTangent ? key->inTangent : key->outTangent;
    x = float(MTime(tangent.dt, MTime::uiUnit()).as(MTime::kSeconds));
    y = float(tangent.dv);
    return MStatus::kSuccess;
}

MStatus MFnAnimCurve::evaluate(const MTime& atTime, double& result) const {
    Node* node = asNode(object_);
    if (!node) return MStatus::kFailure;
    return evaluateAnimCurve(*node, currentAnimCurveKeys(*node), atTime.as(MTime::uiUnit()), result) ? MStatus::kSuccess
                                                                                               : MStatus::kFailure;
}

MFnCharacter::MFnCharacter() = default;
MFnCharacter::MFnCharacter(const MObject& object, MStatus* ReturnStatus) { bind(*this, object, ReturnStatus); }
MFn::Type MFnCharacter::type() const { return MFn::kCharacter; }

MStatus MFnCharacter::getMemberPlugs(MPlugArray& result) const {
    result.clear();
    Node* node = asNode(object_);
    if (!node) return MStatus::kFailure;
    for (const auto& member : membersOf(*node)) result.append(member.second);
    return MStatus::kSuccess;
}

int MFnCharacter::getSourceClipCount(MStatus* ReturnStatus) const {
    Node* node = asNode(object_);
    Node* library = node ? libraryOfCharacter(*node) : nullptr;
    setStatus(ReturnStatus, node != nullptr);
    return library ? int(sourceClipsOf(*library).size()) : 0;
}

MObject MFnCharacter::getSourceClip(int index, MStatus* ReturnStatus) const {
    Node* node = asNode(object_);
    Node* library = node ? libraryOfCharacter(*node) : nullptr;
    const std::map<std::int64_t, Node*> clips = library ? sourceClipsOf(*library) : std::map<std::int64_t, Node*>();
    const bool found = index >= 0 && std::size_t(index) < clips.size();
    setStatus(ReturnStatus, found);
    return found ? objectOf(std::next(clips.begin(), index)->second) : MObject();
}

MFnClip::MFnClip() = default;
MFnClip::MFnClip(const MObject& object, MStatus* ReturnStatus) { bind(*this, object, ReturnStatus); }
MFn::Type MFnClip::type() const { return MFn::kClip; }

bool MFnClip::isInstancedClip(MStatus* ReturnStatus) const {
    Node* node = asNode(object_);
    setStatus(ReturnStatus, node != nullptr);
    return node && numberValue(*node, "clipInstance", 1) != 0;
}

MTime MFnClip::getSourceStart(MStatus* ReturnStatus) const {
    Node* node = asNode(object_);
    setStatus(ReturnStatus, node != nullptr);
    return MTime(node ? numberValue(*sourceClipOf(*node), "sourceStart", 0.0) : 0.0, MTime::uiUnit());
}

MTime MFnClip::getSourceDuration(MStatus* ReturnStatus) const {
    Node* node = asNode(object_);
    setStatus(ReturnStatus, node != nullptr);
    if (!node) return MTime(0.0, MTime::uiUnit());
    Node& source = *sourceClipOf(*node);
    return MTime(numberValue(source, "sourceEnd", 1.0) - numberValue(source, "sourceStart", 0.0), MTime::uiUnit());
}

MStatus MFnClip::getMemberAnimCurves(MObjectArray& curves, MPlugArray& associatedAttrs) const {
    curves.clear();
    associatedAttrs.clear();
    Node* node = asNode(object_);
    if (!node) return MStatus::kFailure;
    Node& source = *sourceClipOf(*node);
    // The library that lists the source clip, and the clip's position there.
    Node* library = nullptr;
    std::int64_t position = -1;
    std::vector<std::int64_t> indices;
    for (const Connection* connection : Scene::current().outgoingOf(source)) {
        if (keyNames(*connection->destination, connection->destinationKey, {"sourceClip"}, indices)) {
            library = connection->destination;
            position = indices[0];
            break;
        }
    }
    if (!library) return MStatus::kSuccess;
    Node* character = characterOfLibrary(*library);
    const std::map<std::int64_t, MPlug> members = character ? membersOf(*character) : std::map<std::int64_t, MPlug>();
    std::map<std::int64_t, Node*> curvesByPosition;
    for (const Connection* connection : Scene::current().incomingOf(*library)) {
        if (keyNames(*library, connection->destinationKey, {"clipEvalList", "clipEval", "clipEval_Raw"}, indices) &&
            indices[0] == position && connection->source->hasFn(MFn::kAnimCurve)) {
            curvesByPosition.emplace(indices[1], connection->source);
        }
    }
    for (const auto& entry : curvesByPosition) {
        curves.append(objectOf(entry.second));
        const auto member = character ? members.find(memberIndex(*character, entry.first)) : members.end();
        associatedAttrs.append(member == members.end() ? MPlug() : member->second);
    }
    return MStatus::kSuccess;
}
