// CSLoader on scene files we write: suffix dispatch, node properties, sprites, particles, nesting and callbacks.
#include <gtest/gtest.h>

#include "2d/CCParticleSystemQuad.h"
#include "2d/CCSprite.h"
#include "CsbSceneTestSupport.h"
#include "ParticleTestSupport.h"
#include "editor-support/cocostudio/ActionTimeline/CSLoader.h"
#include "editor-support/cocostudio/CsbFileReader.h"
#include "renderer/CCTexture2D.h"

using namespace cocos2d;
using Props = CsbTestWriter::Props;

namespace {

using CsbLoader = CsbSceneTest;

TEST_F(CsbLoader, OnlyTheCsbSuffixIsRead) {
    CsbTestWriter w;
    const auto bytes = w.finish(w.plainNode(Props{}));
    save("scene.csb", bytes);
    save("scene.json", bytes);
    save("scene", bytes);
    save("scene.CSB", bytes);
    EXPECT_NE(CSLoader::createNode("scene.csb"), nullptr);
    EXPECT_EQ(CSLoader::createNode("scene.json"), nullptr);
    EXPECT_EQ(CSLoader::createNode("scene.ExportJson"), nullptr);
    EXPECT_EQ(CSLoader::createNode("scene"), nullptr);
    EXPECT_EQ(CSLoader::createNode("scene.CSB"), nullptr);
    EXPECT_EQ(CSLoader::createNode("missing.csb"), nullptr);
}

TEST_F(CsbLoader, MissingOrEmptyFilesGiveAReason) {
    CsbFileReader reader;
    // The reason is a sentence of its own; the one showing it names the file.
    EXPECT_EQ(reader.read("missing.csb"), nullptr);
    EXPECT_EQ(reader.getError(), "找不到文件");
    EXPECT_EQ(reader.getErrorDetail(), "");
    m_dir.write("empty.csb", "");
    EXPECT_EQ(reader.read("empty.csb"), nullptr);
    EXPECT_EQ(reader.getError(), "文件为空或无法读取");
}

TEST_F(CsbLoader, RootNodeTakesEveryPropertyTheFileGives) {
    CsbTestWriter w;
    Props p;
    p.name = "Scene";
    p.x = 12.5f;
    p.y = -4;
    p.scaleX = 2;
    p.scaleY = 0.5f;
    p.rotationX = 30;
    p.rotationY = 45;
    p.anchorX = 0.25f;
    p.anchorY = 1;
    p.zOrder = 3;
    p.visible = false;
    p.alpha = 128;
    p.tag = 77;
    p.r = 10, p.g = 20, p.b = 30, p.a = 40;
    p.width = 640;
    p.height = 960;
    save("root.csb", w.finish(w.plainNode(p)));

    Node* root = CSLoader::createNode("root.csb");
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->getReferenceCount(), 1u); // autoreleased, owned by the pool
    EXPECT_EQ(root->getName(), "Scene");
    EXPECT_EQ(root->getPosition(), Vec2(12.5f, -4));
    EXPECT_FLOAT_EQ(root->getScaleX(), 2);
    EXPECT_FLOAT_EQ(root->getScaleY(), 0.5f);
    EXPECT_FLOAT_EQ(root->getRotationSkewX(), 30);
    EXPECT_FLOAT_EQ(root->getRotationSkewY(), 45);
    EXPECT_EQ(root->getAnchorPoint(), Vec2(0.25f, 1));
    EXPECT_EQ(root->getLocalZOrder(), 3);
    EXPECT_FALSE(root->isVisible());
    EXPECT_EQ(root->getOpacity(), 128); // from the alpha field; the colour's alpha is ignored
    EXPECT_EQ(root->getTag(), 77);
    EXPECT_EQ(root->getColor(), Color3B(10, 20, 30));
    EXPECT_EQ(root->getContentSize(), Size(640, 960));
    EXPECT_TRUE(root->isCascadeColorEnabled());
    EXPECT_TRUE(root->isCascadeOpacityEnabled());
}

