// Scene files made to break the loader: truncations, random bytes, wild offsets, cycles, deep and wide trees.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>

#include "2d/CCNode.h"
#include "CsbSceneTestSupport.h"
#include "base/CCAutoreleasePool.h"
#include "editor-support/cocostudio/ActionTimeline/CSLoader.h"
#include "editor-support/cocostudio/CsbFileReader.h"

using namespace cocos2d;
using Props = CsbTestWriter::Props;

namespace {

using CsbHostileFile = CsbSceneTest;

int countNodes(Node* node) {
    int n = 1;
    for (Node* child : node->getChildren()) n += countNodes(child);
    return n;
}

int depthOf(Node* node) {
    int deepest = 0;
    for (Node* child : node->getChildren()) deepest = std::max(deepest, depthOf(child));
    return deepest + 1;
}

// A scene using every reader that needs no widget: nesting, sprites, a particle, a project node.
std::vector<uint8_t> richScene() {
    CsbTestWriter w;
    Props p;
    p.name = "sprite";
    p.width = 5;
    auto sprite = w.sprite(p, "img/sprite.png", {w.plainNode(Props{})});
    auto fx = w.particle(Props{}, "fx.plist");
    auto project = w.projectNode(Props{}, "other.csb");
    auto group = w.plainNode(Props{}, {sprite, fx});
    return w.finish(w.plainNode(Props{}, {group, project, w.sprite(Props{}, "img/none.png")}));
}

std::vector<uint8_t> chain(int depth) {
    CsbTestWriter w;
    Props p;
    auto node = w.plainNode(p);
    for (int i = 1; i < depth; ++i) node = w.plainNode(p, {node});
    return w.finish(node);
}

TEST_F(CsbHostileFile, EveryTruncationGivesNullOrATree) {
    const auto bytes = richScene();
    CsbFileReader reader;
    ASSERT_NE(reader.readData(bytes.data(), bytes.size()), nullptr) << reader.getError();
    int accepted = 0;
    for (size_t n = 0; n < bytes.size(); ++n) {
        std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + n);
        Node* root = reader.readData(cut.data(), cut.size());
        if (root) {
            ++accepted;
        } else {
            EXPECT_FALSE(reader.getError().empty()) << n;
        }
    }
    // A FlatBuffers root sits at the front and points forward, so no proper prefix verifies.
    EXPECT_EQ(accepted, 0);
    PoolManager::getInstance()->getCurrentPool()->clear();
}

TEST_F(CsbHostileFile, RandomBytesAreRejected) {
    std::mt19937 random(1234);
    CsbFileReader reader;
    for (int i = 0; i < 2000; ++i) {
        std::vector<uint8_t> noise(4 + random() % 600);
        for (auto& b : noise) b = static_cast<uint8_t>(random());
        EXPECT_EQ(reader.readData(noise.data(), noise.size()), nullptr);
    }
}

TEST_F(CsbHostileFile, OffsetsPointingOutsideTheBufferAreRejected) {
    const auto bytes = richScene();
    CsbFileReader reader;
    std::vector<uint8_t> rootOut = bytes;
    const uint32_t past = static_cast<uint32_t>(bytes.size() + 64);
    std::memcpy(rootOut.data(), &past, 4);
    EXPECT_EQ(reader.readData(rootOut.data(), rootOut.size()), nullptr);
    EXPECT_FALSE(reader.getError().empty());

    // Each 32-bit word in turn made to point far outside: every reference,
    // vtable and length in the file gets its turn.
    int built = 0;
    for (size_t at = 0; at + 4 <= bytes.size(); at += 4) {
        std::vector<uint8_t> bad = bytes;
        const uint32_t wild = 0x7ffffff0u;
        std::memcpy(bad.data() + at, &wild, 4);
        if (reader.readData(bad.data(), bad.size())) ++built;
    }
    EXPECT_LT(built, static_cast<int>(bytes.size() / 4));
    PoolManager::getInstance()->getCurrentPool()->clear();
}

TEST_F(CsbHostileFile, TreeTenThousandLevelsDeepIsRefusedWithAReason) {
    const auto bytes = chain(10000);
    CsbFileReader reader;
    EXPECT_EQ(reader.readData(bytes.data(), bytes.size()), nullptr);
    EXPECT_FALSE(reader.getError().empty());
}

TEST_F(CsbHostileFile, TreesAreCutAtTheDepthLimitAndKeptBelowIt) {
    CsbFileReader reader;
    const auto shallow = chain(40);
    Node* whole = reader.readData(shallow.data(), shallow.size());
    ASSERT_NE(whole, nullptr) << reader.getError();
    EXPECT_EQ(depthOf(whole), 40);

    // Deep enough to pass the verifier, deeper than the builder's own limit.
    const auto deep = chain(55);
    Node* cut = reader.readData(deep.data(), deep.size());
    ASSERT_NE(cut, nullptr) << reader.getError();
    EXPECT_EQ(depthOf(cut), CsbFileReader::kMaxTreeDepth + 1);
}

