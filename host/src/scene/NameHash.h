#ifndef MAYAHOST_NAMEHASH_H
#define MAYAHOST_NAMEHASH_H

#include <cstddef>
#include <functional>
#include <string_view>

namespace mayahost {

// Hashes attribute names and plug keys for the look-up tables of nodes and types. Being our own
// hasher, it lets the standard library hash small tables too, where it would otherwise compare
// the key with every entry: a node's few values are looked up many times per export.
struct NameHash {
    std::size_t operator()(std::string_view name) const noexcept { return std::hash<std::string_view>{}(name); }
};

}  // namespace mayahost

#endif
