// New, the examples, Open, Save, Save As, Delete, Replay and grid edits on a real main window.
#include "MainFrameFixture.h"

#include "TestData.h"

#include "editor/EditorObject.h"
#include "editor/ObjectTree.h"
#include "particle/ParticleSystem2DEditor.h"
#include "ui/FileRequest.h"
#include "ui/MainFrame.h"
#include "view/wxCCGLViewImpl.h"

#include "2d/CCScene.h"
#include "2d/CCSprite.h"
#include "base/CCDirector.h"

#include <wx/filedlg.h>
#include <wx/image.h>
#include <wx/menu.h>
#include <wx/propgrid/manager.h>
#include <wx/uiaction.h>

#include <cstdio>
#include <sys/stat.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;
USING_NS_CC;

namespace {

wxString U(const char* text) {
    return wxString::FromUTF8(text);
}

Scene* RunningScene() {
    return Director::getInstance()->getRunningScene();
}

ParticleSystem2DEditor* AsParticles(EditorObject* object) {
    return dynamic_cast<ParticleSystem2DEditor*>(object);
}

Node* Background() {
    return RunningScene()->getChildByName("bg_for_debug_particle");
}

// What Python's plistlib reads from the file: the number of pairs, or -1.
int PlistNumber(const std::string& path, const std::string& expression);

int PlistPairCount(const std::string& path) {
    return PlistNumber(path, "len(d)");
}

// A number computed by Python from the dictionary d that plistlib reads; -1 on failure.
int PlistNumber(const std::string& path, const std::string& expression) {
    const std::string command =
        "python3 -c 'import plistlib,sys; d=plistlib.load(open(sys.argv[1],\"rb\")); print(int(" + expression +
        "))' '" + path + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return -1;
    char line[256] = {0};
    const bool read = fgets(line, sizeof line, pipe) != nullptr;
    const int status = pclose(pipe);
    return read && status == 0 ? std::atoi(line) : -1;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

using GuiDocumentCommands = GuiMainFrameFixture;

TEST_F(GuiDocumentCommands, NewLandsAtTheCentreOrUnderTheSelectedParticleObject) {
    const Size win = Director::getInstance()->getWinSize();
    command(wxID_NEW);
    // A new effect has no file yet, so it carries the unsaved mark.
    ASSERT_EQ(treeRows(), std::vector<wxString>{wxS("Particle2D *")});
    ASSERT_EQ(selection().size(), 1u);
    ParticleSystem2DEditor* first = AsParticles(selection().front());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->getParent(), RunningScene());
    EXPECT_FLOAT_EQ(first->getPositionX(), win.width * 0.5f);
    EXPECT_FLOAT_EQ(first->getPositionY(), win.height * 0.5f);
    EXPECT_TRUE(first->filePath.empty());
    // Its page is built: the common rows are there.
    EXPECT_NE(m_frame->propertyGridManager()->GetPage(0)->GetPropertyByName(wxS("_Position")), nullptr);

    // With it selected, the toolbar's particle tool and the create entry put
    // the next ones under it, at its origin.
    command(1008);
    ParticleSystem2DEditor* second = AsParticles(selection().front());
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->getParent(), first);
    EXPECT_EQ(second->getPosition(), Vec2(0, 0));
    command(10200);
    EXPECT_EQ(AsParticles(selection().front())->getParent(), second);
    // All three are the Flower: the same system New makes.
    EXPECT_EQ(AsParticles(selection().front())->getTotalParticles(), first->getTotalParticles());
    EXPECT_EQ(second->getEmissionRate(), first->getEmissionRate());
    EXPECT_EQ(treeRows().size(), 3u);

    // Delete takes the selected one; nothing selected, then New goes to the scene.
    command(wxID_DELETE);
    EXPECT_TRUE(selection().empty());
    m_frame->engineHost().tick(); // the frame's autorelease pool lets go of it
    EXPECT_EQ(treeRows().size(), 2u);
    EXPECT_EQ(second->getChildrenCount(), 0);
    command(wxID_DELETE); // nothing selected: nothing happens
    EXPECT_EQ(treeRows().size(), 2u);
    command(wxID_NEW);
    EXPECT_EQ(selection().front() != nullptr && AsParticles(selection().front())->getParent() == RunningScene(), true);
}

