#ifndef Q5X_TESTS_EXPORTRUN_H
#define Q5X_TESTS_EXPORTRUN_H

#include "HostRunner.h"
#include "Q5xcheck.h"
#include "TempFolder.h"
#include "WellFormed.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// One export as a pipeline runs it: q5xhost opens the scene, runs `before` and then the export
// with `flags` into `folder`/`name`. Every export is checked the way a user would check it: the
// document is well-formed XML and q5xcheck accepts it with its companion files.
struct ExportRun {
    HostRun run;
    std::string document;
    HostRun check;
};

inline ExportRun runExport(const TempFolder& folder, const std::string& scene, const std::string& flags,
                           const std::string& name = "out.q5x", const std::vector<std::string>& before = {}) {
    const std::string out = folder.file(name);
    std::vector<std::string> arguments{scene};
    for (const std::string& command : before) arguments.insert(arguments.end(), {"-c", command});
    arguments.insert(arguments.end(), {"-c", "Q5XExporter " + flags + " -f \"" + out + "\""});
    ExportRun result{runHost(arguments), readFile(out), {}};
    EXPECT_EQ(xmlProblem(result.document), "") << scene;
    result.check = runQ5xcheck(shellQuoted(out));
    EXPECT_EQ(result.check.exitCode, 0) << scene << "\n" << result.check.output;
    return result;
}

inline bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

inline std::string testScene(const std::string& name) {
    return std::string(Q5X_TEST_SCENES) + "/" + name;
}

#endif