TEST_F(CsbHostileFile, NodeCountIsBounded) {
    CsbTestWriter w;
    std::vector<flatbuffers::Offset<flatbuffers::NodeTree>> children;
    auto options = w.widget(Props{});
    // One shared options table keeps the file small; the tool shares vtables the same way.
    for (int i = 0; i < CsbFileReader::kMaxNodeCount + 500; ++i) children.push_back(w.node("Node", options));
    const auto bytes = w.finish(w.node("Node", options, children));
    CsbFileReader reader;
    Node* root = reader.readData(bytes.data(), bytes.size());
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(countNodes(root), CsbFileReader::kMaxNodeCount);
}

TEST_F(CsbHostileFile, SelfIncludingProjectNodesAreCutOff) {
    CsbTestWriter self;
    Props p;
    p.name = "self";
    save("self.csb", self.finish(self.plainNode(Props{}, {self.projectNode(p, "self.csb")})));
    CsbTestWriter a;
    Props pa;
    pa.name = "toB";
    save("a.csb", a.finish(a.plainNode(Props{}, {a.projectNode(pa, "b.csb")})));
    CsbTestWriter b;
    Props pb;
    pb.name = "toA";
    save("b.csb", b.finish(b.plainNode(Props{}, {b.projectNode(pb, "a.csb")})));

    Node* root = CSLoader::createNode("self.csb");
    ASSERT_NE(root, nullptr);
    Node* inner = root->getChildByName("self");
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->getChildrenCount(), 0);

    Node* ring = CSLoader::createNode("a.csb");
    ASSERT_NE(ring, nullptr);
    // a -> b (nested) -> a again is cut: a, toB (b's root), toA (empty).
    EXPECT_EQ(countNodes(ring), 3);
    ASSERT_NE(ring->getChildByName("toB"), nullptr);
    Node* back = ring->getChildByName("toB")->getChildByName("toA");
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->getChildrenCount(), 0);
}

TEST_F(CsbHostileFile, ProjectNodesFanningOutAcrossFilesStayWithinTheNodeLimit) {
    // Ten levels of files, each naming the next 50 times: 50^10 nodes if built in full.
    for (int level = 0; level < 10; ++level) {
        CsbTestWriter w;
        std::vector<flatbuffers::Offset<flatbuffers::NodeTree>> children;
        for (int i = 0; i < 50 && level < 9; ++i)
            children.push_back(w.projectNode(Props{}, "fan" + std::to_string(level + 1) + ".csb"));
        save("fan" + std::to_string(level) + ".csb", w.finish(w.plainNode(Props{}, children)));
    }
    CsbFileReader reader;
    Node* root = reader.read("fan0.csb");
    ASSERT_NE(root, nullptr);
    EXPECT_LE(countNodes(root), CsbFileReader::kMaxNodeCount + CsbFileReader::kMaxNestedFiles * 50);
}

TEST_F(CsbHostileFile, CorruptNestedFileLeavesAPlainNodeAndTheOuterFileLoads) {
    m_dir.write("junk.csb", std::string(300, '\x7f'));
    CsbTestWriter w;
    Props p;
    p.name = "junk";
    p.x = 4;
    save("outer.csb", w.finish(w.plainNode(Props{}, {w.projectNode(p, "junk.csb")})));
    CsbFileReader reader;
    Node* root = reader.read("outer.csb");
    ASSERT_NE(root, nullptr);
    EXPECT_TRUE(reader.getError().empty()) << reader.getError();
    ASSERT_NE(root->getChildByName("junk"), nullptr);
    EXPECT_EQ(root->getChildByName("junk")->getPositionX(), 4);
}

TEST_F(CsbHostileFile, OptionsOfTheWrongShapeForTheirClassAreRejected) {
    // A sprite whose options table has a file-name slot holding a number
    // instead of a reference: the generic check cannot see it, the class check does.
    CsbTestWriter w;
    auto widget = w.widget(Props{});
    flatbuffers::uoffset_t start = w.fbb.StartTable();
    w.fbb.AddOffset(4, widget);
    w.fbb.AddElement<uint32_t>(6, 0x7ffffff0u, 0);
    auto options = flatbuffers::Offset<flatbuffers::SpriteOptions>(w.fbb.EndTable(start));
    const auto bytes = w.finish(w.plainNode(Props{}, {w.node("Sprite", options)}));
    CsbFileReader reader;
    EXPECT_EQ(reader.readData(bytes.data(), bytes.size()), nullptr);
    EXPECT_FALSE(reader.getError().empty());
}

TEST_F(CsbHostileFile, FilesOverTheSizeLimitAreNotRead) {
    const std::string big = m_dir.file("big.csb");
    { std::ofstream(big, std::ios::binary) << 'x'; }
    std::filesystem::resize_file(big, CsbFileReader::kMaxFileSize + 1);
    CsbFileReader reader;
    EXPECT_EQ(reader.read("big.csb"), nullptr);
    EXPECT_NE(reader.getError().find("64"), std::string::npos) << reader.getError();
}

} // namespace
