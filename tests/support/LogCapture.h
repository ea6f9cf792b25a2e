#ifndef Q5X_TESTS_LOGCAPTURE_H
#define Q5X_TESTS_LOGCAPTURE_H

#include "saveutil/Log.h"

#include <string>
#include <vector>

// Collects what the support library logs while it is alive.
class LogCapture : public Q5XSaveUtil::LogSink {
public:
    LogCapture() { Q5XSaveUtil::Log::instance().addSink(this); }
    ~LogCapture() override { Q5XSaveUtil::Log::instance().removeSink(this); }

    void warning(const char* text, std::size_t length) override { warnings.emplace_back(text, length); }
    void error(const char* text, std::size_t length) override { errors.emplace_back(text, length); }

    std::vector<std::string> warnings;
    std::vector<std::string> errors;
};

#endif
