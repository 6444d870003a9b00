// Which effects differ from their files: the tree rows' names and " *" marks and the window title's mark.
#include "MainFrameFixture.h"

#include "editor/SceneDocument.h"
#include "editor/SelectionManager.h"
#include "particle/ParticleSystem2DEditor.h"
#include "ui/MainFrame.h"
#include "ui/MainFrameIds.h"

#include <wx/cmdproc.h>
#include <wx/propgrid/manager.h>

namespace {

class GuiUnsavedMarks : public GuiMainFrameFixture {
protected:
    bool titleMarked() { return m_frame->GetTitle().EndsWith(wxS(" *")); }
    void edit(const char* name, const wxVariant& value) {
        wxPropertyGrid* grid = m_frame->propertyGridManager()->GetGrid();
        wxPGProperty* row = grid->GetPropertyByName(wxString::FromUTF8(name));
        ASSERT_NE(row, nullptr);
        grid->ChangePropertyValue(row, value);
    }
};

TEST_F(GuiUnsavedMarks, ANewEffectIsUnsavedUntilSavedAndUndoingBackToTheSaveClearsTheMark) {
    SceneDocument& document = m_frame->sceneDocument();
    EXPECT_EQ(m_frame->GetTitle(), wxS("Flarewick(Cocos2dx)"));
    command(ID_CREATE_FIRST + 1);
    // A sprite has no file of its own and is never marked.
    EXPECT_EQ(treeRows(), std::vector<wxString>{wxS("Sprite")});
    EXPECT_FALSE(titleMarked());

    SelectionManager::getInstance()->clearSelection();
    command(wxID_NEW);
    EXPECT_EQ(treeRows().back(), wxS("Particle2D *"));
    EXPECT_TRUE(titleMarked());

    const std::string path = m_work->file("casting.plist");
    answerPaths({wxString::FromUTF8(path)});
    command(wxID_SAVE);
    EXPECT_EQ(treeRows().back(), wxS("casting.plist"));
    EXPECT_FALSE(titleMarked());
    // Saving is no step and keeps the history.
    EXPECT_TRUE(document.canUndo());
    EXPECT_EQ(document.history().GetCurrentCommand()->GetName(), wxString::FromUTF8("创建"));

    edit("angle", wxVariant(12.0));
    EXPECT_EQ(treeRows().back(), wxS("casting.plist *"));
    EXPECT_TRUE(titleMarked());
    document.undo();
    EXPECT_EQ(treeRows().back(), wxS("casting.plist"));
    EXPECT_FALSE(titleMarked());
    document.redo();
    EXPECT_EQ(treeRows().back(), wxS("casting.plist *"));
    // Its creation undone: the effect is out of the scene, nothing is left unsaved.
    document.undo();
    document.undo();
    EXPECT_TRUE(document.unsavedObjects().empty());
    document.redo();
    edit("angle", wxVariant(20.0));
    edit("angle", wxVariant(12.0));
    // The same values by another way still count as changed since the save.
    EXPECT_EQ(treeRows().back(), wxS("casting.plist *"));
}

TEST_F(GuiUnsavedMarks, AnOpenedEffectShowsItsFileNameAndIsUnmarkedUntilChangedOrDragged) {
    const wxString galaxy = wxString::FromUTF8(dataPath("plists/cocos2d-objc/Galaxy.plist"));
    answerPaths({galaxy});
    command(wxID_OPEN);
    EXPECT_EQ(treeRows(), std::vector<wxString>{wxS("Galaxy.plist")});
    EXPECT_FALSE(titleMarked());
    SelectionManager* selection = SelectionManager::getInstance();
    selection->moveSelectedBy(cocos2d::Vec2(5, 5));
    selection->endMove();
    EXPECT_EQ(treeRows(), std::vector<wxString>{wxS("Galaxy.plist *")});
    EXPECT_TRUE(titleMarked());
    ASSERT_EQ(m_frame->sceneDocument().unsavedObjects().size(), 1u);
    m_frame->sceneDocument().undo();
    EXPECT_EQ(treeRows(), std::vector<wxString>{wxS("Galaxy.plist")});
    EXPECT_FALSE(titleMarked());
}

} // namespace
