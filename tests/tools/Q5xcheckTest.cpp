// q5xcheck on exports of the test scenes and on documents and companion files built by hand,
// sound and broken.
#include "support/Q5xcheck.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

HostRun check(const std::string& arguments, const std::string& errors = "2>&1") {
    return runQ5xcheck(arguments, errors);
}

// Little-endian building blocks of a companion shapes file.
struct Bytes {
    std::string data;
    Bytes& u32(std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8) data += char(value >> shift);
        return *this;
    }
    Bytes& u16(std::uint16_t value) {
        data += char(value & 0xFF);
        data += char(value >> 8);
        return *this;
    }
    Bytes& f32(float value) {
        std::uint32_t bits;
        std::memcpy(&bits, &value, 4);
        return u32(bits);
    }
};

// The set of one triangle (0,0,0) (1,0,0) (0,1,0) with normals +z and one UV set, one subset,
// with the slot name "wood" or none.
std::string triangleBody(std::uint32_t thirdIndex, std::uint32_t vertexCount, bool slotName) {
    Bytes body;
    body.u32(3).u32(1).u32(vertexCount).u32(0x1 | 0x2).f32(0.0f);  // indices, subsets, vertices, normal+uv0
    body.u32(0).u32(3).u32(0).u32(3).f32(1.0f);                    // subset with its UV density
    if (slotName) {
        body.u16(4).data += "wood";
        body.data += std::string(2, '\0');  // 20 + 6 bytes: pad to 28
    } else {
        body.u16(0).data += std::string(2, '\0');  // 20 + 2 bytes: pad to 24
    }
    body.u16(0).u16(1).u16(std::uint16_t(thirdIndex)).u16(0);  // odd index count: one zero after
    for (const float p : {0.f, 0.f, 0.f, 1.f, 0.f, 0.f, 0.f, 1.f, 0.f}) body.f32(p);
    for (int v = 0; v < 3; ++v) body.f32(0).f32(0).f32(1);
    for (const float t : {0.f, 0.f, 1.f, 0.f, 0.f, 1.f}) body.f32(t);
    return body.data;
}

std::string nameAndId(const std::string& name, std::uint32_t shapeId) {
    Bytes bytes;
    bytes.u32(std::uint32_t(name.size())).data += name + std::string((4 - name.size() % 4) % 4, '\0');
    return bytes.u32(shapeId).data;
}

std::string sphere() {
    return Bytes().f32(0.5f).f32(0.5f).f32(0.0f).f32(0.75f).data;
}

// Kind 1 with `collisions` already serialised (count first).
std::string triangleRecord(std::uint32_t thirdIndex = 2, std::uint32_t vertexCount = 3,
                           const std::string& collisions = std::string(4, '\0')) {
    return nameAndId("tri", 7) + sphere() + triangleBody(thirdIndex, vertexCount, true) + collisions;
}

std::string shapesFile(const std::vector<std::pair<std::uint32_t, std::string>>& records) {
    Bytes file;
    file.u32(10).u32(std::uint32_t(records.size()));
    for (const auto& record : records) file.u32(record.first).u32(std::uint32_t(record.second.size())).data += record.second;
    return file.data;
}

std::string shapesFile(const std::string& record) {
    return shapesFile({{1u, record}});
}

std::string document(const std::string& shapes, const std::string& scene) {
    return "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n\n<q5X name=\"t\" version=\"1.6\">\n" + shapes +
           "  <Scene>\n" + scene + "  </Scene>\n\n</q5X>\n";
}

const std::string kBinaryShapes = "  <Shapes externalShapesFile=\"t.q5x.shapes\">\n  </Shapes>\n\n";
const std::string kShapeNode = "    <Shape name=\"tri\" shapeId=\"7\" materialIds=\"1\" nodeId=\"1\"/>\n";

}  // namespace

