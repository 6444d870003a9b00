// Fixture of the scene-file tests: a clean director, a temporary folder on the search path holding the test images.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "CsbTestWriter.h"
#include "TempDir.h"
#include "TestData.h"
#include "platform/CCFileUtils.h"
#include "support/EngineTestSupport.h"

class CsbSceneTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        cocos2d::FileUtils::destroyInstance();
        cocos2d::FileUtils::getInstance()->setPopupNotify(false);
        cocos2d::FileUtils::getInstance()->addSearchPath(m_dir.path());
        std::filesystem::create_directories(m_dir.file("img"));
        const std::string sprite = std::string(FW_SOURCE_DIR) + "/res/Sprite.png";
        ASSERT_TRUE(TestFileExists(sprite));
        std::filesystem::copy_file(sprite, m_dir.file("img/sprite.png"));
        std::filesystem::copy_file(std::string(FW_SOURCE_DIR) + "/res/particle-fire.png", m_dir.file("img/fire.png"));
    }
    void TearDown() override {
        EngineTest::TearDown();
        cocos2d::FileUtils::destroyInstance();
    }

    // Saves the scene under the temporary folder and returns its name there.
    std::string save(const std::string& name, const std::vector<uint8_t>& bytes) {
        EXPECT_TRUE(CsbTestWriter::save(m_dir.file(name), bytes));
        return name;
    }

    TempDir m_dir;
};
