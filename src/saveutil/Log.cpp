#include "Log.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace Q5XSaveUtil {

namespace {

// Most messages fit; longer ones are formatted again into a buffer of their size.
constexpr std::size_t kInitialBufferSize = 256;

}  // namespace

Log& Log::instance() {
    static Log log;
    return log;
}

void Log::addSink(LogSink* sink) {
    std::lock_guard<std::mutex> lock(mutex_);
    sinks_.push_back(sink);
}

void Log::removeSink(LogSink* sink) {
    std::lock_guard<std::mutex> lock(mutex_);
    sinks_.erase(std::remove(sinks_.begin(), sinks_.end(), sink), sinks_.end());
}

void Log::warning(const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    emit(false, format, arguments);
    va_end(arguments);
}

void Log::error(const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    emit(true, format, arguments);
    va_end(arguments);
}

void Log::emit(bool isError, const char* format, std::va_list arguments) {
    std::string text(kInitialBufferSize, '\0');
    std::va_list copy;
    va_copy(copy, arguments);
    const int length = std::vsnprintf(&text[0], text.size(), format, copy);
    va_end(copy);
    if (length < 0) return;
    if (static_cast<std::size_t>(length) >= text.size()) {
        text.resize(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(&text[0], text.size(), format, arguments);
    }
    text.resize(static_cast<std::size_t>(length));

    std::lock_guard<std::mutex> lock(mutex_);
    for (LogSink* sink : sinks_) {
        if (isError) {
            sink->error(text.data(), text.size());
        } else {
            sink->warning(text.data(), text.size());
        }
    }
}

}  // namespace Q5XSaveUtil