TEST_F(GuiDocumentCommands, TheCreateEntriesMakeAParticleSystemOrAReferenceSprite) {
    command(10201);
    ASSERT_EQ(treeRows(), std::vector<wxString>{wxS("Sprite")});
    auto* sprite = dynamic_cast<Sprite*>(dynamic_cast<Node*>(selection().front()));
    ASSERT_NE(sprite, nullptr);
    EXPECT_EQ(sprite->getParent(), RunningScene());
    command(10202); // kept free: nothing
    EXPECT_EQ(treeRows().size(), 1u);
    command(10200);
    EXPECT_EQ(treeRows().back(), wxS("Particle2D *"));
    EXPECT_EQ(dynamic_cast<Node*>(selection().front())->getParent(), sprite);
}

TEST_F(GuiDocumentCommands, TheViewMenuExamplesCreateTheElevenEffects) {
    wxMenu* examples = m_frame->engineView()->getContextMenu()->FindItemByPosition(1)->GetSubMenu();
    ASSERT_NE(examples, nullptr);
    ASSERT_EQ(examples->GetMenuItemCount(), 11u);
    for (int i = 0; i < 11; ++i) {
        SCOPED_TRACE(testing::Message() << "example " << i);
        // Chosen in the view's menu, the command travels up to the main window.
        wxCommandEvent chosen(wxEVT_MENU, examples->FindItemByPosition(i)->GetId());
        m_frame->engineView()->ProcessWindowEvent(chosen);
        ASSERT_EQ(treeRows().size(), static_cast<size_t>(i + 1));
        ParticleSystem2DEditor* made = AsParticles(selection().front());
        ASSERT_NE(made, nullptr);
        ParticleSystem2DEditor* reference = ParticleSystem2DEditor::createFromTemplate(i);
        EXPECT_EQ(made->getTotalParticles(), reference->getTotalParticles());
        EXPECT_FLOAT_EQ(made->getDuration(), reference->getDuration());
        EXPECT_FLOAT_EQ(made->getLife(), reference->getLife());
        EXPECT_EQ(made->textureName, reference->textureName);
        EXPECT_EQ(made->getEmitterMode(), reference->getEmitterMode());
    }
    // Fire and Sun differ: the entries are not all the same effect.
    EXPECT_NE(ParticleSystem2DEditor::createFromTemplate(1)->getTotalParticles(),
              ParticleSystem2DEditor::createFromTemplate(10)->getTotalParticles());
}

TEST_F(GuiDocumentCommands, OpenLoadsAParticleFileIntoTheSceneWithTheFramePumpStopped) {
    const std::string plist = TestPlistsDir() + "cocos2d-objc/Galaxy.plist";
    ASSERT_TRUE(TestFileExists(plist));
    command(wxID_NEW); // a selection that Open must not put the file under
    EditorObject* selected = selection().front();

    bool pumpStopped = false;
    auto requests = m_requests;
    m_frame->documents().setAskPath([&](const FileRequest& request) {
        requests->push_back(request);
        pumpStopped = !m_frame->engineHost().pumpRunning();
        return wxString::FromUTF8(plist);
    });
    command(wxID_OPEN);
    ASSERT_EQ(pathRequests().size(), 1u);
    EXPECT_TRUE(pumpStopped) << "engine frames ran while the chooser was up";
    EXPECT_TRUE(m_frame->engineHost().pumpRunning());
    const FileRequest& request = pathRequests().front();
    EXPECT_EQ(request.message, U("保存C++源文件"));
    EXPECT_EQ(request.style, wxFD_OPEN | wxFD_FILE_MUST_EXIST);

    // The opened effect's row shows its file's name, and it has nothing unsaved.
    ASSERT_EQ(treeRows(), (std::vector<wxString>{wxS("Particle2D *"), wxS("Galaxy.plist")}));
    ParticleSystem2DEditor* opened = AsParticles(selection().front());
    ASSERT_NE(opened, nullptr);
    EXPECT_NE(opened, selected);
    EXPECT_EQ(opened->getParent(), RunningScene());
    EXPECT_EQ(opened->filePath, wxString::FromUTF8(plist));
    EXPECT_TRUE(m_dialogs.boxes.empty());
    // Its page holds the particle rows as well as the common ones.
    wxPropertyGridPage* page = m_frame->propertyGridManager()->GetPage(0);
    EXPECT_NE(page->GetPropertyByName(wxS("_Position")), nullptr);
    EXPECT_NE(page->GetPropertyByName(wxS("maxParticles")), nullptr);

    // Cancelling the chooser changes nothing and restarts the frames.
    answerPaths({wxString()});
    command(wxID_OPEN);
    EXPECT_EQ(treeRows().size(), 2u);
    EXPECT_TRUE(m_frame->engineHost().pumpRunning());
}

