#ifndef Q5X_SCENE_NODETABLE_H
#define Q5X_SCENE_NODETABLE_H

#include <cstdint>
#include <map>
#include <string>

// What later sections need to know of a node written to the Scene section.
struct NodeRecord {
    std::uint32_t nodeId = 0;
};

// Partial DAG path name of every exported transform to its record.
using NodeTable = std::map<std::string, NodeRecord>;

#endif
