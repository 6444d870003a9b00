// The particle page on a real grid: rows, labels, help, kinds, starting values, choice lists and the mode groups.
#include "GuiParticleFixture.h"

#include "particle/ParticleSystem2DEditor.h"
#include "particle/ParticleTemplate.h"

#include "editor/SelectionManager.h"
#include "renderer/CCTexture2D.h"

#include "TestCatalog.h"

#include <wx/propgrid/advprops.h>
#include <wx/propgrid/props.h>

#include <string>
#include <vector>

using cocos2d::Color4F;
using cocos2d::ParticleSystem;

namespace {

struct ExpectedRow {
    const char* name;
    const char* label;
    const char* help;
    const char* kind;
};

// The page of a gravity-mode system after the common "Node" rows, as the
// grid holds it (children follow their parent).
const std::vector<ExpectedRow> kGravityPage = {
    {"common", "关键参数", "", "category"},
    {"angle", "角度", "粒子系统喷射方向", "float"},
    {"angleVariance", "角度变量", "粒子系统喷射方向随机变化量", "float"},
    {"duration", "持续时间", "粒子系统持续时间", "float"},
    {"startParticleSize", "起始大小", "粒子出生时大小", "float"},
    {"startParticleSizeVariance", "起始大小变量", "粒子出生时大小变化量", "float"},
    {"finishParticleSize", "结束大小", "粒子消失时大小", "float"},
    {"finishParticleSizeVariance", "结束大小变量", "粒子消失时大小变化量", "float"},
    {"rotationStart", "起始自转角度", "粒子出生时自转角度", "float"},
    {"rotationStartVariance", "起始自转角度变量", "粒子出生时自转角度变化量", "float"},
    {"rotationEnd", "结束自转角度", "粒子消失时自转角度", "float"},
    {"rotationEndVariance", "结束自转角度变量", "粒子消失时自转角度变化量", "float"},
    {"particleLifespan", "生命周期", "每个粒子生命周期", "float"},
    {"particleLifespanVariance", "生命周期变量", "每个粒子生命周期变化量", "float"},
    {"emitterType", "发射模式", "粒子系统发射模式，重力模式或者半径模式", "enum"},
    {"emitterType.gravity", "重力矢量", "重力矢量方向", "point"},
    {"emitterType.speed", "速度", "粒子速度", "float"},
    {"emitterType.speedVariance", "速度变量", "粒子速度变量", "float"},
    {"emitterType.radialAcceleration", "径向加速度", "粒子径向加速度", "float"},
    {"emitterType.radialAccelVariance", "径向加速度变量", "粒子径向加速度变量", "float"},
    {"emitterType.tangentialAcceleration", "切向加速度", "粒子切向加速度", "float"},
    {"emitterType.tangentialAccelVariance", "切向加速度变量", "粒子切向加速度变量", "float"},
    {"emitterType.rotationIsDir", "粒子转向速度方向", "粒子是否转向速度方向，true-每个粒子的方向都跟速度方向相同",
     "bool"},
    {"display", "显示相关", "", "category"},
    {"blendFunc", "混合模式", "粒子纹理混合模式,最好加如背景调试混合模式，支持导入图片和.csb文件", "composite"},
    {"blendFunc.blendFuncSource", "Src", "", "enum"},
    {"blendFunc.blendFuncDestination", "Dst", "", "enum"},
    {"startColor", "起始颜色", "粒子出生叠加颜色", "colour"},
    {"startColorVar", "起始颜色变量", "粒子出生叠加颜色变化量", "colour"},
    {"endColor", "结束颜色", "粒子消失时叠加颜色", "colour"},
    {"endColorVar", "结束颜色变量", "粒子消失时叠加颜色变化量", "colour"},
    {"startAlpha", "起始透明度", "取值范围0-255", "int"},
    {"startAlphaVar", "起始透明度变量", "取值范围0-255", "int"},
    {"endAlpha", "结束透明度", "取值范围0-255", "int"},
    {"endAlphaVar", "结束透明度变量", "取值范围0-255", "int"},
    {"emitter", "发射器", "", "category"},
    {"emissionRate", "每秒发射粒子数", "粒子系统发射速率", "float"},
    {"maxParticles", "最大粒子数", "粒子系统最多能同时显示最大粒子数量", "int"},
    {"positionType", "发射位置类型",
     "发射位置类型,由于cocos2dx引擎里面没有从文件中读取此属性，所以这个属性只可以在编辑器中查看效果，项目中需要手动调用"
     "setPositionType函数",
     "enum"},
    {"sourcePosition", "发射源位置", "粒子系统发射源位置，相对粒子对象位置", "point"},
    {"sourcePositionVariance", "发射源位置变量", "粒子系统发射源位置变化量，用于区域发射", "point"},
    {"textureFileName", "发射图片",
     "粒子使用图片文件，导出文件后plist文件里面记录的只有文件名不包含路径，使用是plist和图片需要放在同一个目录；若不想"
     "放在"
     "一个目录，也可以打开plist文件直接修改textureFileName属性值",
     "file"},
};

std::string kindOf(wxPGProperty* p) {
    if (p->IsCategory()) return "category";
    if (wxDynamicCast(p, wxColourProperty)) return "colour";
    if (wxDynamicCast(p, wxEnumProperty)) return "enum";
    if (wxDynamicCast(p, wxFloatProperty)) return "float";
    if (wxDynamicCast(p, wxIntProperty)) return "int";
    if (wxDynamicCast(p, wxBoolProperty)) return "bool";
    if (wxDynamicCast(p, wxFileProperty)) return "file";
    if (p->GetClassInfo()->GetClassName() == wxString("wxPointProperty")) return "point";
    // The grid marks a string property made with "<composed>" and shows its children there.
    if (wxDynamicCast(p, wxStringProperty) && p->HasFlag(wxPG_PROP_COMPOSED_VALUE)) return "composite";
    return "other";
}

// Every property of the page after the "Node" rows, parents before children;
// the children of points ("X", "Y") are left out.
std::vector<wxPGProperty*> particleRows(wxPropertyGridPage* page) {
    std::vector<wxPGProperty*> rows;
    bool started = false;
    for (wxPropertyGridIterator it = page->GetIterator(wxPG_ITERATE_ALL); !it.AtEnd(); ++it) {
        wxPGProperty* p = *it;
        if (p->GetName() == "common") started = true;
        if (!started) continue;
        wxPGProperty* parent = p->GetParent();
        if (parent && !parent->IsCategory() && kindOf(parent) == "point") continue;
        rows.push_back(p);
    }
    return rows;
}

std::vector<std::string> choiceLabels(wxPGProperty* p) {
    std::vector<std::string> labels;
    const wxPGChoices& choices = p->GetChoices();
    for (unsigned int i = 0; i < choices.GetCount(); ++i) labels.push_back(choices.GetLabel(i).utf8_string());
    return labels;
}

class GuiParticlePage : public GuiParticleFixture {};

}