TEST_F(CsbLoader, CentredAnchorIsNotAppliedSoEachClassKeepsItsDefault) {
    CsbTestWriter w;
    Props centred; // anchor (0.5, 0.5) as the tool writes it
    centred.width = 10;
    auto child = w.sprite(centred, "img/sprite.png");
    save("anchor.csb", w.finish(w.plainNode(centred, {child})));
    Node* root = CSLoader::createNode("anchor.csb");
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->getAnchorPoint(), Vec2::ZERO);
    ASSERT_EQ(root->getChildrenCount(), 1);
    EXPECT_EQ(root->getChildren().at(0)->getAnchorPoint(), Vec2(0.5f, 0.5f));
}

TEST_F(CsbLoader, ChildrenKeepFileOrderAndZOrder) {
    CsbTestWriter w;
    Props a, b, c;
    a.name = "a";
    a.zOrder = 2;
    b.name = "b";
    c.name = "c";
    auto na = w.plainNode(a);
    auto nb = w.plainNode(b);
    auto nc = w.plainNode(c);
    save("order.csb", w.finish(w.plainNode(Props{}, {na, nb, nc})));
    std::vector<std::string> called;
    Node* root = CSLoader::createNode("order.csb", [&](Ref* r) {
        auto* n = dynamic_cast<Node*>(r);
        ASSERT_NE(n, nullptr);
        EXPECT_NE(n->getParent(), nullptr); // called once attached
        called.push_back(n->getName());
    });
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(called, (std::vector<std::string>{"a", "b", "c"}));
    root->sortAllChildren();
    ASSERT_EQ(root->getChildrenCount(), 3);
    EXPECT_EQ(root->getChildren().at(0)->getName(), "b");
    EXPECT_EQ(root->getChildren().at(1)->getName(), "c");
    EXPECT_EQ(root->getChildren().at(2)->getName(), "a");
    EXPECT_EQ(root->getChildByName("a")->getLocalZOrder(), 2);
}

TEST_F(CsbLoader, SpriteTakesTheImageSizeAndItsOwnColourRules) {
    CsbTestWriter w;
    Props p;
    p.name = "hero";
    p.x = 100;
    p.y = 200;
    p.width = 10; // replaced by the image's size
    p.height = 10;
    p.alpha = 255;
    p.r = 255, p.g = 0, p.b = 0, p.a = 100; // the colour's alpha is the sprite's opacity
    p.flipX = true;
    auto sprite = w.sprite(p, "img/sprite.png");
    save("sprite.csb", w.finish(w.plainNode(Props{}, {sprite})));

    Node* root = CSLoader::createNode("sprite.csb");
    ASSERT_NE(root, nullptr);
    auto* s = dynamic_cast<Sprite*>(root->getChildByName("hero"));
    ASSERT_NE(s, nullptr);
    ASSERT_NE(s->getTexture(), nullptr);
    EXPECT_EQ(s->getTexture()->getPixelsWide(), 64);
    EXPECT_EQ(s->getContentSize(), Size(64, 64));
    EXPECT_EQ(s->getPosition(), Vec2(100, 200));
    EXPECT_EQ(s->getAnchorPoint(), Vec2(0.5f, 0.5f));
    EXPECT_EQ(s->getOpacity(), 100);
    EXPECT_EQ(s->getColor(), Color3B(255, 0, 0));
    EXPECT_TRUE(s->isFlippedX());
    EXPECT_FALSE(s->isFlippedY());
}

TEST_F(CsbLoader, SpriteBlendFromTheFileOverridesTheTexturesButUnknownFactorsAreIgnored) {
    CsbTestWriter w;
    Props p;
    p.name = "add";
    const flatbuffers::BlendFunc additive(770, 1);
    auto wa = w.widget(p);
    auto fa = w.resource("img/sprite.png");
    auto na = w.node("Sprite", flatbuffers::CreateSpriteOptions(w.fbb, wa, fa, &additive));
    p.name = "bad";
    const flatbuffers::BlendFunc bad(12345, 1);
    auto wb = w.widget(p);
    auto fb = w.resource("img/sprite.png");
    auto nb = w.node("Sprite", flatbuffers::CreateSpriteOptions(w.fbb, wb, fb, &bad));
    save("blend.csb", w.finish(w.plainNode(Props{}, {na, nb})));

    Node* root = CSLoader::createNode("blend.csb");
    ASSERT_NE(root, nullptr);
    auto* add = dynamic_cast<Sprite*>(root->getChildByName("add"));
    auto* kept = dynamic_cast<Sprite*>(root->getChildByName("bad"));
    ASSERT_TRUE(add && kept);
    EXPECT_EQ(add->getBlendFunc(), BlendFunc::ADDITIVE);
    EXPECT_EQ(kept->getBlendFunc(), BlendFunc::ALPHA_PREMULTIPLIED);
}

