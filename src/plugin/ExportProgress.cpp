#include "ExportProgress.h"

#include <maya/MGlobal.h>

#include <cstdio>

namespace {

constexpr double kLongSectionSeconds = 1.0;

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

bool timingsRequested() {
    MString answer;
    return MGlobal::executeCommand("optionVar -q \"q5xExportTimings\"", answer, false, false) && answer == "1";
}

}  // namespace

std::string groupedCount(std::size_t count) {
    std::string digits = std::to_string(count);
    for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, ",");
    return digits;
}

ExportProgress::ExportProgress(bool verbose) : everything_(verbose || timingsRequested()), shapesStart_(std::chrono::steady_clock::now()) {}

ExportProgress::Section::Section(ExportProgress& progress, const char* name)
    : progress_(progress), name_(name), start_(std::chrono::steady_clock::now()) {
    progress_.shapesStart_ = start_;
    progress_.lastTenth_ = 0;
}

ExportProgress::Section::~Section() {
    const double seconds = secondsSince(start_);
    if (!progress_.everything_ && seconds < kLongSectionSeconds) return;
    char text[128];
    std::snprintf(text, sizeof text, "q5xExport: %s took %.3f s", name_, seconds);
    MGlobal::displayInfo(text);
}

void ExportProgress::shapes(std::size_t done, std::size_t total) {
    if (total == 0) return;
    const std::size_t tenth = done * 10 / total;
    if (tenth == lastTenth_) return;
    lastTenth_ = tenth;
    if (!everything_ && secondsSince(shapesStart_) < kLongSectionSeconds) return;
    MGlobal::displayInfo(MString(("q5xExport: shapes " + std::to_string(tenth * 10) + "% (" + groupedCount(done) + " of " +
                                  groupedCount(total) + ")")
                                     .c_str()));
}
