#ifndef Q5X_MODEL_NAMETABLE_H
#define Q5X_MODEL_NAMETABLE_H

#include <cstdint>
#include <map>
#include <string>

// Names with identifiers: a new name gets the table size plus one, a known name keeps its own.
// Listed in name order (byte-wise), not in identifier order.
class NameTable {
public:
    std::uint32_t insert(const std::string& name) {
        const auto found = ids_.find(name);
        if (found != ids_.end()) return found->second;
        const auto id = static_cast<std::uint32_t>(ids_.size() + 1);
        ids_.emplace(name, id);
        return id;
    }
    const std::map<std::string, std::uint32_t>& entries() const { return ids_; }

private:
    std::map<std::string, std::uint32_t> ids_;
};

using MaterialTable = NameTable;
using FileTable = NameTable;

#endif
