#ifndef Q5XCHECK_XMLMATERIALS_H
#define Q5XCHECK_XMLMATERIALS_H

#include "Report.h"

#include <tinyxml2.h>

#include <string>

// Checks one Material element's own content: its name, its colours (finite numbers, four for
// diffuse and emissive colours, three for the specular colour), its child elements (only the
// texture, reflection, refraction and custom shader kinds, with the attributes each needs). File
// ids are the caller's to resolve.
void checkXmlMaterial(const tinyxml2::XMLElement* material, const std::string& file, Report& report);

#endif
