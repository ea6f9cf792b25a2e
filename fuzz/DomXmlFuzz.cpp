// libFuzzer target: any bytes as a custom shader or parameter template file must parse or fail
// cleanly, and path queries over whatever parsed must neither crash nor run away.
#include "saveutil/DomXMLFile.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Q5XSaveUtil::DomXMLFile file;
    if (!file.parse(reinterpret_cast<const char*>(data), size)) return 0;
    const char* root = file.getText("CustomShader#name", false);
    (void)root;
    const std::size_t parameters = file.count("CustomShader.Parameters.Parameter");
    for (std::size_t i = 0; i < parameters && i < 64; ++i) {
        const std::string parameter = "CustomShader.Parameters.Parameter(" + std::to_string(i) + ")";
        file.getText(parameter + "#name", false);
        file.getText(parameter + ".Default", true);
        file.getArraySize(parameter);
        file.count(parameter + ".*");
    }
    file.getText("ParameterTemplate.*(3).*(1)#value", false);
    return 0;
}
