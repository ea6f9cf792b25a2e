// libFuzzer target: any bytes as a Q5X document must be parsed and checked (structure, sections,
// references, XML shapes) without a crash, a hang, or reading files outside the document's folder.
#include "DocumentCheck.h"
#include "Report.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Report report;
    std::string dumped;
    // A folder that does not exist: companion files named by the document are never found.
    checkDocumentText(text, "/nonexistent-q5xcheck-fuzz/fuzz.q5x", CheckOptions{true}, report, dumped);
    report.text();
    report.json();
    return 0;
}
