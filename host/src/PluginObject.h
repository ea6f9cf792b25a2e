#ifndef MAYAHOST_PLUGINOBJECT_H
#define MAYAHOST_PLUGINOBJECT_H

#include "ObjectData.h"

#include <string>

namespace mayahost {

// What the application knows of one loaded plug-in.
class PluginObject : public ObjectData {
public:
    explicit PluginObject(std::string name) : name(std::move(name)) {}
    MFn::Type apiType() const override { return MFn::kPlugin; }
    const char* apiTypeStr() const override { return "kPlugin"; }

    std::string name;
    std::string vendor;
    std::string version;
};

}  // namespace mayahost

#endif
