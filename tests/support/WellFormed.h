#ifndef Q5X_TESTS_WELLFORMED_H
#define Q5X_TESTS_WELLFORMED_H

#include <tinyxml2.h>

#include <string>

// Empty when an XML reader accepts the document, else the reader's complaint.
inline std::string xmlProblem(const std::string& document) {
    tinyxml2::XMLDocument xml;
    if (xml.Parse(document.c_str(), document.size()) == tinyxml2::XML_SUCCESS) return std::string();
    return xml.ErrorStr();
}

#endif
