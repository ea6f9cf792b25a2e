#ifndef Q5X_PLUGIN_EXPORTPATHS_H
#define Q5X_PLUGIN_EXPORTPATHS_H

#include <string>

// The output path with every '$' read as '/', made absolute against the working folder when it
// is relative (printing "CWD: " then). The path stays relative when the folder is unknown.
std::string normalizeOutputPath(const std::string& fileFlag);
// The game root with every '$' read as '/' and exactly one trailing '/'; empty when not given.
std::string normalizeGamePath(bool hasGamePath, const std::string& gamePathFlag);
// Everything up to and including the last '/'; a path without '/' is its own folder part.
std::string folderPart(const std::string& path);
// The folder the run's file loader is rooted at: up to the last '/', empty when there is none or
// it is the first character.
std::string loaderRoot(const std::string& outputPath);
// The document name: the scene file's name without folder and extension, "untitled" without a file.
std::string documentName(const std::string& sceneFileName);

#endif
