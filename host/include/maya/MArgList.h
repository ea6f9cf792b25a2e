#ifndef MAYA_MARGLIST_H
#define MAYA_MARGLIST_H

#include <maya/MDoubleArray.h>
#include <maya/MIntArray.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MStringArray.h>

#include <string>
#include <vector>

// The arguments of one command invocation, as the command line gave them.
class MArgList {
public:
    MArgList();

    unsigned int length(MStatus* ReturnStatus = NULL) const;

    bool asBool(unsigned int index, MStatus* ReturnStatus = NULL) const;
    int asInt(unsigned int index, MStatus* ReturnStatus = NULL) const;
    double asDouble(unsigned int index, MStatus* ReturnStatus = NULL) const;
    MString asString(unsigned int index, MStatus* ReturnStatus = NULL) const;
    // Array readers take the index by reference and move it past what they read.
    MDoubleArray asDoubleArray(unsigned int& index, MStatus* ReturnStatus = NULL) const;
    MIntArray asIntArray(unsigned int& index, MStatus* ReturnStatus = NULL) const;
    MStringArray asStringArray(unsigned int& index, MStatus* ReturnStatus = NULL) const;

    // Index of the argument "-shortFlag" or "-longFlag", or kInvalidArgIndex.
    unsigned int flagIndex(const char* shortFlag, const char* longFlag = NULL) const;

    MStatus addArg(bool value);
    MStatus addArg(int value);
    MStatus addArg(double value);
    MStatus addArg(const MString& value);
    MStatus addArg(const MDoubleArray& values);
    MStatus addArg(const MIntArray& values);
    MStatus addArg(const MStringArray& values);

    static const unsigned int kInvalidArgIndex;

private:
    enum class Kind { Bool, Int, Double, String, IntArray, DoubleArray, StringArray };
    struct Argument {
        Kind kind;
        double number;
        std::string text;
        std::vector<double> numbers;
        std::vector<std::string> texts;
    };
    const Argument* argument(unsigned int index, MStatus* ReturnStatus) const;

    std::vector<Argument> arguments_;
};

#endif