TEST_F(GuiDocumentCommands, OpenFiltersMatchTheirFiles) {
    wxArrayString labels, patterns;
    ASSERT_EQ(wxParseCommonDialogsFilter(m_frame->documents().openWildcard(), labels, patterns), 4);
    EXPECT_EQ(labels[0], U("字典文件(*.plist)"));
    EXPECT_EQ(labels[1], U("Cocos Studio 文件(*.csb)"));
    EXPECT_EQ(labels[2], U("Image png(*.png)"));
    EXPECT_EQ(labels[3].Strip(wxString::both), U("Image jpg(*.jpg)"));
    const char* files[] = {"a.plist", "a.csb", "a.png", "a.jpg"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(wxMatchWild(patterns[i], files[i])) << "filter " << i << " \"" << patterns[i] << "\"";
        for (int j = 0; j < 4; ++j)
            if (j != i) {
                EXPECT_FALSE(wxMatchWild(patterns[i], files[j])) << patterns[i] << " " << files[j];
            }
    }
}

TEST_F(GuiDocumentCommands, BackgroundsReplaceEachOtherOnlyWhenTheNewOneLoads) {
    const std::string png = std::string(FW_SOURCE_DIR) + "/res/Sprite.png";
    const std::string jpg = m_work->file("photo.jpg");
    wxImage picture(64, 32);
    picture.SetRGB(wxRect(0, 0, 64, 32), 200, 40, 40);
    ASSERT_TRUE(picture.SaveFile(wxString::FromUTF8(jpg), wxBITMAP_TYPE_JPEG));
    const std::string plist = TestPlistsDir() + "cocos2d-objc/Flower.plist";

    m_frame->documents().openPath(wxString::FromUTF8(png));
    auto* first = dynamic_cast<Sprite*>(Background());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->getLocalZOrder(), -1);
    const Size win = Director::getInstance()->getWinSize();
    EXPECT_EQ(first->getPosition(), Vec2(win.width * 0.5f, win.height * 0.5f));
    EXPECT_TRUE(treeRows().empty());
    EXPECT_TRUE(selection().empty());

    m_frame->documents().openPath(wxString::FromUTF8(plist));
    ASSERT_EQ(treeRows().size(), 1u);
    Node* particles = dynamic_cast<Node*>(selection().front());
    const int children = sceneChildCount();

    m_frame->documents().openPath(wxString::FromUTF8(jpg));
    auto* second = dynamic_cast<Sprite*>(Background());
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_EQ(second->getContentSize(), Size(64, 32));
    EXPECT_EQ(sceneChildCount(), children) << "the old background must be gone";
    EXPECT_EQ(particles->getParent(), RunningScene());
    EXPECT_EQ(treeRows().size(), 1u);
    EXPECT_EQ(selection().front(), dynamic_cast<EditorObject*>(particles));

    // A missing or broken picture, and a missing scene file, keep the
    // background there is; the scene file's box also says why.
    const std::string broken = m_work->file("broken.png");
    std::ofstream(broken) << "not a picture";
    for (const std::string& bad : {m_work->file("missing.png"), broken, m_work->file("scene.csb")}) {
        SCOPED_TRACE(bad);
        m_dialogs.boxes.clear();
        m_frame->documents().openPath(wxString::FromUTF8(bad));
        ASSERT_EQ(m_dialogs.boxes.size(), 1u);
        EXPECT_EQ(m_dialogs.boxes[0].caption, U("提示"));
        const wxString box = U("无法加载背景文件！") + wxS("\n") + wxString::FromUTF8(bad);
        if (bad.find(".csb") == std::string::npos)
            EXPECT_EQ(m_dialogs.boxes[0].message, box);
        else
            EXPECT_TRUE(m_dialogs.boxes[0].message.StartsWith(box + wxS("\n"))) << m_dialogs.boxes[0].message;
        EXPECT_EQ(Background(), second);
        EXPECT_EQ(sceneChildCount(), children);
    }
    pump(100); // frames draw with the background in place

    // Neither particle file nor picture: nothing happens, nothing is said.
    m_dialogs.boxes.clear();
    m_frame->documents().openPath(wxString::FromUTF8(m_work->file("notes.txt")));
    EXPECT_TRUE(m_dialogs.boxes.empty());
    EXPECT_EQ(sceneChildCount(), children);
}

