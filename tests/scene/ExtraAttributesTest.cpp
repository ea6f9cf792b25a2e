#include "scene/ExtraAttributes.h"
#include "saveutil/XmlWriter.h"

#include <mayahost/Host.h>
#include <maya/MSelectionList.h>

#include <gtest/gtest.h>



namespace {

class ExtraAttributes : public ::testing::Test {
protected:
    void SetUp() override {
        mayahost::setOutputStream(nullptr);
        std::string error;
        ASSERT_TRUE(mayahost::openScene(std::string(Q5X_TEST_SCENES) + "/extra_attribute_edges.ma", error)) << error;
    }
    void TearDown() override { mayahost::resetScene(); }

    static MFnDependencyNode node(const char* name) {
        MSelectionList list;
        list.add(name);
        MObject object;
        list.getDependNode(0, object);
        return MFnDependencyNode(object);
    }

    static std::string table(const char* name, const ExtraAttribute* rows, unsigned count) {
        std::string out;
        Q5XSaveUtil::XmlWriter writer(out);
        writeExtraAttributeRows(node(name), rows, count, writer);
        return out;
    }
};

}  // namespace

TEST_F(ExtraAttributes, TablesWriteOnlyWhatDiffersFromTheDefaults) {
    // 12zz reads as 12; "255" is the default; 0.50005 is within 0.0001 of 0.5.
    EXPECT_EQ(table("edges", kTransformRigidBodyTable, 16), " collisionFilterGroup=\"0xc\" solverIterationCount=\"8\"");
    // A mask of 0 differs from 255; a negative unsigned is left out; true equals the default.
    EXPECT_EQ(table("edges", kRenderingTable, 10), " buildNavMeshMask=\"0x0\" decalLayer=\"3\"");
    EXPECT_EQ(table("masks", kShapePhysicsTable, 15), " collisionFilterMask=\"0x1000\"");
    EXPECT_EQ(table("masks", kVisibilityConditionTable, 10), " weatherRequiredMask=\"0xa\"");
    EXPECT_EQ(table("masks", kJointTable, 13), "");
}

TEST_F(ExtraAttributes, TheValueWriterKeepsDefaultsWhenTheRowSaysSo) {
    std::string text;
    Q5XSaveUtil::XmlWriter out(text);
    const ExtraAttributeValue unset;
    writeExtraAttributeValue(unset, kShadowTable[0], out);
    EXPECT_EQ(text, " castsShadows=\"false\"");
    ExtraAttributeValue set;
    set.isSet = true;
    set.boolValue = true;
    text.clear();
    writeExtraAttributeValue(set, kShadowTable[1], out);
    EXPECT_EQ(text, " receiveShadows=\"true\"");
    text.clear();
    writeExtraAttributeValue(unset, kRenderingTable[0], out);
    EXPECT_EQ(text, "");
    // An enumeration reads as its field name.
    EXPECT_EQ(node("edges").findPlug("q5X_castsShadows", true).asString(), "yes");
}

TEST(FixedText, SixDecimalsAndValuesTooLongForTheShortForm) {
    EXPECT_EQ(Q5XSaveUtil::fixedNumberText(1.5f), "1.5");
    EXPECT_EQ(Q5XSaveUtil::fixedNumberText(-0.0000001f), "0");
    EXPECT_EQ(Q5XSaveUtil::fixedNumberText(123456789.0f), "123456792");
    EXPECT_EQ(Q5XSaveUtil::fixedNumberText(-98765432.0f), "-98765432");
}
