// libFuzzer target: any bytes as a companion shapes file or animation file must be read, checked
// and dumped without reading past them or allocating what they cannot back.
#include "AnimationFile.h"
#include "Report.h"
#include "ShapesFile.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    Report report;
    ShapesFileContent content;
    checkShapesFile(bytes, "fuzz.shapes", true, report, content);
    checkAnimationFile(bytes, "fuzz.anim", {1, 2, 3}, report);
    return 0;
}