TEST_F(GuiDocumentCommands, TheFilesExtensionInAnyCaseChoosesHowItOpens) {
    const std::string flower = TestPlistsDir() + "cocos2d-objc/Flower.plist";
    const std::string sprite = std::string(FW_SOURCE_DIR) + "/res/Sprite.png";
    ASSERT_TRUE(TestFileExists(flower));
    // A picture in a folder whose name holds ".plist" is a background.
    fs::create_directory(m_work->file("fx.plist.d"));
    const std::string inFolder = m_work->file("fx.plist.d/bg.png");
    fs::copy_file(sprite, inFolder);
    m_frame->documents().openPath(wxString::FromUTF8(inFolder));
    EXPECT_TRUE(m_dialogs.boxes.empty());
    EXPECT_TRUE(treeRows().empty());
    Node* first = Background();
    ASSERT_NE(first, nullptr);

    const std::string upper = m_work->file("FLOWER.PLIST");
    fs::copy_file(flower, upper);
    m_frame->documents().openPath(wxString::FromUTF8(upper));
    EXPECT_EQ(treeRows().size(), 1u);
    EXPECT_EQ(Background(), first);
    const std::string upperPicture = m_work->file("BG.Png");
    fs::copy_file(sprite, upperPicture);
    m_frame->documents().openPath(wxString::FromUTF8(upperPicture));
    EXPECT_NE(Background(), first);
    EXPECT_NE(Background(), nullptr);
    EXPECT_TRUE(m_dialogs.boxes.empty());

    // A particle file named like a picture is tried as a picture and refused.
    const std::string disguised = m_work->file("flower.plist.png");
    fs::copy_file(flower, disguised);
    const int children = sceneChildCount();
    m_frame->documents().openPath(wxString::FromUTF8(disguised));
    ASSERT_EQ(m_dialogs.boxes.size(), 1u);
    EXPECT_EQ(m_dialogs.boxes[0].message, U("无法加载背景文件！") + wxS("\n") + wxString::FromUTF8(disguised));
    EXPECT_EQ(treeRows().size(), 1u);
    EXPECT_EQ(sceneChildCount(), children);

    // A picture named like a particle file is tried as one and refused.
    const std::string picture = m_work->file("picture.plist");
    fs::copy_file(sprite, picture);
    m_dialogs.boxes.clear();
    m_frame->documents().openPath(wxString::FromUTF8(picture));
    ASSERT_EQ(m_dialogs.boxes.size(), 1u);
    EXPECT_EQ(m_dialogs.boxes[0].caption, U("提示"));
    EXPECT_TRUE(
        m_dialogs.boxes[0].message.StartsWith(U("无法加载粒子文件！") + wxS("\n") + wxString::FromUTF8(picture)))
        << m_dialogs.boxes[0].message;
    EXPECT_EQ(sceneChildCount(), children);

    // Neither extension at the end: nothing at all.
    const std::string notes = m_work->file("flower.plist.txt");
    fs::copy_file(flower, notes);
    m_dialogs.boxes.clear();
    m_frame->documents().openPath(wxString::FromUTF8(notes));
    EXPECT_TRUE(m_dialogs.boxes.empty());
    EXPECT_EQ(sceneChildCount(), children);
}

