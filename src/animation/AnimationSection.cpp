#include "AnimationSection.h"

#include "saveutil/LittleEndianBytes.h"
#include "saveutil/XmlWriter.h"

#include <maya/MFnAnimCurve.h>
#include <maya/MFnAttribute.h>
#include <maya/MFnCharacter.h>
#include <maya/MFnClip.h>
#include <maya/MFnDagNode.h>
#include <maya/MGlobal.h>
#include <maya/MItDependencyNodes.h>
#include <maya/MPlugArray.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace {

constexpr int kChannels = 10;
const char* const kChannelNames[kChannels] = {"translateX", "translateY", "translateZ", "rotateX", "rotateY",
                                              "rotateZ",    "scaleX",     "scaleY",     "scaleZ",  "visibility"};
constexpr int kTranslate = 0, kRotate = 3, kScale = 6, kVisibility = 9;
constexpr double kRadiansToDegrees = 57.29577951308232;
constexpr std::uint32_t kTranslationFlag = 0x1, kRotationFlag = 0x2, kScaleFlag = 0x4;

// The curves that animate one transform in one clip, by channel (-1 where none does).
struct Track {
    std::array<int, kChannels> curve;
    Track() { curve.fill(-1); }
    bool hasGroup(int first) const { return curve[first] >= 0 && curve[first + 1] >= 0 && curve[first + 2] >= 0; }
};

// The channels' values at one time; keys of different channels at the same time share a record.
struct Keyframe {
    std::array<double, kChannels> value{};
    std::array<bool, kChannels> keyed{};
    std::array<int, kChannels> inTangent{};
    std::array<int, kChannels> outTangent{};
};

using Keyframes = std::map<double, Keyframe>;  // by time in milliseconds

void warn(const std::string& text) {
    MGlobal::displayWarning(text.c_str());
}

int channelNamed(const MString& name) {
    for (int c = 0; c < kChannels; ++c) {
        if (name == kChannelNames[c]) return c;
    }
    return -1;
}

// The tracks of a clip by the animated transform's partial path name.
std::map<std::string, Track> tracksOf(const MFnClip& clip, const MObjectArray& curves, const MPlugArray& members) {
    std::map<std::string, Track> tracks;
    const std::string clipName = clip.name().asChar();
    for (unsigned i = 0; i < curves.length(); ++i) {
        const MPlug& member = members[i];
        const std::string plugName = member.isNull() ? MFnDependencyNode(curves[i]).name().asChar() : member.name().asChar();
        MPlugArray destinations;
        if (member.isNull() || !member.connectedTo(destinations, false, true) || destinations.length() == 0) {
            warn("The animation curve " + plugName + " in clip " + clipName + " does not seem to be connected");
            continue;
        }
        bool found = false;
        for (unsigned d = 0; d < destinations.length(); ++d) {
            MPlugArray sources;
            if (!destinations[d].connectedTo(sources, true, false)) continue;
            for (unsigned s = 0; s < sources.length(); ++s) {
                const MObject node = sources[s].node();
                if (!node.hasFn(MFn::kTransform)) continue;
                found = true;
                const int channel = channelNamed(MFnAttribute(sources[s].attribute()).name());
                if (channel >= 0) tracks[MFnDagNode(node).partialPathName().asChar()].curve[std::size_t(channel)] = int(i);
            }
        }
        if (!found) warn("Failed to find the animated object for the animation curve " + plugName + " in clip " + clipName);
    }
    return tracks;
}

// Every key of the track's curves, then the values of the curves not keyed at each time.
Keyframes keyframesOf(const Track& track, const MObjectArray& curves) {
    Keyframes keyframes;
    for (int c = 0; c < kChannels; ++c) {
        if (track.curve[std::size_t(c)] < 0) continue;
        const MFnAnimCurve curve(curves[unsigned(track.curve[std::size_t(c)])]);
        const unsigned keys = curve.numKeys();
        for (unsigned k = 0; k < keys; ++k) {
            Keyframe& keyframe = keyframes[curve.time(k).as(MTime::kMilliseconds)];
            keyframe.value[std::size_t(c)] = curve.value(k);
            keyframe.keyed[std::size_t(c)] = true;
            keyframe.inTangent[std::size_t(c)] = curve.inTangentType(k);
            keyframe.outTangent[std::size_t(c)] = curve.outTangentType(k);
        }
    }
    for (int c = 0; c < kChannels; ++c) {
        if (track.curve[std::size_t(c)] < 0) continue;
        const MFnAnimCurve curve(curves[unsigned(track.curve[std::size_t(c)])]);
        for (auto& entry : keyframes) {
            if (entry.second.keyed[std::size_t(c)]) continue;
            curve.evaluate(MTime(entry.first, MTime::kMilliseconds), entry.second.value[std::size_t(c)]);
        }
    }
    return keyframes;
}

