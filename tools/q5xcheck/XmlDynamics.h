#ifndef Q5XCHECK_XMLDYNAMICS_H
#define Q5XCHECK_XMLDYNAMICS_H

#include "Report.h"

#include <tinyxml2.h>

#include <cstdint>
#include <set>
#include <string>

// Checks the Dynamics section: only ParticleSystem elements, each naming a Dynamic node of the
// Scene by dynamicId, with finite settings, a maxCount of 1 or more, true/false switches, and
// Gravity and Air children of three finite numbers.
void checkXmlDynamics(const tinyxml2::XMLElement* section, const std::set<std::uint32_t>& dynamicIds, const std::string& file,
                      Report& report);

#endif
