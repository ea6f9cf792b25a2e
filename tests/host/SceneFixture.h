#ifndef Q5X_TESTS_SCENEFIXTURE_H
#define Q5X_TESTS_SCENEFIXTURE_H

#include "ma/MaReader.h"
#include "scene/Scene.h"

#include <mayahost/Host.h>
#include <maya/MDagPath.h>
#include <maya/MSelectionList.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Loads a scene of tests/scenes into the host, with the script editor's output captured.
class SceneTest : public ::testing::Test {
protected:
    void SetUp() override {
        mayahost::setOutputStream(nullptr);
        mayahost::clearMessages();
    }
    void TearDown() override { mayahost::resetScene(); }

    void load(const std::string& name) {
        std::string error;
        ASSERT_TRUE(mayahost::openScene(std::string(Q5X_TEST_SCENES) + "/" + name, error)) << error;
    }

    MDagPath path(const char* name) {
        MSelectionList list;
        EXPECT_TRUE(list.add(name)) << name;
        MDagPath result;
        list.getDagPath(0, result);
        return result;
    }

    std::vector<std::string> warnings() const {
        std::vector<std::string> texts;
        for (const auto& message : mayahost::messages()) {
            if (message.kind == mayahost::MessageKind::Warning) texts.push_back(message.text);
        }
        return texts;
    }
};

#endif
