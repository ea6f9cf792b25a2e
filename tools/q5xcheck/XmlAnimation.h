#ifndef Q5XCHECK_XMLANIMATION_H
#define Q5XCHECK_XMLANIMATION_H

#include "Report.h"

#include <tinyxml2.h>

#include <string>

// Checks one Keyframes element of the Animation section: keyframe times finite and ascending,
// translation, rotation and scale three finite numbers each, visibility "true" or "false".
void checkXmlKeyframes(const tinyxml2::XMLElement* keyframes, const std::string& file, Report& report);

#endif
