#include "XmlAnimation.h"

#include "Numbers.h"

#include <cstdlib>
#include <cstring>

using tinyxml2::XMLElement;

void checkXmlKeyframes(const XMLElement* keyframes, const std::string& file, Report& report) {
    bool first = true;
    double previous = 0.0;
    for (const XMLElement* keyframe = keyframes->FirstChildElement("Keyframe"); keyframe;
         keyframe = keyframe->NextSiblingElement("Keyframe")) {
        const std::string where = "Keyframe (line " + std::to_string(keyframe->GetLineNum()) + ")";
        const char* time = keyframe->Attribute("time");
        if (!time || !isFiniteNumberList(time, 1)) {
            report.error(file, where, "a keyframe's time is not a finite number");
            continue;
        }
        const double value = std::strtod(time, nullptr);
        if (!first && value <= previous) report.error(file, where, "keyframe times do not ascend");
        first = false;
        previous = value;
        for (const char* group : {"translation", "rotation", "scale"}) {
            const char* values = keyframe->Attribute(group);
            if (values && !isFiniteNumberList(values, 3)) report.error(file, where, std::string(group) + " is not 3 finite numbers");
        }
        const char* visibility = keyframe->Attribute("visibility");
        if (visibility && std::strcmp(visibility, "true") != 0 && std::strcmp(visibility, "false") != 0) {
            report.error(file, where, "visibility is neither \"true\" nor \"false\"");
        }
        report.count("keyframes");
    }
}