TEST_F(GuiParticlePage, AFlowerShowsTheNodeRowsThenEveryParticleRowWithItsLabelHelpAndKind) {
    use(ParticleSystem2DEditor::createFromTemplate(0));
    ASSERT_NE(property("_Node"), nullptr);
    const std::vector<wxPGProperty*> rows = particleRows(m_page);
    ASSERT_EQ(rows.size(), kGravityPage.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(kGravityPage[i].name);
        EXPECT_EQ(rows[i]->GetName(), kGravityPage[i].name);
        EXPECT_EQ(rows[i]->GetLabel(), wxString::FromUTF8(kGravityPage[i].label));
        EXPECT_EQ(rows[i]->GetHelpString(), wxString::FromUTF8(kGravityPage[i].help));
        EXPECT_EQ(kindOf(rows[i]), kGravityPage[i].kind);
        // No limits of any kind on this page.
        EXPECT_TRUE(rows[i]->GetAttribute(wxPG_ATTR_MIN).IsNull());
        EXPECT_TRUE(rows[i]->GetAttribute(wxPG_ATTR_MAX).IsNull());
    }
    EXPECT_EQ(choiceLabels(property("emitterType")), (std::vector<std::string>{"重力模式", "半径模式"}));
    EXPECT_EQ(choiceLabels(property("positionType")), (std::vector<std::string>{"Free", "Relative", "Grouped"}));
    const std::vector<std::string> factors = {"GL_ZERO",      "GL_ONE",
                                              "GL_SRC_COLOR", "GL_ONE_MINUS_SRC_COLOR",
                                              "GL_SRC_ALPHA", "GL_ONE_MINUS_SRC_ALPHA",
                                              "GL_DST_ALPHA", "GL_ONE_MINUS_DST_ALPHA",
                                              "GL_DST_COLOR", "GL_ONE_MINUS_DST_COLOR"};
    EXPECT_EQ(choiceLabels(property("blendFunc.blendFuncSource")), factors);
    EXPECT_EQ(choiceLabels(property("blendFunc.blendFuncDestination")), factors);
    EXPECT_EQ(property("blendFunc.blendFuncSource")->GetChoices().GetValue(5), 0x303);

    // Starting values are the Flower's.
    EXPECT_DOUBLE_EQ(property("angle")->GetValue().GetDouble(), 90);
    EXPECT_DOUBLE_EQ(property("duration")->GetValue().GetDouble(), -1);
    EXPECT_DOUBLE_EQ(property("emitterType.radialAcceleration")->GetValue().GetDouble(), -60);
    EXPECT_EQ(property("emitterType")->GetValue().GetLong(), 0);
    EXPECT_EQ(property("blendFunc.blendFuncSource")->GetValue().GetLong(), 770);
    EXPECT_EQ(property("blendFunc.blendFuncDestination")->GetValue().GetLong(), 1);
    EXPECT_EQ(property("maxParticles")->GetValue().GetLong(), 250);
    EXPECT_DOUBLE_EQ(property("emissionRate")->GetValue().GetDouble(), 62.5);
    EXPECT_EQ(property("positionType")->GetValue().GetLong(), 0);
    EXPECT_EQ(property("textureFileName")->GetValueAsString(), "particle-fire.png");
    EXPECT_EQ(property("emitterType.rotationIsDir")->GetValue().GetBool(), false);
}

