#include "MeshShading.h"

#include <maya/MFnDependencyNode.h>
#include <maya/MFnMesh.h>
#include <maya/MIntArray.h>
#include <maya/MObjectArray.h>
#include <maya/MPlug.h>
#include <maya/MPlugArray.h>

#include <algorithm>

namespace {

MPlug sourceOf(const MPlug& plug) {
    MPlugArray sources;
    if (!plug.connectedTo(sources, true, false) || sources.length() == 0) return MPlug();
    return sources[0];
}

bool hasIncoming(const MFnDependencyNode& node, const char* name) {
    MStatus status;
    const MPlug plug = node.findPlug(name, true, &status);
    return status && !sourceOf(plug).isNull();
}

}  // namespace

MeshShading lookUpShading(const MObject& mesh) {
    MeshShading shading;
    MObjectArray groups;
    MIntArray indices;
    MFnMesh(mesh).getConnectedShaders(0, groups, indices);
    int highest = -1;
    for (unsigned i = 0; i < indices.length(); ++i) highest = std::max(highest, indices[i]);
    shading.usedGroups = std::size_t(std::min(highest + 1, int(groups.length())));
    for (unsigned g = 0; g < groups.length(); ++g) {
        const MFnDependencyNode group(groups[g]);
        MeshShading::Group entry;
        entry.name = group.name().asChar();
        MStatus status;
        const MPlug surfaceShader = group.findPlug("surfaceShader", true, &status);
        if (!status) {
            entry.link = MeshShading::Link::NoSurfaceShader;
        } else {
            const MPlug source = sourceOf(surfaceShader);
            entry.link = source.isNull() ? MeshShading::Link::NothingConnected : MeshShading::Link::Material;
            if (!source.isNull()) entry.material = source.node();
        }
        shading.groups.push_back(entry);
    }
    return shading;
}

bool requestsTangents(const MeshShading& shading) {
    for (const MeshShading::Group& group : shading.groups) {
        if (group.material.isNull()) continue;
        const MFnDependencyNode material(group.material);
        if (hasIncoming(material, "normalCamera") || hasIncoming(material, "normalMap")) return true;
    }
    return false;
}

std::vector<std::string> materialSlotNames(const MeshShading& shading, const std::vector<std::uint32_t>* remap) {
    std::vector<std::string> slots;
    for (std::size_t k = 0; k < shading.usedGroups; ++k) {
        const MObject& material = shading.groups[k].material;
        if (material.isNull()) continue;
        MStatus status;
        const MPlug slotName = MFnDependencyNode(material).findPlug("slotName", true, &status);
        MString text;
        if (!status || !slotName.getValue(text) || text.length() == 0) continue;
        std::uint32_t slot = std::uint32_t(k);
        if (remap && slot < remap->size()) slot = (*remap)[slot];
        if (slots.size() <= slot) slots.resize(std::size_t(slot) + 1);
        slots[slot] = text.asChar();
    }
    return slots;
}
