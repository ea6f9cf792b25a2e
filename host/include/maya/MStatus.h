#ifndef MAYA_MSTATUS_H
#define MAYA_MSTATUS_H

#include <cstddef>

class MString;

// Result of an API call. Converts to true on success.
class MStatus {
public:
    enum MStatusCode {
        kSuccess = 0,
        kFailure,
        kInsufficientMemory,
        kInvalidParameter,
        kLicenseFailure,
        kUnknownParameter,
        kNotImplemented,
        kNotFound,
        kEndOfFile
    };

    // The small members are inline: a plug-in checks a status after nearly every call.
    MStatus() : code_(kSuccess) {}
    MStatus(MStatusCode code) : code_(code) {}

    bool operator==(const MStatus& other) const { return code_ == other.code_; }
    bool operator==(MStatusCode code) const { return code_ == code; }
    bool operator!=(const MStatus& other) const { return code_ != other.code_; }
    bool operator!=(MStatusCode code) const { return code_ != code; }
    operator bool() const { return code_ == kSuccess; }

    bool error() const { return code_ != kSuccess; }
    void clear() { code_ = kSuccess; }
    MStatusCode statusCode() const { return code_; }
    MString errorString() const;
    void perror(const char* text) const;
    void perror(const MString& text) const;

private:
    MStatusCode code_;
};

using MS = MStatus;

#endif
