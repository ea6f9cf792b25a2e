#ifndef Q5X_MATERIALS_FILESSECTION_H
#define Q5X_MATERIALS_FILESSECTION_H

#include "model/ExportOptions.h"
#include "model/NameTable.h"
#include "saveutil/XmlWriter.h"

#include <cstdint>
#include <string>

// The Files section: every file of the Files table, in name order, with its id. Bare names are
// placed in the project's source-images folder (asked of Maya's workspace); names below the game
// path become "$..." with "-gameRelativePaths"; with "-relativePaths" names are written relative
// to the output document's folder. Text goes through the XML writer's escaping.
bool writeFilesSection(const ExportContext& context, const FileTable& files, Q5XSaveUtil::XmlWriter& out);

// One File element; `sourceImagesDirectory` ends in '/' or is empty.
bool writeFileElement(const ExportContext& context, const std::string& name, std::uint32_t id,
                      const std::string& sourceImagesDirectory, Q5XSaveUtil::XmlWriter& out);

#endif