TEST(Q5xcheck, ExportsOfTheTestScenesAreSound) {
    TempFolder folder;
    for (const char* scene : {"scene_basics.ma", "transform_stack.ma", "skeleton_bind_pose.ma", "joint_limits.ma",
                              "extra_attributes.ma", "units_metres_ntsc.ma", "duplicate_names.ma"}) {
        const std::string out = folder.file(std::string(scene) + ".q5x");
        ASSERT_EQ(runHost({std::string(Q5X_TEST_SCENES) + "/" + scene, "-c", "Q5XExporter -f \"" + out + "\""}).exitCode, 0);
        const HostRun run = check(shellQuoted(out));
        EXPECT_EQ(run.exitCode, 0) << scene << "\n" << run.output;
        EXPECT_NE(run.output.find("summary: "), std::string::npos);
    }
}

TEST(Q5xcheck, ASoundBinaryShapeAndItsDump) {
    TempFolder folder;
    writeFile(folder.file("t.q5x"), document(kBinaryShapes, kShapeNode));
    writeFile(folder.file("t.q5x.shapes"), shapesFile(triangleRecord()));
    const HostRun run = check(shellQuoted(folder.file("t.q5x")));
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("warning: materialIds entry 1 names no Material"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("nodes=1 records=1 shapes=1 triangles=1 vertices=3"), std::string::npos) << run.output;

    const HostRun dump = check("--dump " + shellQuoted(folder.file("t.q5x")), "2>/dev/null");
    EXPECT_EQ(dump.output,
              "    <IndexedTriangleSet name=\"tri\" shapeId=\"7\" meshUsage=\"0\" bvCenter=\"0.5 0.5 0\" bvRadius=\"0.75\" "
              "isOptimized=\"true\">\n"
              "      <Vertices count=\"3\" normal=\"true\" uv0=\"true\">\n"
              "        <v p=\"0 0 0\" n=\"0 0 1\" t0=\"0 0\"/>\n"
              "        <v p=\"1 0 0\" n=\"0 0 1\" t0=\"1 0\"/>\n"
              "        <v p=\"0 1 0\" n=\"0 0 1\" t0=\"0 1\"/>\n"
              "      </Vertices>\n"
              "      <Triangles count=\"1\">\n"
              "        <t vi=\"0 1 2\"/>\n"
              "      </Triangles>\n"
              "      <Subsets count=\"1\">\n"
              "        <Subset firstVertex=\"0\" numVertices=\"3\" firstIndex=\"0\" numIndices=\"3\" uvDensity0=\"1\" "
              "materialSlotName=\"wood\"/>\n"
              "      </Subsets>\n"
              "    </IndexedTriangleSet>\n");

    const HostRun json = check("--json " + shellQuoted(folder.file("t.q5x")));
    EXPECT_EQ(json.output.rfind("{\"problems\":[{\"severity\":\"warning\"", 0), 0u) << json.output;
}

