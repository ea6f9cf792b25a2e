// libFuzzer target: any bytes as a Maya ASCII file must load or fail cleanly.
#include "ma/MaReader.h"
#include "scene/Scene.h"

#include <mayahost/Host.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    mayahost::setOutputStream(nullptr);
    std::string error;
    mayahost::loadMayaAsciiText(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.ma",
                                mayahost::Scene::current(), error);
    mayahost::clearMessages();
    return 0;
}
