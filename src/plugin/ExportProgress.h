#ifndef Q5X_PLUGIN_EXPORTPROGRESS_H
#define Q5X_PLUGIN_EXPORTPROGRESS_H

#include <chrono>
#include <cstddef>
#include <string>

// Says where a long export is, through Maya's info output (script editor and batch logs): a line
// per section that took a second or more, and within the Shapes section a line every 10% of the
// shapes once it runs that long. With -verbose, or when the "q5xExportTimings" option variable is
// on (q5xhost --timings sets it), every section says how long it took.
class ExportProgress {
public:
    explicit ExportProgress(bool verbose);

    // Times one section from construction to destruction.
    class Section {
    public:
        Section(ExportProgress& progress, const char* name);
        ~Section();
        Section(const Section&) = delete;
        Section& operator=(const Section&) = delete;

    private:
        ExportProgress& progress_;
        const char* name_;
        std::chrono::steady_clock::time_point start_;
    };

    // `done` of `total` shapes are written.
    void shapes(std::size_t done, std::size_t total);

private:
    bool everything_;
    std::chrono::steady_clock::time_point shapesStart_;
    std::size_t lastTenth_ = 0;
};

// "10,000": counts as a user reads them.
std::string groupedCount(std::size_t count);

#endif