TEST_F(CsbLoader, SpriteWithAMissingImageKeepsItsNodeChildrenAndFileSize) {
    CsbTestWriter w;
    Props p;
    p.name = "ghost";
    p.width = 30;
    p.height = 40;
    Props inner;
    inner.name = "inner";
    auto child = w.plainNode(inner);
    auto sprite = w.sprite(p, "img/not-there.png", {child});
    Props frame;
    frame.name = "frame";
    auto fw = w.widget(frame);
    auto fr = w.resource("atlas_frame.png", 1);
    auto framed = w.node("Sprite", flatbuffers::CreateSpriteOptions(w.fbb, fw, fr));
    save("ghost.csb", w.finish(w.plainNode(Props{}, {sprite, framed})));

    Node* root = CSLoader::createNode("ghost.csb");
    ASSERT_NE(root, nullptr);
    auto* s = dynamic_cast<Sprite*>(root->getChildByName("ghost"));
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->getContentSize(), Size(30, 40));
    EXPECT_EQ(s->getTextureRect().size, Size::ZERO); // nothing is drawn
    EXPECT_NE(s->getChildByName("inner"), nullptr);
    EXPECT_NE(dynamic_cast<Sprite*>(root->getChildByName("frame")), nullptr);
}

TEST_F(CsbLoader, ParticleNodeLoadsItsPlistAndIsGrouped) {
    auto entries = basicParticleEntries();
    entries["positionType"] = intValue(0);
    entries["textureFileName"] = stringValue("fire.png");
    std::filesystem::create_directories(m_dir.file("fx"));
    m_dir.write("fx/smoke.plist", plistText(entries));
    std::filesystem::copy_file(m_dir.file("img/fire.png"), m_dir.file("fx/fire.png"));

    CsbTestWriter w;
    Props p;
    p.name = "smoke";
    p.x = 50;
    p.y = 60;
    const flatbuffers::BlendFunc additive(770, 1);
    auto pw = w.widget(p);
    auto pf = w.resource("fx/smoke.plist");
    auto fx = w.node("Particle", flatbuffers::CreateParticleSystemOptions(w.fbb, pw, pf, &additive));
    Props missing;
    missing.name = "nofx";
    missing.x = 5;
    auto gone = w.particle(missing, "fx/none.plist");
    save("fx.csb", w.finish(w.plainNode(Props{}, {fx, gone})));

    Node* root = CSLoader::createNode("fx.csb");
    ASSERT_NE(root, nullptr);
    auto* system = dynamic_cast<ParticleSystemQuad*>(root->getChildByName("smoke"));
    ASSERT_NE(system, nullptr);
    EXPECT_EQ(system->getPositionType(), ParticleSystem::PositionType::GROUPED);
    EXPECT_EQ(system->getPosition(), Vec2(50, 60));
    EXPECT_EQ(system->getBlendFunc(), BlendFunc::ADDITIVE);
    ASSERT_NE(system->getTexture(), nullptr);
    EXPECT_EQ(system->getTexture()->getPixelsWide(), 32);

    Node* plain = root->getChildByName("nofx");
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(dynamic_cast<ParticleSystem*>(plain), nullptr);
    EXPECT_EQ(plain->getPosition(), Vec2(5, 0));
}

TEST_F(CsbLoader, ParticlePlistThatExistsButFailsDropsTheNodeAndItsChildren) {
    m_dir.write("broken.plist", "not a plist at all");
    CsbTestWriter w;
    Props p;
    p.name = "broken";
    auto fx = w.particle(p, "broken.plist");
    Props keep;
    keep.name = "keep";
    save("broken.csb", w.finish(w.plainNode(Props{}, {fx, w.plainNode(keep)})));
    Node* root = CSLoader::createNode("broken.csb");
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->getChildByName("broken"), nullptr);
    EXPECT_NE(root->getChildByName("keep"), nullptr);
}