// Rotation values (radians, in the node's order) as XYZ angles combined with the node's axes.
MEulerRotation rotationOf(const Keyframe& keyframe, const NodeRecord& record) {
    const MEulerRotation rotation(keyframe.value[kRotate], keyframe.value[kRotate + 1], keyframe.value[kRotate + 2],
                                  record.rotationOrder);
    if (!record.hasRotateAxis && !record.hasJointOrientation && record.rotationOrder == MEulerRotation::kXYZ) return rotation;
    return documentRotation(rotation, record);
}

class AnimationWriter {
public:
    AnimationWriter(const ExportContext& context, const NodeTable& nodes, Q5XSaveUtil::XmlWriter& xml,
                    std::vector<std::uint8_t>& block)
        : context_(context), nodes_(nodes), xml_(xml), bytes_(block) {}

    void write() {
        const bool binary = context_.options.binaryFiles;
        std::vector<MObject> characters;
        for (MItDependencyNodes it(MFn::kCharacter); !it.isDone(); it.next()) characters.push_back(it.thisNode());
        if (binary) {
            if (characters.empty()) return;
            bytes_.u32(std::uint32_t(characters.size()));
        } else {
            xml_.raw("  <Animation>\n    <AnimationSets>\n");
        }
        for (const MObject& character : characters) writeCharacter(MFnCharacter(character), binary);
        if (!binary) xml_.raw("    </AnimationSets>\n  </Animation>\n");
    }

private:
    void writeCharacter(const MFnCharacter& character, bool binary) {
        const int clips = character.getSourceClipCount();
        if (binary) {
            paddedName(character.name().asChar());
            bytes_.u32(std::uint32_t(std::max(clips, 0)));
        } else if (clips > 0) {
            xml_.startTag(3, "AnimationSet");
            xml_.attribute("name", character.name().asChar());
            xml_.endStartTag();
        }
        for (int c = 0; c < clips; ++c) writeClip(MFnClip(character.getSourceClip(c)), binary);
        if (!binary && clips > 0) xml_.endTag(3, "AnimationSet");
    }

    void writeClip(const MFnClip& clip, bool binary) {
        MObjectArray curves;
        MPlugArray members;
        clip.getMemberAnimCurves(curves, members);
        const double start = clip.getSourceStart().as(MTime::kMilliseconds);
        const double duration = clip.getSourceDuration().as(MTime::kMilliseconds);
        const std::map<std::string, Track> tracks = curves.length() > 0 ? tracksOf(clip, curves, members) : std::map<std::string, Track>();
        if (binary) {
            paddedName(clip.name().asChar());
            bytes_.f32(float(duration));
            bytes_.u32(std::uint32_t(tracks.size()));
        } else {
            if (curves.length() == 0) return;
            xml_.startTag(4, "Clip");
            xml_.attribute("name", clip.name().asChar());
            xml_.streamAttribute("duration", duration);
            xml_.endStartTag();
        }
        for (const auto& track : tracks) writeTrack(track.first, track.second, curves, start, binary);
        if (!binary) xml_.endTag(4, "Clip");
    }

    void writeTrack(const std::string& transform, const Track& track, const MObjectArray& curves, double start, bool binary) {
        NodeRecord record;
        if (!nodes_.find(transform, record)) {
            // The engine cannot bind such a track in either form.
            warn("q5xExport: Transform node " + transform + " not found in character set");
        }
        const Keyframes keyframes = keyframesOf(track, curves);
        const std::size_t nonFiniteBefore = xml_.replacedNonFiniteNumbers();
        bool nonFinite = false;
        if (binary) {
            bytes_.u32(record.nodeId);
            bytes_.u32(std::uint32_t(keyframes.size()));
            for (const auto& entry : keyframes) nonFinite = writeBinaryKeyframe(entry.first - start, entry.second, track, record) || nonFinite;
        } else {
            xml_.startTag(5, "Keyframes");
            xml_.attribute("nodeId", record.nodeId);
            xml_.endStartTag();
            for (const auto& entry : keyframes) writeKeyframe(entry.first - start, entry.second, track, record);
            xml_.endTag(5, "Keyframes");
            nonFinite = xml_.replacedNonFiniteNumbers() != nonFiniteBefore;
        }
        if (nonFinite) warn("q5xExport: the animation of " + transform + " holds values that are not finite numbers; 0 was written for them");
    }

