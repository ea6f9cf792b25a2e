#ifndef Q5X_TESTS_Q5XCHECK_H
#define Q5X_TESTS_Q5XCHECK_H

#include "HostRunner.h"

#include <string>

// Runs q5xcheck on a document; its standard error joins the output unless `errors` sends it
// elsewhere.
inline HostRun runQ5xcheck(const std::string& arguments, const std::string& errors = "2>&1") {
    return runShell(std::string(Q5XCHECK_PATH) + " " + arguments + " " + errors);
}

// The Shapes section's elements of an XML document, without the section's own lines.
inline std::string shapesSectionBody(const std::string& document) {
    const std::string open = "  <Shapes>\n", close = "  </Shapes>\n";
    const std::size_t start = document.find(open);
    const std::size_t end = document.find(close);
    if (start == std::string::npos || end == std::string::npos) return std::string();
    return document.substr(start + open.size(), end - start - open.size());
}

#endif