TEST_F(GuiParticlePage, UnderAnEnglishCatalogLabelsHelpAndChoicesAreLookedUpAndEmptyHelpStaysEmpty) {
    const TestCatalog english({{"角度", "Angle"},
                               {"粒子系统喷射方向", "Direction the particles are emitted in."},
                               {"关键参数", "Main"},
                               {"重力模式", "Gravity"},
                               {"位置", "Position"},
                               {"对象标记", "The object's tag."}});
    use(ParticleSystem2DEditor::createFromTemplate(0));
    EXPECT_EQ(property("angle")->GetLabel(), "Angle");
    EXPECT_EQ(property("angle")->GetHelpString(), "Direction the particles are emitted in.");
    EXPECT_EQ(property("common")->GetLabel(), "Main");
    EXPECT_EQ(property("_Position")->GetLabel(), "Position");
    // The design's English names stay; their help is translated like any other.
    EXPECT_EQ(property("_Tag")->GetLabel(), "Tag");
    EXPECT_EQ(property("_Tag")->GetHelpString(), "The object's tag.");
    // A text the catalog lacks shows as written.
    EXPECT_EQ(property("duration")->GetLabel(), wxString::FromUTF8("持续时间"));
    EXPECT_EQ(choiceLabels(property("emitterType")), (std::vector<std::string>{"Gravity", "半径模式"}));
    EXPECT_EQ(property("emitterType")->GetValue().GetLong(), 0);
    // Rows without help show none, though the catalog keeps its header under the empty text.
    EXPECT_EQ(property("blendFunc.blendFuncSource")->GetHelpString(), "");
    EXPECT_EQ(property("common")->GetHelpString(), "");
}

