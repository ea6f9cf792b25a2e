#ifndef Q5XCHECK_XMLPLACE_H
#define Q5XCHECK_XMLPLACE_H

#include <tinyxml2.h>

#include <string>

// Where a report points in a document: the element, its name when it has one, and its line.
inline std::string placeOf(const tinyxml2::XMLElement* element) {
    std::string place = element->Name();
    if (const char* name = element->Attribute("name")) place += " \"" + std::string(name) + "\"";
    return place + " (line " + std::to_string(element->GetLineNum()) + ")";
}

#endif