TEST(Q5xcheck, EveryRecordKindAndTheAnimationBlockAreReadByTheirLayout) {
    TempFolder folder;
    // A convex hull: 4 points, margin, volume, centre, inertia.
    Bytes hull;
    hull.u32(290147).u32(4).f32(0.04f).f32(0.1667f);
    for (int i = 0; i < 12; ++i) hull.f32(i % 4 == 0 ? 0.1f : 0.0f);
    for (const float p : {0.f, 0.f, 0.f, 1.f, 0.f, 0.f, 0.f, 1.f, 0.f, 0.f, 0.f, 1.f}) hull.f32(p);
    const std::string collisions = Bytes().u32(1).u32(2).u32(std::uint32_t(hull.data.size())).data + hull.data;
    // A curve of two points; a split shape with a 3-vertex, 1-face table and one empty hull; the
    // attachments of one face.
    const std::string curve = nameAndId("rail", 8) + Bytes().u32(0).u32(2).f32(0).f32(0).f32(0).f32(1).f32(2).f32(3).u32(0).data;
    Bytes brep;
    brep.u16(3).u16(0).u32(1).data += std::string(36 + 18 + 2, '\0');
    brep.u32(1).u16(0).u16(0).u32(0);
    const std::string split = nameAndId("cliff", 9) + sphere() + triangleBody(2, 3, false) + std::string(4, '\0') + brep.data;
    Bytes placement;
    placement.u16(1).u16(0);
    for (int i = 0; i < 13; ++i) placement.f32(i == 12 ? 0.5f : 0.0f);
    const std::string attachments = nameAndId("cliff_attachments", 10) + triangleBody(2, 3, false) + placement.data;
    writeFile(folder.file("t.q5x.shapes"), shapesFile({{1u, triangleRecord(2, 3, collisions)}, {2u, curve}, {4u, split}, {5u, attachments}}));

    Bytes animation;
    animation.u32(10).u32(1).u32(4).data += "hero";
    animation.u32(1).u32(3).data += std::string("run\0", 4);
    animation.f32(1000.0f).u32(1).u32(1).u32(2);  // duration, one track for node 1, two keys
    animation.f32(0.0f).u32(1).f32(0).f32(0).f32(0).f32(500.0f).u32(1).f32(1).f32(2).f32(3);
    writeFile(folder.file("t.q5x.anim"), animation.data);
    writeFile(folder.file("t.q5x"),
              document(kBinaryShapes, kShapeNode + "    <Shape name=\"r\" shapeId=\"8\" nodeId=\"2\"/>\n"
                                                   "    <Shape name=\"c\" shapeId=\"9\" nodeId=\"3\"/>\n") +
                  "");
    std::string withAnimation = readFile(folder.file("t.q5x"));
    withAnimation.replace(withAnimation.find("</q5X>"), 6, "\n  <Animation externalAnimFile=\"t.q5x.anim\" />\n</q5X>");
    writeFile(folder.file("t.q5x"), withAnimation);
    const HostRun run = check(shellQuoted(folder.file("t.q5x")));
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("attachments=1 "), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("clips=1 collision_blobs=1 curves=1 keyframes=2 "), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("physics_hulls=1 records=4 shapes=4 "), std::string::npos) << run.output;
    const HostRun dump = check("--dump " + shellQuoted(folder.file("t.q5x")), "2>/dev/null");
    EXPECT_NE(dump.output.find("    <!-- collision convex hull: 4 points"), std::string::npos) << dump.output;
    EXPECT_NE(dump.output.find("    <NurbsCurve name=\"rail\" shapeId=\"8\">\n          <cv c=\"0 0 0\"/>\n"
                               "          <cv c=\"1 2 3\"/>\n    </NurbsCurve>\n"),
              std::string::npos)
        << dump.output;
    EXPECT_NE(dump.output.find("<!-- split shape: 3 vertices, 0 edges, 1 faces -->"), std::string::npos);
    EXPECT_NE(dump.output.find("name=\"cliff_attachments\" shapeId=\"10\" meshUsage=\"0\" isOptimized=\"true\" "
                               "isAttachment=\"true\">"),
              std::string::npos);

    // A track that names no node.
    animation.data.replace(animation.data.size() - 48, 4, Bytes().u32(42).data);  // the track's node id
    writeFile(folder.file("t.q5x.anim"), animation.data);
    EXPECT_NE(check(shellQuoted(folder.file("t.q5x"))).output.find("track 0 names node 42, which the Scene lacks"),
              std::string::npos);
}

