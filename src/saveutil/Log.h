#ifndef Q5XSAVEUTIL_LOG_H
#define Q5XSAVEUTIL_LOG_H

#include <cstdarg>
#include <cstddef>
#include <mutex>
#include <vector>

// Lets compilers that can check printf-style arguments do so.
#if defined(__GNUC__) || defined(__clang__)
#define Q5X_PRINTF_FORMAT(formatIndex, firstArgument) __attribute__((format(printf, formatIndex, firstArgument)))
#else
#define Q5X_PRINTF_FORMAT(formatIndex, firstArgument)
#endif

namespace Q5XSaveUtil {

// Receives finished log texts (without a terminating NUL).
class LogSink {
public:
    virtual ~LogSink() = default;
    virtual void warning(const char* text, std::size_t length) = 0;
    virtual void error(const char* text, std::size_t length) = 0;
};

// The process-wide message log of the support library. It shows nothing by itself: texts reach
// only the sinks attached to it.
class Log {
public:
    static Log& instance();

    void addSink(LogSink* sink);
    void removeSink(LogSink* sink);

    void warning(const char* format, ...) Q5X_PRINTF_FORMAT(2, 3);
    void error(const char* format, ...) Q5X_PRINTF_FORMAT(2, 3);

private:
    Log() = default;
    void emit(bool isError, const char* format, std::va_list arguments);

    std::mutex mutex_;
    std::vector<LogSink*> sinks_;
};

}  // namespace Q5XSaveUtil

#endif
