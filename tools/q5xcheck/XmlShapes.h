#ifndef Q5XCHECK_XMLSHAPES_H
#define Q5XCHECK_XMLSHAPES_H

#include "Report.h"

#include <tinyxml2.h>

#include <cstdint>
#include <string>

// Checks one IndexedTriangleSet element of the Shapes section: counts against the data, indices,
// subset ranges, finite numbers, unit normals, the bounding sphere. False when it has no shapeId.
// `blendIndexSpan` receives one more than its highest blend index (0 without).
bool checkXmlTriangleSet(const tinyxml2::XMLElement* set, const std::string& file, Report& report, std::uint32_t& shapeId,
                         std::uint32_t& blendIndexSpan);

// Checks one NurbsCurve element: its degree and form, and that every control vertex holds three
// finite numbers. False when it has no shapeId.
bool checkXmlCurve(const tinyxml2::XMLElement* curve, const std::string& file, Report& report, std::uint32_t& shapeId);

#endif
