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

    MStatus();
    MStatus(MStatusCode code);

    bool operator==(const MStatus& other) const;
    bool operator==(MStatusCode code) const;
    bool operator!=(const MStatus& other) const;
    bool operator!=(MStatusCode code) const;
    operator bool() const;

    bool error() const;
    void clear();
    MStatusCode statusCode() const;
    MString errorString() const;
    void perror(const char* text) const;
    void perror(const MString& text) const;

private:
    MStatusCode code_;
};

using MS = MStatus;

#endif
