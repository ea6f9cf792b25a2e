// Light and Camera elements of a metre scene, every value worked out by hand from the scene file.
#include "support/ExportRun.h"

#include <gtest/gtest.h>

TEST(LightsAndCameras, ElementsCarryWhatTheLightsAndCamerasHold) {
    TempFolder folder;
    const ExportRun result = runExport(folder, testScene("lights_cameras.ma"), "-lights -cameras");
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    const std::string& document = result.document;
    // A point light scatters (intensity from its transform); its intensity is written as range.
    EXPECT_TRUE(contains(document, "<Light name=\"lamp\" translation=\"1 2 3\" type=\"point\" color=\"1 0.5 0.25\" emitDiffuse=\"true\" "
                                   "emitSpecular=\"true\" scattering=\"true\" scatteringIntensity=\"3\" range=\"2\" nodeId=\"1\"/>"))
        << document;
    // Depth-map shadows with the soft-shadow defaults; a 45 degree cone; the projected file.
    EXPECT_TRUE(contains(document, "emitDiffuse=\"true\" emitSpecular=\"false\" castShadowMap=\"true\" depthMapBias=\"0.01\" "
                                   "depthMapResolution=\"1024\" softShadowsLightSize=\"0.05\" softShadowsLightDistance=\"15\" "
                                   "softShadowsDepthBiasFactor=\"5\" softShadowsMaxPenumbraSize=\"0.5\" range=\"1\" coneAngle=\"45\" "
                                   "dropOff=\"2\" projTextureId=\"1\" nodeId=\"2\"/>"));
    // The second spot: Maya's default bias, resolution and 40 degree cone, its own light size,
    // scattering with the spot's cone default, the same projected file, an IES profile.
    EXPECT_TRUE(contains(document, "depthMapBias=\"0.001\" depthMapResolution=\"512\" softShadowsLightSize=\"0.2\" "
                                   "softShadowsLightDistance=\"15\" softShadowsDepthBiasFactor=\"5\" softShadowsMaxPenumbraSize=\"0.5\" "
                                   "scattering=\"true\" scatteringIntensity=\"1\" scatteringConeAngle=\"60\" range=\"1\" coneAngle=\"40\" "
                                   "dropOff=\"0\" projTextureId=\"1\" iesProfileFileId=\"2\" nodeId=\"3\"/>"));
    // Directional lights do not scatter; ambient lights have no shadow map.
    EXPECT_TRUE(contains(document, "<Light name=\"sky\" type=\"directional\" color=\"1 1 1\" emitDiffuse=\"true\" emitSpecular=\"true\" "
                                   "castShadowMap=\"true\" depthMapBias=\"0.001\" depthMapResolution=\"512\" softShadowsLightSize=\"0.05\" "
                                   "softShadowsLightDistance=\"15\" softShadowsDepthBiasFactor=\"5\" softShadowsMaxPenumbraSize=\"0.5\" "
                                   "range=\"1\" nodeId=\"4\"/>"));
    EXPECT_TRUE(contains(document, "<Light name=\"fill\" type=\"ambient\" color=\"1 1 1\" emitDiffuse=\"true\" emitSpecular=\"true\" "
                                   "range=\"0.25\" nodeId=\"5\"/>"));
    // fov = 2 atan(1.41732 in * 25.4 / 2 / 50 mm) = 39.5977 degrees; clipping planes set in metres
    // come back in metres. The orthographic camera keeps Maya's defaults: 35 mm (54.4321 degrees),
    // 0.1 cm and 10,000 cm.
    EXPECT_TRUE(contains(document, "<Camera name=\"shot\" fov=\"39.5977\" nearClip=\"0.1\" farClip=\"500\" nodeId=\"6\"/>"));
    EXPECT_TRUE(contains(document, "<Camera name=\"plan\" fov=\"54.4321\" nearClip=\"0.001\" farClip=\"100\" nodeId=\"7\"/>"));
    // One File for the file both spots project.
    EXPECT_TRUE(contains(document, "<File fileId=\"1\" filename=\"" + std::string(Q5X_TEST_SCENES) + "/tex/gobo.png\" />"));
    EXPECT_FALSE(contains(document, "fileId=\"3\""));

    // Maya's four default cameras only with "-defaultcameras", placed as a new scene saved by Maya
    // places them (the real light sample: top at 1000.1 cm looking down, side turned 90 degrees).
    EXPECT_FALSE(contains(document, "<Camera name=\"persp\""));
    const ExportRun defaults = runExport(folder, testScene("lights_cameras.ma"), "-cameras -defaultcameras", "defaults.q5x");
    for (const char* camera : {"persp", "top", "front", "side"}) {
        EXPECT_TRUE(contains(defaults.document, "<Camera name=\"" + std::string(camera) + "\"")) << camera;
    }
    EXPECT_TRUE(contains(defaults.document, "<Camera name=\"top\" translation=\"0 10.001 0\" rotation=\"-90 0 0\""));
    EXPECT_TRUE(contains(defaults.document, "<Camera name=\"side\" translation=\"10.001 0 0\" rotation=\"0 90 0\""));

    // Without the flags neither kind is written, and nothing is said about them.
    const ExportRun plain = runExport(folder, testScene("lights_cameras.ma"), "", "plain.q5x");
    EXPECT_FALSE(contains(plain.document, "<Light") || contains(plain.document, "<Camera"));
    EXPECT_FALSE(contains(plain.run.output, "Warning"));
}
