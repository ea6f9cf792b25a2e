// Clips of a character set exported as XML and as the ".anim" companion, with every value worked
// out by hand from the scene's keys (a metre scene at 30 frames a second).
#include "support/ExportRun.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace {

std::uint32_t wordAt(const std::string& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | std::uint8_t(bytes[offset + std::size_t(i)]);
    return value;
}

float floatAt(const std::string& bytes, std::size_t offset) {
    const std::uint32_t bits = wordAt(bytes, offset);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

}  // namespace

TEST(AnimationSection, ClipsBecomeKeyframesPerTransform) {
    TempFolder folder;
    const ExportRun result = runExport(folder, testScene("animation_clips.ma"), "-animation");
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    // Frames 0, 15 and 30 are 0, 500 and 1000 ms. The arm's X moves linearly 0 to 3 m, its Y is a
    // one-key curve (1 m throughout); its Z rotation 0 to 60 degrees follows its joint orientation
    // of 90; its X scale 1 to 2; its visibility steps from 1 (true) to 0 (false) at the last key.
    // Linear keys name their groups' tangents; frame 15 is a key of Y alone (an auto tangent).
    EXPECT_TRUE(contains(result.document,
                         "        <Clip name=\"openSource\" duration=\"1000\">\n"
                         "          <Keyframes nodeId=\"1\">\n"
                         "            <Keyframe time=\"0\" translation=\"0 1 0\" iptin=\"linear\" iptout=\"linear\" rotation=\"0 -0 90\" "
                         "iprin=\"linear\" iprout=\"linear\" scale=\"1 1 1\" ipsin=\"linear\" ipsout=\"linear\" visibility=\"true\"/>\n"
                         "            <Keyframe time=\"500\" translation=\"1.5 1 0\" rotation=\"0 -0 120\" scale=\"1.5 1 1\" visibility=\"true\"/>\n"
                         "            <Keyframe time=\"1000\" translation=\"3 1 0\" iptin=\"linear\" iptout=\"linear\" rotation=\"0 -0 150\" "
                         "iprin=\"linear\" iprout=\"linear\" scale=\"2 1 1\" ipsin=\"linear\" ipsout=\"linear\" visibility=\"false\"/>\n"
                         "          </Keyframes>\n"))
        << result.document;
    // The ignored transform's track keeps node id 0, with a warning; the lid's rotate axis of 30
    // degrees about Z comes before its animated Z rotation.
    EXPECT_TRUE(contains(result.document, "          <Keyframes nodeId=\"0\">\n            <Keyframe time=\"0\" translation=\"0 0 0\""));
    EXPECT_TRUE(contains(result.run.output, "q5xExport: Transform node ghost_ignore not found in character set"));
    EXPECT_TRUE(contains(result.document, "<Keyframe time=\"0\" rotation=\"0 -0 30\" iprin=\"linear\" iprout=\"linear\"/>\n"
                                          "            <Keyframe time=\"1000\" rotation=\"0 -0 90\""));
    // A character without clips is no animation set.
    EXPECT_FALSE(contains(result.document, "emptySet"));
    EXPECT_TRUE(contains(result.check.output, "warning: the track has node id 0"));
}

TEST(AnimationSection, TheCompanionFileHoldsTheFormatWordAndTheBlock) {
    TempFolder folder;
    const ExportRun result = runExport(folder, testScene("animation_clips.ma"), "-animation -binaryfiles");
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    EXPECT_TRUE(contains(result.run.output, "q5xExport: Transform node ghost_ignore not found in character set"));
    const std::string bytes = readFile(folder.file("out.q5x.anim"));
    // Format word; 2 characters; "character1" (10 bytes, padded to 12) with 1 clip; "openSource"
    // with 1000 ms and 3 tracks: the arm (3 keyframes of translation, rotation and scale: 8 + 3 x
    // 44 bytes), ghost_ignore and the lid (2 keyframes of one group each: 8 + 2 x 20); then
    // "emptySet" (8 bytes) with no clip. 4 + 4 + 20 + 24 + 140 + 48 + 48 + 16 bytes.
    ASSERT_EQ(bytes.size(), 304u);
    EXPECT_EQ(wordAt(bytes, 0), 10u);
    EXPECT_EQ(wordAt(bytes, 4), 2u);
    EXPECT_EQ(bytes.substr(12, 10), "character1");
    EXPECT_EQ(wordAt(bytes, 24), 1u);
    EXPECT_EQ(bytes.substr(32, 10), "openSource");
    EXPECT_FLOAT_EQ(floatAt(bytes, 44), 1000.0f);
    EXPECT_EQ(wordAt(bytes, 48), 3u);
    // The arm's second keyframe: 500 ms, all three groups, (1.5, 1, 0), 120 degrees in radians.
    const std::size_t second = 52 + 8 + 44;
    EXPECT_EQ(wordAt(bytes, 52), 1u);
    EXPECT_FLOAT_EQ(floatAt(bytes, second), 500.0f);
    EXPECT_EQ(wordAt(bytes, second + 4), 7u);
    EXPECT_FLOAT_EQ(floatAt(bytes, second + 8), 1.5f);
    EXPECT_FLOAT_EQ(floatAt(bytes, second + 12), 1.0f);
    EXPECT_NEAR(floatAt(bytes, second + 28), 120.0 / 57.29577951308232, 1e-6);
    EXPECT_FLOAT_EQ(floatAt(bytes, second + 32), 1.5f);
    EXPECT_EQ(bytes.substr(bytes.size() - 12, 8), "emptySet");
    EXPECT_TRUE(contains(result.document, "<Animation externalAnimFile=\"out.q5x.anim\" />"));
}

TEST(AnimationSection, BrokenClipsAreWrittenWithWhatIsValid) {
    // Keys out of order, two keys at one time, a curve without keys, a curve whose member was
    // deleted, an unknown tangent type, a clip without curves: both forms are written, sound.
    TempFolder folder;
    const ExportRun xml = runExport(folder, testScene("animation_hostile.ma"), "-animation");
    ASSERT_EQ(xml.run.exitCode, 0) << xml.run.output;
    EXPECT_TRUE(contains(xml.run.output, "The animation curve lost_curve in clip moveSource does not seem to be connected"));
    // Frames 0, 5 and 10 at 24 per second; the curve without keys reads 0 throughout.
    EXPECT_TRUE(contains(xml.document, "<Keyframe time=\"0\" translation=\"0 0 0\"/>\n"
                                       "            <Keyframe time=\"208.333\" translation=\"2.5 2 0\"/>\n"
                                       "            <Keyframe time=\"416.667\" translation=\"5 2 0\"/>\n"))
        << xml.document;
    EXPECT_FALSE(contains(xml.document, "emptySource"));
    const ExportRun binary = runExport(folder, testScene("animation_hostile.ma"), "-animation -binaryfiles", "bin.q5x");
    ASSERT_EQ(binary.run.exitCode, 0) << binary.run.output;
    EXPECT_TRUE(contains(binary.check.output, "clips=2 keyframes=3")) << binary.check.output;
}