TEST(Q5xcheck, BrokenFilesGiveOneLineEachAndNeverCrash) {
    TempFolder folder;
    const std::string path = shellQuoted(folder.file("t.q5x"));
    writeFile(folder.file("t.q5x"), document(kBinaryShapes, kShapeNode));
    const std::string sound = shapesFile(triangleRecord());
    // Cut short anywhere: inside the header, the name, the streams, the collision count.
    for (const std::size_t cut : {std::size_t(6), std::size_t(20), std::size_t(60), std::size_t(130), sound.size() - 2}) {
        writeFile(folder.file("t.q5x.shapes"), sound.substr(0, cut));
        const HostRun run = check(path);
        EXPECT_EQ(run.exitCode, 1) << cut << "\n" << run.output;
        EXPECT_NE(run.output.find("t.q5x.shapes: "), std::string::npos) << run.output;
    }
    // A vertex count raised far past the data, and an index past the vertex count.
    writeFile(folder.file("t.q5x.shapes"), shapesFile(triangleRecord(2, 0x7FFFFFFF)));
    EXPECT_NE(check(path).output.find("error: the record ends inside its vertex streams"), std::string::npos);
    writeFile(folder.file("t.q5x.shapes"), shapesFile(triangleRecord(7)));
    const HostRun index = check(path);
    EXPECT_EQ(index.exitCode, 1);
    EXPECT_NE(index.output.find("(tri): error: index 2 names vertex 7 of 3"), std::string::npos) << index.output;

    // A dangling shapeId, a nodeId twice, a reference without a Files section.
    writeFile(folder.file("t.q5x.shapes"), sound);
    writeFile(folder.file("t.q5x"), document(kBinaryShapes, kShapeNode +
                                                                "    <Shape name=\"b\" shapeId=\"8\" nodeId=\"1\"/>\n"
                                                                "    <ReferenceNode name=\"r\" referenceId=\"1\" nodeId=\"2\"/>\n"));
    const HostRun references = check(path);
    EXPECT_EQ(references.exitCode, 1);
    EXPECT_NE(references.output.find("Shape \"b\" (line 9): error: shapeId 8 names no shape"), std::string::npos) << references.output;
    EXPECT_NE(references.output.find("error: a second node with nodeId 1"), std::string::npos);
    EXPECT_NE(references.output.find("warning: referenceId 1 names no File (the document has no Files section)"),
              std::string::npos);

    // A particle system whose emitter is no Dynamic node.
    std::string dynamics = document("", "    <Dynamic name=\"fountain\" dynamicId=\"1\" nodeId=\"1\"/>\n");
    dynamics.replace(dynamics.find("  <Scene>"), 0, "  <Dynamics>\n    <ParticleSystem name=\"spray\" dynamicId=\"2\"/>\n  </Dynamics>\n\n");
    writeFile(folder.file("t.q5x"), dynamics);
    EXPECT_NE(check(path).output.find("ParticleSystem \"spray\" (line 5): error: dynamicId 2 names no Dynamic node"),
              std::string::npos)
        << check(path).output;

    writeFile(folder.file("t.q5x"), "<q5X><Scene>");
    EXPECT_NE(check(path).output.find("error: not well-formed XML"), std::string::npos);
    EXPECT_EQ(check(shellQuoted(folder.file("missing.q5x"))).exitCode, 2);
}