TEST_F(CsbLoader, UnknownClassesAreDroppedWithTheirSubtreeAndCustomNamesSelectTheReader) {
    CsbTestWriter w;
    Props u, inside, custom, single;
    u.name = "unknown";
    inside.name = "inside";
    custom.name = "custom";
    single.name = "single";
    single.x = 9;
    auto unknown = w.node("Armature3DThing", w.widget(u), {w.plainNode(inside)});
    auto customNode = w.node("Node", w.widget(custom), {}, "NoSuchClass");
    auto sw = w.widget(single);
    auto singleNode = w.node("SingleNode", flatbuffers::CreateSingleNodeOptions(w.fbb, sw));
    save("classes.csb", w.finish(w.plainNode(Props{}, {unknown, customNode, singleNode})));
    Node* root = CSLoader::createNode("classes.csb");
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->getChildrenCount(), 1);
    ASSERT_NE(root->getChildByName("single"), nullptr);
    EXPECT_EQ(root->getChildByName("single")->getPositionX(), 9);
}

TEST_F(CsbLoader, NodeWithoutOptionsIsDroppedAndAnUnbuildableRootIsAnError) {
    CsbTestWriter w;
    auto bare = flatbuffers::CreateNodeTree(w.fbb, w.fbb.CreateString("Node"));
    save("bare.csb", w.finish(bare));
    CsbFileReader reader;
    EXPECT_EQ(reader.read("bare.csb"), nullptr);
    // The file's class name stays apart from the sentence, which has its place.
    EXPECT_EQ(reader.getError(), "无法创建根节点（类型 \"%s\"）");
    EXPECT_EQ(reader.getErrorDetail(), "Node");
    // A later read that fails otherwise has no detail left over.
    EXPECT_EQ(reader.read("missing.csb"), nullptr);
    EXPECT_EQ(reader.getErrorDetail(), "");
}

TEST_F(CsbLoader, NonFiniteAndHugeNumbersAreReplaced) {
    CsbTestWriter w;
    Props p;
    p.name = "wild";
    p.x = std::numeric_limits<float>::quiet_NaN();
    p.y = 1e30f;
    p.scaleX = std::numeric_limits<float>::infinity();
    p.rotationX = -std::numeric_limits<float>::infinity();
    p.width = -5;
    p.height = std::numeric_limits<float>::quiet_NaN();
    save("wild.csb", w.finish(w.plainNode(p)));
    Node* root = CSLoader::createNode("wild.csb");
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->getPosition(), Vec2::ZERO);
    EXPECT_FLOAT_EQ(root->getScaleX(), 1);
    EXPECT_FLOAT_EQ(root->getRotationSkewX(), 0);
    EXPECT_EQ(root->getContentSize(), Size::ZERO);
}

TEST_F(CsbLoader, ProjectNodeNestsAnotherSceneAndLendsItItsProperties) {
    CsbTestWriter inner;
    Props innerRoot;
    innerRoot.name = "innerRoot";
    innerRoot.scaleX = 3; // kept: the project node's scale is the default
    innerRoot.x = 1;
    Props leaf;
    leaf.name = "leaf";
    save("parts/inner.csb", (std::filesystem::create_directories(m_dir.file("parts")),
                             inner.finish(inner.plainNode(innerRoot, {inner.sprite(leaf, "img/sprite.png")}))));

    CsbTestWriter outer;
    Props project;
    project.name = "door";
    project.x = 300;
    project.y = 20;
    project.tag = 5;
    auto nested = outer.projectNode(project, "parts/inner.csb");
    Props lost;
    lost.name = "lost";
    auto missing = outer.projectNode(lost, "parts/none.csb");
    save("outer.csb", outer.finish(outer.plainNode(Props{}, {nested, missing})));

    Node* root = CSLoader::createNode("outer.csb");
    ASSERT_NE(root, nullptr);
    Node* door = root->getChildByName("door");
    ASSERT_NE(door, nullptr);
    EXPECT_EQ(door->getPosition(), Vec2(300, 20));
    EXPECT_EQ(door->getTag(), 5);
    EXPECT_FLOAT_EQ(door->getScaleX(), 3);
    auto* leafSprite = dynamic_cast<Sprite*>(door->getChildByName("leaf"));
    ASSERT_NE(leafSprite, nullptr);
    EXPECT_EQ(leafSprite->getContentSize(), Size(64, 64));
    Node* plain = root->getChildByName("lost");
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->getChildrenCount(), 0);
}

} // namespace