TEST_F(GuiDocumentCommands, EveryTestPlistAndBrokenVariantLoadsOrIsRefusedWithoutChangingTheScene) {
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(TestPlistsDir()))
        if (entry.path().extension() == ".plist") files.push_back(entry.path().string());
    ASSERT_GE(files.size(), 40u);
    // Broken variants of each: cut short, emptied, a count that is no number.
    for (size_t i = 0; i < files.size(); i += 3) {
        const std::string text = ReadAll(files[i]);
        const std::string cut = m_work->file("cut" + std::to_string(i) + ".plist");
        std::ofstream(cut, std::ios::binary) << text.substr(0, text.size() / 2);
        files.push_back(cut);
    }
    std::ofstream(m_work->file("empty.plist")).close();
    files.push_back(m_work->file("empty.plist"));
    std::ofstream(m_work->file("nan.plist"))
        << "<?xml version=\"1.0\"?><plist><dict><key>maxParticles</key><real>nan</real></dict></plist>";
    files.push_back(m_work->file("nan.plist"));
    files.push_back(m_work->file("absent.plist"));

    int loaded = 0, refused = 0;
    // Rebuilding the page for each file is what a user sees once; here it
    // would only cost time.
    m_frame->propertyGridManager()->Freeze();
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const size_t rows = treeRows().size();
        const int children = sceneChildCount();
        m_dialogs.boxes.clear();
        m_frame->documents().openPath(wxString::FromUTF8(file));
        if (m_dialogs.boxes.empty()) {
            ++loaded;
            ASSERT_EQ(treeRows().size(), rows + 1);
            EXPECT_EQ(AsParticles(selection().front())->filePath, wxString::FromUTF8(file));
            command(wxID_DELETE);
            m_frame->engineHost().tick(); // the frame's autorelease pool lets go of it
        } else {
            ++refused;
            ASSERT_EQ(m_dialogs.boxes.size(), 1u);
            EXPECT_EQ(m_dialogs.boxes[0].caption, U("提示"));
            EXPECT_TRUE(
                m_dialogs.boxes[0].message.StartsWith(U("无法加载粒子文件！") + wxS("\n") + wxString::FromUTF8(file)));
        }
        EXPECT_EQ(treeRows().size(), rows);
        EXPECT_EQ(sceneChildCount(), children);
    }
    m_frame->propertyGridManager()->Thaw();
    EXPECT_GE(loaded, 30);
    EXPECT_GE(refused, 4);
    // The box says why where the file tells: here, that there is no file.
    m_dialogs.boxes.clear();
    m_frame->documents().openPath(wxString::FromUTF8(m_work->file("absent.plist")));
    ASSERT_EQ(m_dialogs.boxes.size(), 1u);
    EXPECT_EQ(m_dialogs.boxes[0].message.AfterLast('\n'), U("文件不存在或无法读取。"));
}

