#include "XmlDynamics.h"

#include "Numbers.h"
#include "XmlPlace.h"

#include <cstring>

using tinyxml2::XMLElement;

namespace {

bool isSwitch(const char* text) {
    return text && (std::strcmp(text, "true") == 0 || std::strcmp(text, "false") == 0);
}

void checkParticleSystem(const XMLElement* system, const std::set<std::uint32_t>& dynamicIds, const std::string& file,
                         Report& report) {
    const std::string place = placeOf(system);
    std::uint32_t id = 0;
    const char* idText = system->Attribute("dynamicId");
    if (!idText || !parseUnsigned(idText, id) || !dynamicIds.count(id)) {
        report.error(file, place, "dynamicId " + std::string(idText ? idText : "(missing)") + " names no Dynamic node");
    }
    for (const char* setting : {"rate", "speed", "speedRandom", "tangentSpeed", "normalSpeed", "lifespan", "spriteScaleX", "spriteScaleY"}) {
        const char* text = system->Attribute(setting);
        if (!text || !isFiniteNumberList(text, 1)) report.error(file, place, std::string(setting) + " is not a finite number");
    }
    std::uint32_t maxCount = 0;
    const char* countText = system->Attribute("maxCount");
    if (!countText || !parseUnsigned(countText, maxCount) || maxCount < 1) report.error(file, place, "maxCount is not a count of 1 or more");
    for (const char* flag : {"lifespanInfinite", "depthSort"}) {
        if (!isSwitch(system->Attribute(flag))) report.error(file, place, std::string(flag) + " is not true or false");
    }
    for (const XMLElement* force = system->FirstChildElement(); force; force = force->NextSiblingElement()) {
        const bool gravity = std::strcmp(force->Name(), "Gravity") == 0, air = std::strcmp(force->Name(), "Air") == 0;
        const char* vector = gravity ? force->Attribute("force") : air ? force->Attribute("velocity") : nullptr;
        if (!gravity && !air) {
            report.error(file, placeOf(force), "a ParticleSystem holds only Gravity and Air elements");
        } else if (!vector || !isFiniteNumberList(vector, 3)) {
            report.error(file, placeOf(force), "its vector is not three finite numbers");
        }
    }
    report.count("particle systems");
}

}  // namespace

void checkXmlDynamics(const XMLElement* section, const std::set<std::uint32_t>& dynamicIds, const std::string& file, Report& report) {
    for (const XMLElement* system = section->FirstChildElement(); system; system = system->NextSiblingElement()) {
        if (std::strcmp(system->Name(), "ParticleSystem") != 0) {
            report.error(file, placeOf(system), "the Dynamics section holds only ParticleSystem elements");
            continue;
        }
        checkParticleSystem(system, dynamicIds, file, report);
    }
}
