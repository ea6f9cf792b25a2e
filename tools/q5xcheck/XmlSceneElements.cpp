#include "XmlSceneElements.h"

#include "Numbers.h"

#include <cstdlib>
#include <cstring>

using tinyxml2::XMLElement;

namespace {

std::string placeOf(const XMLElement* element) {
    std::string place = element->Name();
    if (const char* name = element->Attribute("name")) place += " \"" + std::string(name) + "\"";
    return place + " (line " + std::to_string(element->GetLineNum()) + ")";
}

void checkNumber(const XMLElement* node, const char* attribute, const std::string& file, Report& report) {
    const char* text = node->Attribute(attribute);
    if (text && !isFiniteNumberList(text, 1)) report.error(file, placeOf(node), std::string(attribute) + " is not a finite number");
}

void checkLight(const XMLElement* light, const std::string& file, Report& report) {
    const char* type = light->Attribute("type");
    bool known = false;
    for (const char* name : {"ambient", "area", "directional", "point", "spot", "unknown"}) known = known || (type && std::strcmp(type, name) == 0);
    if (!known) report.error(file, placeOf(light), "a Light without a known type");
    const char* colour = light->Attribute("color");
    if (!colour || !isFiniteNumberList(colour, 3)) report.error(file, placeOf(light), "a Light's color is not 3 finite numbers");
    for (const char* attribute : {"range", "depthMapBias", "softShadowsLightSize", "softShadowsLightDistance", "softShadowsDepthBiasFactor",
                                  "softShadowsMaxPenumbraSize", "scatteringIntensity", "scatteringConeAngle", "coneAngle", "dropOff"}) {
        checkNumber(light, attribute, file, report);
    }
    std::uint32_t resolution = 0;
    const char* resolutionText = light->Attribute("depthMapResolution");
    if (resolutionText && (!parseUnsigned(resolutionText, resolution) || resolution == 0)) {
        report.error(file, placeOf(light), "depthMapResolution is not a positive whole number");
    }
    report.count("lights");
}

void checkCamera(const XMLElement* camera, const std::string& file, Report& report) {
    for (const char* attribute : {"fov", "nearClip", "farClip"}) {
        if (!camera->Attribute(attribute)) report.error(file, placeOf(camera), std::string("a Camera without ") + attribute);
        checkNumber(camera, attribute, file, report);
    }
    const double fov = camera->DoubleAttribute("fov", 60.0);
    if (!(fov > 0.0 && fov < 180.0)) report.warning(file, placeOf(camera), "the field of view is not between 0 and 180 degrees");
    report.count("cameras");
}

}  // namespace

void checkLightOrCamera(const XMLElement* node, const std::string& file, Report& report) {
    if (std::strcmp(node->Name(), "Light") == 0) checkLight(node, file, report);
    if (std::strcmp(node->Name(), "Camera") == 0) checkCamera(node, file, report);
}
