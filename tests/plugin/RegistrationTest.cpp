#include <mayahost/Host.h>
#define MNoVersionString
#include <maya/MFnPlugin.h>

#include <gtest/gtest.h>

#include <dlfcn.h>

extern "C" MStatus initializePlugin(MObject obj);
extern "C" MStatus uninitializePlugin(MObject obj);

namespace {

void* createNothing() {
    return nullptr;
}

class Registration : public ::testing::Test {
protected:
    void SetUp() override {
        mayahost::setOutputStream(nullptr);
        mayahost::clearMessages();
        plugin_ = mayahost::createPluginObject("Q5XExporter");
    }
    void TearDown() override { mayahost::releasePluginObject(plugin_); }

    std::vector<std::string> errors() const {
        std::vector<std::string> texts;
        for (const auto& message : mayahost::messages()) {
            if (message.kind == mayahost::MessageKind::Error) texts.push_back(message.text);
        }
        return texts;
    }

    MObject plugin_;
};

}  // namespace

TEST_F(Registration, LoadRegistersBothCommandsAndUnloadRemovesThem) {
    ASSERT_TRUE(initializePlugin(plugin_));
    EXPECT_TRUE(mayahost::hasCommand("Q5XExporter"));
    EXPECT_TRUE(mayahost::hasCommand("Q5XExporterWriteTexture"));
    EXPECT_EQ(MFnPlugin(plugin_).version(), "9.0.4");

    ASSERT_TRUE(uninitializePlugin(plugin_));
    EXPECT_FALSE(mayahost::hasCommand("Q5XExporter"));
    EXPECT_FALSE(mayahost::hasCommand("Q5XExporterWriteTexture"));
    EXPECT_TRUE(errors().empty());

    EXPECT_FALSE(uninitializePlugin(plugin_));
    EXPECT_EQ(errors(), (std::vector<std::string>{"deregisterCommand Q5XExporter: (kFailure): Unexpected Internal Failure"}));
}

TEST_F(Registration, SecondLoadFailsOnTheFirstCommand) {
    ASSERT_TRUE(initializePlugin(plugin_));
    MObject second = mayahost::createPluginObject("Q5XExporter copy");
    EXPECT_FALSE(initializePlugin(second));
    EXPECT_EQ(errors(), (std::vector<std::string>{"registerCommand Q5XExporter: (kFailure): Unexpected Internal Failure"}));
    EXPECT_FALSE(uninitializePlugin(second));
    mayahost::releasePluginObject(second);
    EXPECT_TRUE(uninitializePlugin(plugin_));
}

TEST_F(Registration, ExistingExporterCommandKeepsTheTextureCommandUnregistered) {
    MObject other = mayahost::createPluginObject("other");
    MFnPlugin otherPlugin(other);
    ASSERT_TRUE(otherPlugin.registerCommand("Q5XExporter", createNothing));

    EXPECT_FALSE(initializePlugin(plugin_));
    EXPECT_FALSE(mayahost::hasCommand("Q5XExporterWriteTexture"));
    EXPECT_EQ(errors(), (std::vector<std::string>{"registerCommand Q5XExporter: (kFailure): Unexpected Internal Failure"}));

    EXPECT_TRUE(otherPlugin.deregisterCommand("Q5XExporter"));
    mayahost::releasePluginObject(other);
}

TEST(PluginLibrary, ExportsItsFourEntryPointsByTheirPlainNames) {
    // The application finds the entry points by their C names; a C++ name would be mangled.
    void* library = dlopen(Q5X_PLUGIN_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    for (const char* name : {"initializePlugin", "uninitializePlugin", "MApiVersion", "writeDDS"}) {
        EXPECT_NE(dlsym(library, name), nullptr) << name;
    }
    EXPECT_STREQ(static_cast<const char*>(dlsym(library, "MApiVersion")), "201650");
    dlclose(library);
}
