// q5xcheck on exports of the test scenes and on documents and companion files built by hand,
// sound and broken.
#include "support/Q5xcheck.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

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

// One triangle (0,0,0) (1,0,0) (0,1,0) with normals +z and one UV set, one subset with slot "wood".
std::string triangleRecord(std::uint32_t thirdIndex = 2, std::uint32_t vertexCount = 3) {
    Bytes record;
    record.u32(3).data += std::string("tri\0", 4);
    record.u32(7).f32(0.5f).f32(0.5f).f32(0.0f).f32(0.75f);
    record.u32(3).u32(1).u32(vertexCount).u32(0x1 | 0x2).f32(0.0f);  // indices, subsets, vertices, normal+uv0
    record.u32(0).u32(3).u32(0).u32(3).f32(1.0f);                    // subset with its UV density
    record.u16(4).data += "wood";
    record.data += std::string(2, '\0');                               // 20 + 6 bytes: pad to 28
    record.u16(0).u16(1).u16(std::uint16_t(thirdIndex)).u16(0);       // odd index count: one zero after
    for (const float p : {0.f, 0.f, 0.f, 1.f, 0.f, 0.f, 0.f, 1.f, 0.f}) record.f32(p);
    for (int v = 0; v < 3; ++v) record.f32(0).f32(0).f32(1);
    for (const float t : {0.f, 0.f, 1.f, 0.f, 0.f, 1.f}) record.f32(t);
    record.u32(0);  // no collision records
    return record.data;
}

std::string shapesFile(const std::string& record) {
    Bytes file;
    file.u32(10).u32(1).u32(1).u32(std::uint32_t(record.size()));
    return file.data + record;
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

    writeFile(folder.file("t.q5x"), "<q5X><Scene>");
    EXPECT_NE(check(path).output.find("error: not well-formed XML"), std::string::npos);
    EXPECT_EQ(check(shellQuoted(folder.file("missing.q5x"))).exitCode, 2);
}