    void writeTangents(const Keyframe& keyframe, int first, const char* letter) {
        bool linearIn = false, linearOut = false;
        for (int c = first; c < first + 3; ++c) {
            linearIn = linearIn || keyframe.inTangent[std::size_t(c)] == MFnAnimCurve::kTangentLinear;
            linearOut = linearOut || keyframe.outTangent[std::size_t(c)] == MFnAnimCurve::kTangentLinear;
        }
        if (linearIn) xml_.attribute(std::string("ip") + letter + "in", "linear");
        if (linearOut) xml_.attribute(std::string("ip") + letter + "out", "linear");
    }

    void writeTriple(const char* name, double x, double y, double z) {
        xml_.beginValue(name);
        xml_.streamValue(x);
        xml_.streamValue(y);
        xml_.streamValue(z);
        xml_.endValue();
    }

    void writeKeyframe(double time, const Keyframe& keyframe, const Track& track, const NodeRecord& record) {
        xml_.startTag(6, "Keyframe");
        xml_.streamAttribute("time", time);
        const double scale = context_.unitScale;
        if (track.hasGroup(kTranslate)) {
            writeTriple("translation", keyframe.value[0] * scale, keyframe.value[1] * scale, keyframe.value[2] * scale);
            writeTangents(keyframe, kTranslate, "t");
        }
        if (track.hasGroup(kRotate)) {
            const MEulerRotation rotation = rotationOf(keyframe, record);
            writeTriple("rotation", rotation.x * kRadiansToDegrees, rotation.y * kRadiansToDegrees, rotation.z * kRadiansToDegrees);
            writeTangents(keyframe, kRotate, "r");
        }
        if (track.hasGroup(kScale)) {
            writeTriple("scale", keyframe.value[6], keyframe.value[7], keyframe.value[8]);
            writeTangents(keyframe, kScale, "s");
        }
        if (track.curve[kVisibility] >= 0) xml_.attribute("visibility", keyframe.value[kVisibility] == 1.0 ? "true" : "false");
        xml_.endEmptyTag();
    }

    // True when a value was not finite (written as 0).
    bool writeBinaryKeyframe(double time, const Keyframe& keyframe, const Track& track, const NodeRecord& record) {
        std::uint32_t flags = 0;
        if (track.hasGroup(kTranslate)) flags |= kTranslationFlag;
        if (track.hasGroup(kRotate)) flags |= kRotationFlag;
        if (track.hasGroup(kScale)) flags |= kScaleFlag;
        bool finite = std::isfinite(float(time));
        auto value = [&](float number) {
            finite = finite && std::isfinite(number);
            bytes_.f32(number);
        };
        bytes_.f32(float(time));
        bytes_.u32(flags);
        const float scale = float(context_.unitScale);
        if (flags & kTranslationFlag) {
            for (int c = kTranslate; c < kTranslate + 3; ++c) value(float(keyframe.value[std::size_t(c)]) * scale);
        }
        if (flags & kRotationFlag) {
            const MEulerRotation rotation = rotationOf(keyframe, record);
            value(float(rotation.x));
            value(float(rotation.y));
            value(float(rotation.z));
        }
        if (flags & kScaleFlag) {
            for (int c = kScale; c < kScale + 3; ++c) value(float(keyframe.value[std::size_t(c)]));
        }
        return !finite;
    }

    void paddedName(const std::string& name) {
        bytes_.u32(std::uint32_t(name.size()));
        const std::size_t start = bytes_.size();
        bytes_.text(name);
        bytes_.pad(start, 4);
    }

    const ExportContext& context_;
    const NodeTable& nodes_;
    Q5XSaveUtil::XmlWriter& xml_;
    Q5XSaveUtil::LittleEndianBytes bytes_;
};

}  // namespace

bool writeAnimation(const ExportContext& context, const NodeTable& nodes, Q5XSaveUtil::XmlWriter& xml,
                    std::vector<std::uint8_t>& block) {
    MStatus status;
    MItDependencyNodes characters(MFn::kCharacter, &status);
    if (!status) return false;
    AnimationWriter(context, nodes, xml, block).write();
    return true;
}
