// The plain value arrays of the API.
#include <maya/MDoubleArray.h>
#include <maya/MIntArray.h>
#include <maya/MStringArray.h>

MStringArray::MStringArray() = default;
MStringArray::MStringArray(unsigned int count, const MString& initial) : elements_(count, initial) {}
unsigned int MStringArray::length() const { return static_cast<unsigned int>(elements_.size()); }
MStatus MStringArray::setLength(unsigned int length) {
    elements_.resize(length);
    return MStatus::kSuccess;
}
MStatus MStringArray::append(const MString& element) {
    elements_.push_back(element);
    return MStatus::kSuccess;
}
MStatus MStringArray::remove(unsigned int index) {
    if (index >= elements_.size()) return MStatus::kInvalidParameter;
    elements_.erase(elements_.begin() + index);
    return MStatus::kSuccess;
}
MStatus MStringArray::clear() {
    elements_.clear();
    return MStatus::kSuccess;
}
const MString& MStringArray::operator[](unsigned int index) const { return elements_.at(index); }
MString& MStringArray::operator[](unsigned int index) { return elements_.at(index); }

MDoubleArray::MDoubleArray() = default;
MDoubleArray::MDoubleArray(unsigned int count, double initial) : elements_(count, initial) {}
unsigned int MDoubleArray::length() const { return static_cast<unsigned int>(elements_.size()); }
MStatus MDoubleArray::setLength(unsigned int length) {
    elements_.resize(length);
    return MStatus::kSuccess;
}
MStatus MDoubleArray::append(double element) {
    elements_.push_back(element);
    return MStatus::kSuccess;
}
MStatus MDoubleArray::clear() {
    elements_.clear();
    return MStatus::kSuccess;
}
double MDoubleArray::operator[](unsigned int index) const { return elements_[index]; }
double& MDoubleArray::operator[](unsigned int index) { return elements_[index]; }

MIntArray::MIntArray() = default;
MIntArray::MIntArray(unsigned int count, int initial) : elements_(count, initial) {}
unsigned int MIntArray::length() const { return static_cast<unsigned int>(elements_.size()); }
MStatus MIntArray::setLength(unsigned int length) {
    elements_.resize(length);
    return MStatus::kSuccess;
}
MStatus MIntArray::append(int element) {
    elements_.push_back(element);
    return MStatus::kSuccess;
}
MStatus MIntArray::clear() {
    elements_.clear();
    return MStatus::kSuccess;
}
int MIntArray::operator[](unsigned int index) const { return elements_[index]; }
int& MIntArray::operator[](unsigned int index) { return elements_[index]; }
