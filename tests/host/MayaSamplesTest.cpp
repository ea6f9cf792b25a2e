// Scenes saved by Maya itself, when the shared samples are at hand.
#include "SceneFixture.h"

#include "support/Q5xcheck.h"
#include "support/TempFolder.h"

#include <tinyxml2.h>

#include <filesystem>
#include <map>

TEST(MayaSamples, EveryRealSceneLoadsAndExports) {
    const std::filesystem::path samples(Q5X_MA_SAMPLES);
    if (!std::filesystem::is_directory(samples)) GTEST_SKIP() << "no Maya samples beside the project";
    TempFolder folder;
    unsigned scenes = 0;
    for (const auto& entry : std::filesystem::directory_iterator(samples)) {
        if (entry.path().extension() != ".ma") continue;
        ++scenes;
        const std::string output = folder.file(entry.path().stem().string() + ".q5x");
        const HostRun run = runHost({entry.path().string(), "-c",
                                     "Q5XExporter -shapes -normals -uvs -colors -skinWeights -l -cams -f \"" + output + "\""});
        EXPECT_EQ(run.exitCode, 0) << entry.path() << "\n" << run.output;
        // At most one warning for each unsupported node type or command.
        std::map<std::string, int> repeats;
        std::size_t position = 0;
        while ((position = run.output.find("// Warning: ", position)) != std::string::npos) {
            const std::size_t end = run.output.find('\n', position);
            const std::string line = run.output.substr(position, end - position);
            position = end;
            // The reader's warnings name the file and line; the exporter's are its own business.
            const std::size_t place = line.find(".ma:");
            if (place == std::string::npos) continue;
            ++repeats[line.substr(line.find(": ", place))];
        }
        for (const auto& repeat : repeats) EXPECT_EQ(repeat.second, 1) << entry.path() << repeat.first;
        tinyxml2::XMLDocument document;
        EXPECT_EQ(document.LoadFile(output.c_str()), tinyxml2::XML_SUCCESS) << output;
        // Every Shape node's shape is in the Shapes section, and every shape is sound.
        const HostRun check = runQ5xcheck(shellQuoted(output));
        EXPECT_EQ(check.exitCode, 0) << entry.path() << "\n" << check.output;
    }
    EXPECT_GT(scenes, 0u);
}