TEST(Q5xcheck, DocumentsThatTryToFoolItAreCaught) {
    TempFolder folder;
    const std::string path = shellQuoted(folder.file("t.q5x"));
    auto xmlSet = [](const std::string& vertices, const std::string& triangles, const std::string& subsets,
                     const std::string& header = "bvCenter=\"0 0 0\" bvRadius=\"2\"") {
        return "  <Shapes>\n    <IndexedTriangleSet name=\"s\" shapeId=\"1\" meshUsage=\"0\" " + header + ">\n" + vertices +
               triangles + subsets + "    </IndexedTriangleSet>\n  </Shapes>\n";
    };
    const std::string threeVertices = "      <Vertices count=\"3\">\n        <v p=\"0 0 0\"/>\n        <v p=\"1 0 0\"/>\n"
                                      "        <v p=\"0 1 0\"/>\n      </Vertices>\n";
    const std::string oneSubset = "      <Subsets count=\"1\">\n        <Subset firstVertex=\"0\" numVertices=\"3\" "
                                  "firstIndex=\"0\" numIndices=\"3\"/>\n      </Subsets>\n";
    const std::string shapeNode = "    <Shape name=\"s\" shapeId=\"1\" nodeId=\"1\"/>\n";

    // Indices that a float reader would take: each is refused.
    for (const char* vi : {"4294967296 1 2", "1e20 1 2", "nan 1 2", "0.9 1.5 2.2", "0x1 0x0 2", "-1 1 2"}) {
        writeFile(folder.file("t.q5x"), document(xmlSet(threeVertices, "      <Triangles count=\"1\">\n        <t vi=\"" +
                                                                           std::string(vi) + "\"/>\n      </Triangles>\n",
                                                        oneSubset),
                                                 shapeNode));
        const HostRun run = check(path);
        EXPECT_EQ(run.exitCode, 1) << vi;
        EXPECT_NE(run.output.find("error: a triangle without three indices"), std::string::npos) << vi << run.output;
    }
    // NaN in the header; two subsets that overlap, so the last triangle lies in none.
    const std::string twoTriangles = "      <Triangles count=\"2\">\n        <t vi=\"0 1 2\"/>\n        <t vi=\"0 2 1\"/>\n"
                                     "      </Triangles>\n";
    const std::string overlapping = "      <Subsets count=\"2\">\n"
                                    "        <Subset firstVertex=\"0\" numVertices=\"3\" firstIndex=\"0\" numIndices=\"3\"/>\n"
                                    "        <Subset firstVertex=\"0\" numVertices=\"2\" firstIndex=\"0\" numIndices=\"3\"/>\n"
                                    "      </Subsets>\n";
    writeFile(folder.file("t.q5x"), document(xmlSet(threeVertices, twoTriangles, overlapping, "bvCenter=\"0 nan 0\" bvRadius=\"2\" "
                                                                                             "vertexCompressionRange=\"inf\""),
                                             shapeNode));
    const HostRun subsets = check(path);
    for (const char* problem : {"error: the bounding sphere, vertex compression range or a UV density is not a finite number",
                                "error: subset 1 overlaps the subset before it", "error: indices 3 to 6 lie in no subset",
                                "error: subset 1 names vertex 2 outside its vertex range"}) {
        EXPECT_NE(subsets.output.find(problem), std::string::npos) << problem << "\n" << subsets.output;
    }
    // Blend weights that do not add up to 1, and a blend index beyond the node's bind list.
    const std::string skinned = "      <Vertices count=\"3\" blendweights=\"true\">\n"
                                "        <v p=\"0 0 0\" bw=\"0.5 0.2 0 0\" bi=\"0 1 0 0\"/>\n"
                                "        <v p=\"1 0 0\" bw=\"1 0 0 0\" bi=\"2 0 0 0\"/>\n"
                                "        <v p=\"0 1 0\" bw=\"1 0 0 0\" bi=\"0 0 0 0\"/>\n      </Vertices>\n";
    writeFile(folder.file("t.q5x"), document(xmlSet(skinned, "      <Triangles count=\"1\">\n        <t vi=\"0 1 2\"/>\n"
                                                             "      </Triangles>\n",
                                                    oneSubset),
                                             "    <Shape name=\"s\" shapeId=\"1\" skinBindNodeIds=\"1 1\" nodeId=\"1\"/>\n"));
    const HostRun skin = check(path);
    EXPECT_NE(skin.output.find("error: the blend weights of vertex 0 do not add up to 1"), std::string::npos) << skin.output;
    EXPECT_NE(skin.output.find("error: shape 1 has blend index 2, beyond the 2 entries of skinBindNodeIds"), std::string::npos);

    // Unknown vertex-format bits in a record.
    std::string record = triangleRecord();
    record[4 + 4 + 4 + 16 + 12] = char(0x03 | 0x00);  // flags: normal and uv0 ...
    record[4 + 4 + 4 + 16 + 13] = char(0x04);         // ... and bit 10, which names no stream
    writeFile(folder.file("t.q5x.shapes"), shapesFile(record));
    writeFile(folder.file("t.q5x"), document(kBinaryShapes, kShapeNode));
    EXPECT_NE(check(path).output.find("error: the vertex format has bits no stream is defined for: 1024"), std::string::npos)
        << check(path).output;
}

