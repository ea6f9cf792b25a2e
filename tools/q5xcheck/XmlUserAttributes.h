#ifndef Q5XCHECK_XMLUSERATTRIBUTES_H
#define Q5XCHECK_XMLUSERATTRIBUTES_H

#include "Report.h"

#include <tinyxml2.h>

#include <cstdint>
#include <set>
#include <string>

// Checks the UserAttributes section: each UserAttribute names a Scene node, each Attribute has a
// name, a known type and a non-empty value of that type.
void checkXmlUserAttributes(const tinyxml2::XMLElement* section, const std::set<std::uint32_t>& nodeIds, const std::string& file,
                            Report& report);

#endif
