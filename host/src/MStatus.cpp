#include <maya/MStatus.h>
#include <maya/MString.h>

#include "ScriptEditor.h"

MStatus::MStatus() : code_(kSuccess) {}
MStatus::MStatus(MStatusCode code) : code_(code) {}

bool MStatus::operator==(const MStatus& other) const { return code_ == other.code_; }
bool MStatus::operator==(MStatusCode code) const { return code_ == code; }
bool MStatus::operator!=(const MStatus& other) const { return code_ != other.code_; }
bool MStatus::operator!=(MStatusCode code) const { return code_ != code; }
MStatus::operator bool() const { return code_ == kSuccess; }

bool MStatus::error() const { return code_ != kSuccess; }
void MStatus::clear() { code_ = kSuccess; }
MStatus::MStatusCode MStatus::statusCode() const { return code_; }

MString MStatus::errorString() const {
    switch (code_) {
        case kSuccess: return "(kSuccess): No error";
        case kFailure: return "(kFailure): Unexpected Internal Failure";
        case kInsufficientMemory: return "(kInsufficientMemory): Insufficient Memory";
        case kInvalidParameter: return "(kInvalidParameter): Invalid Parameter";
        case kLicenseFailure: return "(kLicenseFailure): License Failure";
        case kUnknownParameter: return "(kUnknownParameter): Unknown Parameter";
        case kNotImplemented: return "(kNotImplemented): Not Implemented";
        case kNotFound: return "(kNotFound): Object not found";
        case kEndOfFile: return "(kEndOfFile): End of File";
    }
    return "(kFailure): Unexpected Internal Failure";
}

void MStatus::perror(const char* text) const {
    mayahost::ScriptEditor::instance().statusError(std::string(text) + ": " + errorString().asChar());
}

void MStatus::perror(const MString& text) const {
    perror(text.asChar());
}