TEST(Q5xcheck, MaterialsNameTheirFilesAndHoldOnlyKnownElements) {
    TempFolder folder;
    const std::string path = shellQuoted(folder.file("t.q5x"));
    const std::string files = "  <Files>\n    <File fileId=\"1\" filename=\"a.png\" />\n  </Files>\n\n";
    const std::string kNode = "    <Transform name=\"t\" nodeId=\"1\"/>\n";
    auto materials = [](const std::string& body) { return "  <Materials>\n" + body + "  </Materials>\n\n"; };
    writeFile(folder.file("t.q5x"), document(files + materials("    <Material name=\"m\" materialId=\"1\" diffuseColor=\"1 1 1 1\">\n"
                                                               "      <Texture fileId=\"1\"/>\n    </Material>\n"),
                                             kNode));
    EXPECT_EQ(check(path).exitCode, 0) << check(path).output;

    writeFile(folder.file("t.q5x"),
              document(files + materials("    <Material name=\"m\" materialId=\"1\" diffuseColor=\"1 nan 1\" customShaderId=\"4\">\n"
                                         "      <Texture fileId=\"2\"/>\n      <Reflectionmap type=\"sphere\" refractiveIndex=\"1\"/>\n"
                                         "      <Sparkles/>\n    </Material>\n"
                                         "    <Material name=\"n\" materialId=\"1\"/>\n"),
                       kNode));
    const HostRun broken = check(path);
    EXPECT_EQ(broken.exitCode, 1);
    for (const char* problem : {"diffuseColor is not 4 finite numbers", "customShaderId 4 names no File", "fileId 2 names no File",
                                "a Reflectionmap's type is neither", "a Material holds no element of this kind",
                                "a second Material with materialId 1"}) {
        EXPECT_NE(broken.output.find(problem), std::string::npos) << problem << "\n" << broken.output;
    }
}

TEST(Q5xcheck, LightsAndCamerasSayOnlyWhatTheEngineCanRead) {
    TempFolder folder;
    const std::string path = shellQuoted(folder.file("t.q5x"));
    writeFile(folder.file("t.q5x"),
              document("", "    <Light name=\"a\" type=\"torch\" color=\"1 1\" range=\"inf\" depthMapResolution=\"0\" "
                           "iesProfileFileId=\"3\" nodeId=\"1\"/>\n"
                           "    <Camera name=\"c\" fov=\"200\" nearClip=\"nan\" nodeId=\"2\"/>\n"));
    const HostRun run = check(path);
    EXPECT_EQ(run.exitCode, 1);
    for (const char* problem : {"a Light without a known type", "a Light's color is not 3 finite numbers", "range is not a finite number",
                                "depthMapResolution is not a positive whole number", "iesProfileFileId 3 names no File",
                                "a Camera without farClip", "nearClip is not a finite number",
                                "warning: the field of view is not between 0 and 180 degrees"}) {
        EXPECT_NE(run.output.find(problem), std::string::npos) << problem << "\n" << run.output;
    }
}

