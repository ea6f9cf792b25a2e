// The UserAttributes section of a small scene, worked out by hand from its extra attributes.
#include "support/ExportRun.h"

#include <gtest/gtest.h>

TEST(UserAttributesSection, ExtraAttributesBecomeTypedValues) {
    TempFolder folder;
    const ExportRun result = runExport(folder, testScene("user_attributes.ma"), "-userattributes");
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    // A byte reads as an integer, a double of 0.1 as the float 0.1; text is escaped so a reader
    // gets back the quotes and angle brackets; "&lf;" and "&cr;" are removed; "q5X_" attributes,
    // the enum and the empty string are not written, the transform with only "q5X_" attributes
    // and the ignored one get no element. The section ends without a line feed of its own.
    EXPECT_NE(result.document.find("  <UserAttributes>\n"
                                   "    <UserAttribute nodeId=\"1\">\n"
                                   "      <Attribute name=\"locked\" type=\"boolean\" value=\"true\"/>\n"
                                   "      <Attribute name=\"hits\" type=\"integer\" value=\"3\"/>\n"
                                   "      <Attribute name=\"level\" type=\"integer\" value=\"7\"/>\n"
                                   "      <Attribute name=\"weight\" type=\"float\" value=\"0.1\"/>\n"
                                   "      <Attribute name=\"note\" type=\"string\" value=\"a &lt;b> &amp; &quot;c&quot;\"/>\n"
                                   "      <Attribute name=\"onCreate\" type=\"scriptCallback\" value=\"print(&quot;open &lt;door>&quot;);\"/>\n"
                                   "      <Attribute name=\"lines\" type=\"string\" value=\"onetwo\"/>\n"
                                   "    </UserAttribute>\n"
                                   "  </UserAttributes>\n</q5X>\n"),
              std::string::npos)
        << result.document;
    for (const char* name : {"mode", "empty"}) {
        EXPECT_NE(result.run.output.find("Invalid attribute user attribute type, ignoring (" + std::string(name) + ")"),
                  std::string::npos)
            << name;
    }
    EXPECT_NE(result.check.output.find("user_attributes=7"), std::string::npos) << result.check.output;
}
