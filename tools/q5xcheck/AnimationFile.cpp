#include "AnimationFile.h"

#include "ByteReader.h"
#include "TriangleSetRecord.h"

#include <cmath>

namespace {

constexpr std::uint32_t kTranslation = 0x1, kRotation = 0x2, kScale = 0x4;

bool readKeyframes(ByteReader& in, std::uint32_t count, bool& finite) {
    for (std::uint32_t k = 0; k < count; ++k) {
        float time = 0;
        std::uint32_t flags = 0;
        if (!in.f32(time) || !in.u32(flags)) return false;
        finite = finite && std::isfinite(time);
        const unsigned groups = ((flags & kTranslation) != 0) + ((flags & kRotation) != 0) + ((flags & kScale) != 0);
        for (unsigned v = 0; v < 3 * groups; ++v) {
            float value = 0;
            if (!in.f32(value)) return false;
            finite = finite && std::isfinite(value);
        }
    }
    return true;
}

}  // namespace

void checkAnimationFile(const std::vector<std::uint8_t>& bytes, const std::string& file,
                        const std::set<std::uint32_t>& nodeIds, Report& report) {
    ByteReader in(bytes.data(), bytes.size(), 0);
    report.count("bytes_anim_file", bytes.size());
    std::uint32_t format = 0, characters = 0;
    if (!in.u32(format) || !in.u32(characters)) {
        report.error(file, "byte 0", "the file holds no animation block");
        return;
    }
    if (format != 10) report.error(file, "byte 0", "format word " + std::to_string(format) + ", not 10");
    bool finite = true;
    for (std::uint32_t c = 0; c < characters; ++c) {
        std::string name;
        std::uint32_t clips = 0;
        const std::string character = "character " + std::to_string(c) + " at byte " + std::to_string(in.offset());
        if (!readPaddedName(in, name) || !in.u32(clips)) {
            report.error(file, character, "the file ends inside the character");
            return;
        }
        for (std::uint32_t clip = 0; clip < clips; ++clip) {
            std::string clipName;
            float duration = 0;
            std::uint32_t tracks = 0;
            const std::string place = "clip " + std::to_string(clip) + " of " + name + " at byte " + std::to_string(in.offset());
            if (!readPaddedName(in, clipName) || !in.f32(duration) || !in.u32(tracks)) {
                report.error(file, place, "the file ends inside the clip");
                return;
            }
            report.count("clips");
            for (std::uint32_t t = 0; t < tracks; ++t) {
                std::uint32_t nodeId = 0, keyframes = 0;
                if (!in.u32(nodeId) || !in.u32(keyframes) || !in.canHold(keyframes, 8) || !readKeyframes(in, keyframes, finite)) {
                    report.error(file, place, "the file ends inside track " + std::to_string(t));
                    return;
                }
                report.count("keyframes", keyframes);
                if (nodeId == 0) {
                    report.warning(file, place, "track " + std::to_string(t) + " has node id 0 (a transform the node table lacked)");
                } else if (!nodeIds.count(nodeId)) {
                    report.error(file, place, "track " + std::to_string(t) + " names node " + std::to_string(nodeId) + ", which the Scene lacks");
                }
            }
        }
    }
    if (!finite) report.error(file, "keyframes", "a keyframe holds a number that is not finite");
    if (!in.atEnd()) report.error(file, "byte " + std::to_string(in.offset()), "bytes follow the animation block");
}
