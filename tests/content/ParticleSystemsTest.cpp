// Particle systems: an emitter on a surface becomes a Dynamic node, each sprite particle shape it
// feeds a ParticleSystem naming it, with values worked out by hand from particles.ma (a
// centimetre scene, so lengths are written as they are saved).
#include "support/ExportRun.h"

#include <gtest/gtest.h>

TEST(ParticleSystems, SpriteParticlesNameTheDynamicNodeOfTheirEmitter) {
    TempFolder folder;
    const ExportRun result = runExport(folder, testScene("particles.ma"), "-shapes -particlesystems");
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    const std::string& document = result.document;
    // The emitter below "fountain" makes it a Dynamic (the emitter holds no shadow switches).
    EXPECT_TRUE(contains(document, "<Dynamic name=\"fountain\" translation=\"0 1 0\" dynamicId=\"1\" castsShadows=\"false\" "
                                   "receiveShadows=\"false\" nodeId=\"1\"/>"))
        << document;
    // 100 per second is 0.1 per millisecond, a speed of 2 cm/s is 0.002 per millisecond, a
    // constant lifespan of 2 s is 2000 ms; Maya's unlimited count (-1) becomes 100. Gravity of
    // Maya's default 9.8 along -Y; air along +X of magnitude 4 at speed 5 (the defaults) is 20.
    EXPECT_TRUE(contains(document, "    <ParticleSystem name=\"emitter1\" dynamicId=\"1\" rate=\"0.1\" lifespanInfinite=\"false\" "
                                   "speed=\"0.002\" speedRandom=\"0.5\" tangentSpeed=\"0.25\" normalSpeed=\"1.5\" lifespan=\"2000\" "
                                   "maxCount=\"100\" spriteScaleX=\"0.5\" spriteScaleY=\"0.25\" depthSort=\"true\">\n"
                                   "      <Gravity force=\"0 -9.8 0\"/>\n      <Air velocity=\"20 0 0\"/>\n    </ParticleSystem>\n"));
    // A second sprite shape of the same emitter: the same id, no fields, a single element.
    EXPECT_TRUE(contains(document, "<ParticleSystem name=\"emitter1\" dynamicId=\"1\" rate=\"0.1\" lifespanInfinite=\"true\" "
                                   "speed=\"0.002\" speedRandom=\"0.5\" tangentSpeed=\"0.25\" normalSpeed=\"1.5\" lifespan=\"1000\" "
                                   "maxCount=\"250\" spriteScaleX=\"1\" spriteScaleY=\"1\" depthSort=\"false\"/>\n"));
    EXPECT_TRUE(contains(result.run.output, "q5xExport: ParticleSystem only Sprites supported (dustShape)"));
    // An emitter with nothing to feed stays a TransformGroup, with one warning for each lack.
    EXPECT_TRUE(contains(document, "<TransformGroup name=\"lonely\" nodeId=\"2\"/>"));
    for (const char* lack : {"Particle System not found (emitter2)", "Emitter Shape not found (emitter2)", "Shader not found (emitter2)"}) {
        EXPECT_TRUE(contains(result.run.output, std::string("q5xExport: ") + lack)) << lack;
    }
    EXPECT_TRUE(contains(result.check.output, "particle systems=2")) << result.check.output;

    // Without -particlesystems the Dynamic node stays and the section is left out.
    const ExportRun without = runExport(folder, testScene("particles.ma"), "-shapes", "without.q5x");
    EXPECT_TRUE(contains(without.document, "<Dynamic name=\"fountain\""));
    EXPECT_FALSE(contains(without.document, "<Dynamics>"));
}
