#ifndef Q5X_LOOKUP_FILEPATHS_H
#define Q5X_LOOKUP_FILEPATHS_H

#include <string>

// The key under which a file name found in the scene goes into the Files table: a relative name
// below the scene's folder ("./" dropped), a "$" name resolved against the game path when game
// relative paths are asked for and a game path is set, "../" collapsed (never past a drive, a
// root or a network share: what climbs higher is dropped), ".dds" made ".png", backslashes made
// '/'. An empty name stays empty, and registers nothing.
std::string resolveFilePath(const std::string& name, bool gameRelativePaths, const std::string& gamePath,
                            const std::string& sceneDirectory);

// Collapses "dir/../" pairs of the '/'-separated part of a path; "../" that would climb past an
// absolute path's root (a drive, '/', a share) are dropped; a relative path keeps those it cannot
// collapse in front.
std::string collapseWithinRoot(const std::string& path);

#endif