TEST_F(GuiParticlePage, ColoursShowTruncatedBytesAndEachAlphaRowStartsFromItsOwnColour) {
    ParticleSystem2DEditor* p = ParticleSystem2DEditor::createFromTemplate(0);
    p->setStartColor(Color4F(1, 0.5f, 0, 1));
    p->setStartColorVar(Color4F(0.2f, 0.4f, 0.6f, 0.8f));
    p->setEndColor(Color4F(0.25f, 0, 1, 0));
    p->setEndColorVar(Color4F(2.0f, -1.0f, 0.999f, 0.5f));
    use(p);
    wxColour start;
    start << property("startColor")->GetValue();
    EXPECT_EQ(start, wxColour(255, 127, 0, 255));
    wxColour startVar;
    startVar << property("startColorVar")->GetValue();
    EXPECT_EQ(startVar, wxColour(51, 102, 153, 204));
    wxColour endVar;
    endVar << property("endColorVar")->GetValue();
    // Components outside 0..1 show at the limits.
    EXPECT_EQ(endVar, wxColour(255, 0, 254, 127));
    EXPECT_EQ(property("startAlpha")->GetValue().GetLong(), 255);
    EXPECT_EQ(property("startAlphaVar")->GetValue().GetLong(), 204);
    EXPECT_EQ(property("endAlpha")->GetValue().GetLong(), 0);
    EXPECT_EQ(property("endAlphaVar")->GetValue().GetLong(), 127);
}

TEST_F(GuiParticlePage, ARadiusSystemShowsTheSixRadiusRowsAndNoGravityRows) {
    ParticleSystem2DEditor* p = ParticleSystem2DEditor::createFromTemplate(static_cast<int>(ParticleTemplate::Spiral));
    p->setEmitterMode(ParticleSystem::Mode::RADIUS);
    p->setStartRadius(80);
    p->setEndRadius(-1);
    p->setRotatePerSecond(45);
    use(p);
    EXPECT_EQ(childNames("emitterType"),
              (std::vector<std::string>{"emitterType.maxRadius", "emitterType.maxRadiusVariance",
                                        "emitterType.minRadius", "emitterType.minRadiusVariance",
                                        "emitterType.rotatePerSecond", "emitterType.rotatePerSecondVariance"}));
    for (const char* label : {"起始半径", "起始半径变量", "结束半径", "结束半径变量", "旋转速度", "旋转速度变量"})
        EXPECT_NE(m_page->GetPropertyByLabel(wxString::FromUTF8(label)), nullptr) << label;
    EXPECT_EQ(property("emitterType")->GetValue().GetLong(), 1);
    EXPECT_DOUBLE_EQ(property("emitterType.maxRadius")->GetValue().GetDouble(), 80);
    EXPECT_DOUBLE_EQ(property("emitterType.minRadius")->GetValue().GetDouble(), -1);
    EXPECT_DOUBLE_EQ(property("emitterType.rotatePerSecond")->GetValue().GetDouble(), 45);
    EXPECT_EQ(property("emitterType.speed"), nullptr);
    EXPECT_EQ(property("emitterType.gravity"), nullptr);
}

TEST_F(GuiParticlePage, TheSunTemplateRunsTheSunWhileTheImageRowNamesTheDefaultTexture) {
    use(ParticleSystem2DEditor::createFromTemplate(static_cast<int>(ParticleTemplate::Sun)));
    EXPECT_EQ(property("textureFileName")->GetValueAsString(), "particle-fire.png");
    EXPECT_EQ(property("maxParticles")->GetValue().GetLong(), 350);
    EXPECT_DOUBLE_EQ(property("emissionRate")->GetValue().GetDouble(), 350);
    EXPECT_DOUBLE_EQ(property("particleLifespan")->GetValue().GetDouble(), 1);
    ASSERT_NE(m_object->getTexture(), nullptr);
    EXPECT_EQ(m_object->getTexture()->getPixelsWide(), 32);
    // Every template is in gravity mode and shows the gravity group.
    EXPECT_EQ(childNames("emitterType").size(), 8u);
}

TEST_F(GuiParticlePage, BuildingThePageTwiceGivesTheSameRowsAndValues) {
    use(ParticleSystem2DEditor::createFromTemplate(static_cast<int>(ParticleTemplate::Galaxy)));
    std::vector<std::string> first;
    for (wxPGProperty* p : particleRows(m_page))
        first.push_back((p->GetName() + "=" + p->GetValueAsString()).utf8_string());
    SelectionManager::getInstance()->clearSelection();
    EXPECT_EQ(m_page->GetPropertyByName("angle"), nullptr);
    SelectionManager::getInstance()->select(m_object);
    std::vector<std::string> second;
    for (wxPGProperty* p : particleRows(m_page))
        second.push_back((p->GetName() + "=" + p->GetValueAsString()).utf8_string());
    EXPECT_EQ(first, second);
}
