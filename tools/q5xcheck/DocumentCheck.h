#ifndef Q5XCHECK_DOCUMENTCHECK_H
#define Q5XCHECK_DOCUMENTCHECK_H

#include "Report.h"

#include <string>

struct CheckOptions {
    bool dump = false;
};

// Checks a Q5X document and the companion files it names. Returns false when a file cannot be
// read at all; problems go to the report. With `dump`, `dumped` receives the companion shape
// records as the exporter's XML.
bool checkDocument(const std::string& path, const CheckOptions& options, Report& report, std::string& dumped);
// The same for a document's text; companion files are looked for beside `path`.
bool checkDocumentText(const std::string& text, const std::string& path, const CheckOptions& options, Report& report,
                       std::string& dumped);

#endif
