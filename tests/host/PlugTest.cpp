#include "SceneFixture.h"

#include <maya/MFnAttribute.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnEnumAttribute.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MItDependencyGraph.h>
#include <maya/MItDependencyNodes.h>
#include <maya/MPlug.h>

namespace {

MObject nodeNamed(const char* name) {
    MSelectionList list;
    list.add(name);
    MObject node;
    list.getDependNode(0, node);
    return node;
}

}  // namespace

TEST_F(SceneTest, DynamicAttributesKeepTheirTypesAndValues) {
    load("extra_attributes.ma");
    MFnDependencyNode crate(nodeNamed("crate"));
    EXPECT_TRUE(crate.findPlug("q5X_physics", true).asBool());
    EXPECT_EQ(crate.findPlug("q5X_lod", true).asInt(), 3);  // its default
    EXPECT_DOUBLE_EQ(crate.findPlug("q5X_mass", true).asDouble(), 12.5);
    EXPECT_EQ(crate.findPlug("q5X_tag", true).asString(), "wooden \"crate\"");
    EXPECT_DOUBLE_EQ(crate.findPlug("offsetY", true).asDouble(), 2.0);
    EXPECT_DOUBLE_EQ(crate.findPlug("offset", true).child(2).asDouble(), 3.0);

    const MPlug material = crate.findPlug("q5X_material", true);
    EXPECT_EQ(material.asInt(), 5);
    MFnEnumAttribute enumeration(material.attribute());
    EXPECT_EQ(enumeration.fieldName(5), "metal");
    EXPECT_EQ(enumeration.fieldName(6), "stone");
    EXPECT_EQ(MFnNumericAttribute(crate.attribute("q5X_lod")).unitType(), MFnNumericData::kLong);
    EXPECT_EQ(MFnTypedAttribute(crate.attribute("q5X_tag")).attrType(), MFnData::kString);
    EXPECT_TRUE(MFnAttribute(crate.attribute("q5X_mass")).isDynamic());
    EXPECT_FALSE(MFnAttribute(crate.attribute("translate")).isDynamic());
    EXPECT_FALSE(crate.hasAttribute("q5X_missing"));
    MStatus status;
    crate.findPlug("q5X_missing", true, &status);
    EXPECT_FALSE(status);

    unsigned dynamicCount = 0;
    for (unsigned i = 0; i < crate.attributeCount(); ++i) dynamicCount += MFnAttribute(crate.attribute(i)).isDynamic() ? 1 : 0;
    EXPECT_EQ(dynamicCount, 9u);  // five q5X_ attributes, the compound and its three children
}

TEST_F(SceneTest, ANameLooksUpWhatItSaysAfterEveryChange) {
    // An MString keeps what look-ups worked out of it: every change of its text must drop that.
    load("extra_attributes.ma");
    MFnDependencyNode crate(nodeNamed("crate"));
    MString name("q5X_mass");
    EXPECT_DOUBLE_EQ(crate.findPlug(name, true).asDouble(), 12.5);
    name = "offset";
    EXPECT_TRUE(crate.findPlug(name, true).isCompound());
    name += "Y";
    EXPECT_DOUBLE_EQ(crate.findPlug(name, true).asDouble(), 2.0);
    MString copy(name);
    EXPECT_DOUBLE_EQ(crate.findPlug(copy, true).asDouble(), 2.0);
    copy = MString("offset");
    copy += ".offsetZ";  // a path now, no longer a plain name
    EXPECT_DOUBLE_EQ(crate.findPlug(copy, true).asDouble(), 3.0);
    const MString upper("OFFSET");
    EXPECT_FALSE(crate.hasAttribute(upper));
    EXPECT_TRUE(crate.hasAttribute(upper.toLowerCase()));
    EXPECT_FALSE(crate.hasAttribute(upper.toLowerCase().toUpperCase()));
}

TEST_F(SceneTest, MultiElementsRangesAndSparseForms) {
    load("extra_attributes.ma");
    MFnDependencyNode shape(nodeNamed("crateShape"));
    const MPlug vertices = shape.findPlug("vrts", true);
    EXPECT_EQ(vertices.numElements(), 4u);
    EXPECT_DOUBLE_EQ(vertices.elementByLogicalIndex(1).child(0).asDouble(), 1.0);
    EXPECT_DOUBLE_EQ(vertices.elementByLogicalIndex(2).child(1).asDouble(), 5.0);  // set again later

    MFnDependencyNode skin(nodeNamed("skin"));
    const MPlug weights = skin.findPlug("wl", true).elementByLogicalIndex(0).child(0);
    EXPECT_EQ(weights.numElements(), 2u);
    EXPECT_DOUBLE_EQ(weights.elementByLogicalIndex(3).asDouble(), 0.75);
    EXPECT_DOUBLE_EQ(skin.findPlug("wl", true).elementByLogicalIndex(1).child(0).elementByLogicalIndex(1).asDouble(), 1.0);
}

TEST_F(SceneTest, ConnectionsInBothDirections) {
    load("extra_attributes.ma");
    MFnDependencyNode group(nodeNamed("initialShadingGroup"));
    const MPlug members = group.findPlug("dagSetMembers", true);
    EXPECT_EQ(members.numElements(), 2u);
    MPlugArray sources;
    ASSERT_TRUE(members.elementByLogicalIndex(1).connectedTo(sources, true, false));
    ASSERT_EQ(sources.length(), 1u);
    EXPECT_EQ(sources[0].name(), "crate.iog");
    EXPECT_EQ(sources[0].partialName(false, false, false, false, false, true), "instObjGroups");

    MFnDependencyNode crate(nodeNamed("crate"));
    MPlugArray destinations;
    ASSERT_TRUE(crate.findPlug("worldMatrix", true).connectedTo(destinations, false, true));
    EXPECT_EQ(destinations[0].name(), "skin.ma[0]");
    EXPECT_TRUE(group.isDefaultNode());
    EXPECT_FALSE(crate.isDefaultNode());

    MObject shapeNode = nodeNamed("crateShape");
    MItDependencyGraph downstream(shapeNode, MFn::kShadingEngine, MItDependencyGraph::kDownstream);
    ASSERT_FALSE(downstream.isDone());
    EXPECT_EQ(MFnDependencyNode(downstream.currentItem()).name(), "initialShadingGroup");
    MObject skinNode = nodeNamed("skin");
    MItDependencyGraph upstream(skinNode, MFn::kTransform, MItDependencyGraph::kUpstream);
    ASSERT_FALSE(upstream.isDone());
    EXPECT_EQ(MFnDependencyNode(upstream.currentItem()).name(), "crate");
    upstream.next();
    EXPECT_TRUE(upstream.isDone());

    unsigned shadingEngines = 0;
    for (MItDependencyNodes it(MFn::kShadingEngine); !it.isDone(); it.next()) ++shadingEngines;
    EXPECT_EQ(shadingEngines, 2u);  // initialShadingGroup and initialParticleSE
}