TEST(Q5xcheck, ParticleSystemsNameADynamicNodeAndHoldFiniteSettings) {
    TempFolder folder;
    const std::string path = shellQuoted(folder.file("t.q5x"));
    const std::string dynamics = "  <Dynamics>\n    <ParticleSystem name=\"e\" dynamicId=\"2\" rate=\"nan\" lifespanInfinite=\"maybe\" "
                                 "speed=\"1\" speedRandom=\"0\" tangentSpeed=\"0\" normalSpeed=\"1\" lifespan=\"1\" maxCount=\"0\" "
                                 "spriteScaleX=\"1\" spriteScaleY=\"1\" depthSort=\"false\">\n      <Gravity force=\"0 1\"/>\n"
                                 "    </ParticleSystem>\n  </Dynamics>\n\n";
    writeFile(folder.file("t.q5x"), document(dynamics, "    <Dynamic name=\"d\" dynamicId=\"1\" nodeId=\"1\"/>\n"
                                                       "    <Dynamic name=\"d2\" dynamicId=\"1\" nodeId=\"2\"/>\n"));
    const HostRun run = check(path);
    EXPECT_EQ(run.exitCode, 1);
    for (const char* problem : {"dynamicId 2 names no Dynamic node", "rate is not a finite number", "lifespanInfinite is not true or false",
                                "maxCount is not a count of 1 or more", "its vector is not three finite numbers",
                                "a second Dynamic node with dynamicId 1"}) {
        EXPECT_NE(run.output.find(problem), std::string::npos) << problem << "\n" << run.output;
    }
}

TEST(Q5xcheck, HostileDocumentsCostLittleAndReachNothingOutsideTheirFolder) {
    TempFolder folder;
    const std::string path = shellQuoted(folder.file("t.q5x"));
    // Companion files outside the document's folder are never read.
    writeFile(folder.file("t.q5x"), "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<q5X name=\"t\" version=\"1.6\">\n"
                                    "  <Shapes externalShapesFile=\"../../../../dev/zero\"/>\n  <Scene/>\n"
                                    "  <Animation externalAnimFile=\"/etc/passwd\"/>\n</q5X>\n");
    const HostRun outside = check(path);
    EXPECT_EQ(outside.exitCode, 1);
    EXPECT_NE(outside.output.find("externalShapesFile \"../../../../dev/zero\" is not a plain file name in the document's "
                                  "folder; it is not read"),
              std::string::npos)
        << outside.output;
    EXPECT_NE(outside.output.find("externalAnimFile \"/etc/passwd\" is not a plain file name"), std::string::npos);

    // A companion name with a Latin-1 letter (one byte in the document) opens the file of that name.
    writeFile(folder.file("caf\xC3\xA9.shapes"), shapesFile(triangleRecord()));
    writeFile(folder.file("t.q5x"), document("  <Shapes externalShapesFile=\"caf\xE9.shapes\">\n  </Shapes>\n", kShapeNode));
    const HostRun latin1 = check(path);
    EXPECT_EQ(latin1.exitCode, 0) << latin1.output;

    // 60,000 unknown root children and 200,000 records of no known kind: the first few of each kind
    // of problem are listed, the rest counted.
    std::string many = "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<q5X name=\"t\" version=\"1.6\">\n";
    for (int i = 0; i < 60000; ++i) many += "<Junk/>";
    many += "\n  <Shapes externalShapesFile=\"t.q5x.shapes\"/>\n  <Scene/>\n</q5X>\n";
    writeFile(folder.file("t.q5x"), many);
    std::vector<std::pair<std::uint32_t, std::string>> records(200000, {99u, std::string()});
    writeFile(folder.file("t.q5x.shapes"), shapesFile(records));
    const HostRun flood = check(path);
    EXPECT_EQ(flood.exitCode, 1);
    EXPECT_NE(flood.output.find("... 59995 more errors like \"not a section of the document\""), std::string::npos) << flood.output;
    EXPECT_NE(flood.output.find("... 199995 more errors like \"unknown record kind 99\""), std::string::npos);
    EXPECT_LT(std::count(flood.output.begin(), flood.output.end(), '\n'), 20);

    // Names holding escape sequences are printed with their control characters shown.
    writeFile(folder.file("t.q5x"), document("", "    <Shape name=\"\x1B]0;owned\x07\" shapeId=\"3\" nodeId=\"1\"/>\n"));
    const HostRun escapes = check(path);
    EXPECT_EQ(escapes.output.find('\x1B'), std::string::npos);
    EXPECT_NE(escapes.output.find("Shape \"\\x1B]0;owned\\x07\""), std::string::npos) << escapes.output;
}