TEST_F(GuiDocumentCommands, SaveAndSaveAsWriteThePlistAndRememberThePath) {
    command(wxID_SAVE);
    ASSERT_EQ(m_dialogs.boxes.size(), 1u);
    EXPECT_EQ(m_dialogs.boxes[0].caption, U("提示"));
    EXPECT_EQ(m_dialogs.boxes[0].message, U("没有选择保存的对象！"));
    EXPECT_TRUE(pathRequests().empty());

    command(wxID_NEW);
    ParticleSystem2DEditor* object = AsParticles(selection().front());
    const std::string first = m_work->file("first.plist");
    const std::string second = m_work->file("second.plist");
    answerPaths({wxString(), wxString::FromUTF8(first), wxString::FromUTF8(second)});
    command(wxID_SAVE); // cancelled
    EXPECT_TRUE(object->filePath.empty());
    EXPECT_FALSE(fs::exists(first));
    command(wxID_SAVE);
    ASSERT_EQ(pathRequests().size(), 2u);
    EXPECT_EQ(pathRequests()[1].message, U("保存C++源文件"));
    EXPECT_EQ(pathRequests()[1].wildcard, U("字典文件(*.plist)|*.plist"));
    EXPECT_EQ(pathRequests()[1].style, wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    EXPECT_EQ(object->filePath, wxString::FromUTF8(first));
    EXPECT_EQ(PlistPairCount(first), 47);

    // Saving again writes back to the same file without asking.
    object->setTotalParticles(123);
    command(wxID_SAVE);
    EXPECT_EQ(pathRequests().size(), 2u);
    EXPECT_EQ(PlistNumber(first, "d[\"maxParticles\"]"), 123);

    command(wxID_SAVEAS);
    ASSERT_EQ(pathRequests().size(), 3u);
    EXPECT_EQ(object->filePath, wxString::FromUTF8(second));
    EXPECT_EQ(PlistPairCount(second), 47);
    EXPECT_TRUE(m_dialogs.boxes.size() == 1u);

    // A file made read-only is not replaced: the box says so and why.
    const std::string before = ReadAll(second);
    ASSERT_EQ(chmod(second.c_str(), 0444), 0);
    object->setTotalParticles(77);
    command(wxID_SAVE);
    ASSERT_EQ(m_dialogs.boxes.size(), 2u);
    EXPECT_EQ(m_dialogs.boxes[1].caption, U("警告"));
    EXPECT_EQ(m_dialogs.boxes[1].message, U("保存失败！") + wxS("\n") + wxString::FromUTF8(second) + wxS("\n") +
                                              U("没有写入权限：文件或它所在的文件夹是只读的。"));
    EXPECT_EQ(ReadAll(second), before);
    EXPECT_EQ(fs::status(second).permissions(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(object->filePath, wxString::FromUTF8(second));
}

TEST_F(GuiDocumentCommands, AFailedSaveAsKeepsThePathThatWorked) {
    command(wxID_NEW);
    ParticleSystem2DEditor* object = AsParticles(selection().front());
    const std::string good = m_work->file("good.plist");
    const std::string nowhere = m_work->file("no-such-folder/fx.plist");
    m_work->write("locked.plist", "locked");
    const std::string locked = m_work->file("locked.plist");
    ASSERT_EQ(chmod(locked.c_str(), 0444), 0);
    answerPaths({wxString::FromUTF8(good), wxString::FromUTF8(nowhere), wxString::FromUTF8(locked)});
    command(wxID_SAVEAS);
    ASSERT_EQ(object->filePath, wxString::FromUTF8(good));

    for (const std::string& bad : {nowhere, locked}) {
        SCOPED_TRACE(bad);
        m_dialogs.boxes.clear();
        command(wxID_SAVEAS);
        ASSERT_EQ(m_dialogs.boxes.size(), 1u);
        EXPECT_TRUE(m_dialogs.boxes[0].message.StartsWith(U("保存失败！") + wxS("\n") + wxString::FromUTF8(bad)));
        EXPECT_EQ(object->filePath, wxString::FromUTF8(good));
    }
    EXPECT_FALSE(fs::exists(nowhere));
    EXPECT_EQ(ReadAll(locked), "locked");

    // The next Save goes where the last save went, without asking.
    object->setTotalParticles(55);
    m_dialogs.boxes.clear();
    command(wxID_SAVE);
    EXPECT_EQ(pathRequests().size(), 3u);
    EXPECT_TRUE(m_dialogs.boxes.empty());
    EXPECT_EQ(PlistNumber(good, "d[\"maxParticles\"]"), 55);

    // A new object whose first save fails still has no file: Save asks again.
    command(wxID_NEW);
    ParticleSystem2DEditor* fresh = AsParticles(selection().front());
    answerPaths({wxString::FromUTF8(nowhere)});
    command(wxID_SAVE);
    EXPECT_TRUE(fresh->filePath.empty());
}

TEST_F(GuiDocumentCommands, ReplayRestartsTheSelectedSystem) {
    command(wxID_NEW);
    ParticleSystem2DEditor* object = AsParticles(selection().front());
    for (int i = 0; i < 40; ++i) m_frame->engineHost().tick();
    const int running = object->getParticleCount();
    ASSERT_GT(running, 5);
    command(1000);
    m_frame->engineHost().tick();
    EXPECT_LT(object->getParticleCount(), running / 2);
    EXPECT_TRUE(object->isActive());
}

TEST_F(GuiDocumentCommands, AnEditTypedIntoTheGridReachesTheSelectedNode) {
    command(wxID_NEW);
    auto* node = dynamic_cast<Node*>(selection().front());
    wxPropertyGrid* grid = m_frame->propertyGridManager()->GetGrid();
    wxPGProperty* name = grid->GetPropertyByName(wxS("_Name"));
    ASSERT_NE(name, nullptr);
    focusFrame();
    grid->SetFocus();
    grid->SelectProperty(name, true);
    pump(100);
    wxUIActionSimulator user;
    user.Text("spark");
    user.Char(WXK_RETURN);
    pumpUntil([&] { return node->getName() == "spark"; }, 3);
    EXPECT_EQ(node->getName(), "spark");
}
