#ifndef Q5XCHECK_XMLSCENEELEMENTS_H
#define Q5XCHECK_XMLSCENEELEMENTS_H

#include "Report.h"

#include <tinyxml2.h>

#include <string>

// Checks what a Light or Camera element of the Scene section says of itself: a known light type,
// a colour of three finite numbers, finite intensity, shadow and cone values, a positive shadow-map
// resolution; a camera's finite field of view (between 0 and 180 degrees) and clipping planes.
// Other elements pass.
void checkLightOrCamera(const tinyxml2::XMLElement* node, const std::string& file, Report& report);

#endif
