// A long seeded run of creates, edits, drags, deletes, undos and redos: each undo and redo gives back its exact state.
#include "MainFrameFixture.h"

#include "editor/SceneDocument.h"
#include "editor/SelectionManager.h"
#include "particle/ParticleSystem2DEditor.h"
#include "particle/PlistDocument.h"
#include "ui/MainFrame.h"
#include "ui/MainFrameIds.h"

#include "2d/CCScene.h"
#include "base/CCDirector.h"

#include <wx/cmdproc.h>
#include <wx/propgrid/manager.h>

#include <map>
#include <memory>
#include <random>

using cocos2d::Node;

namespace {

// The values of every object in the scene, in drawing order, and the tree's rows.
struct SceneValues {
    std::vector<Node*> order;
    std::vector<std::shared_ptr<ObjectState>> states;
    std::vector<std::string> plists;
    std::vector<wxString> rows;
};

// The written plists are compared only where asked: writing every effect at
// every step would make the run take minutes.
void Collect(Node* node, SceneValues& values, bool plists) {
    node->sortAllChildren();
    for (Node* child : node->getChildren()) {
        if (auto* object = dynamic_cast<EditorObject*>(child)) {
            values.order.push_back(child);
            values.states.push_back(object->captureState());
            values.plists.push_back(plists && dynamic_cast<ParticleSystem2DEditor*>(object)
                                        ? PlistDocument::text([object](wxXmlNode* d) { object->writeXml(d); })
                                        : std::string());
        }
        Collect(child, values, plists);
    }
}

// Empty when equal, else what differs first.
std::string Difference(const SceneValues& want, const SceneValues& got) {
    if (want.order != got.order) return "objects or their order";
    for (size_t i = 0; i < want.order.size(); ++i) {
        if (!got.states[i]->sameAs(*want.states[i])) return "values of object " + std::to_string(i);
        if (got.plists[i] != want.plists[i]) return "plist of object " + std::to_string(i);
    }
    if (want.rows != got.rows) return "tree rows";
    return std::string();
}

class GuiUndoSequence : public GuiMainFrameFixture {
protected:
    SceneValues values(bool plists = false) {
        SceneValues v;
        Collect(cocos2d::Director::getInstance()->getRunningScene(), v, plists);
        v.rows = treeRows();
        return v;
    }
    std::vector<EditorObject*> objects() { return m_frame->sceneDocument().objects(); }

    // One grid edit of a row the object has, with a value from the seed.
    void editSomething(EditorObject* object, std::mt19937& random) {
        SelectionManager::getInstance()->select(object);
        wxPropertyGrid* grid = m_frame->propertyGridManager()->GetGrid();
        const bool particle = dynamic_cast<ParticleSystem2DEditor*>(object) != nullptr;
        const char* rows[] = {"_Rotation",
                              "_Position",
                              particle ? "angle" : "_Opacity",
                              particle ? "maxParticles" : "_Color",
                              particle ? "emitterType" : "_Tag",
                              particle ? "emitterType.speed" : "_Name",
                              particle ? "startColor" : "_AnchorPoint"};
        const char* name = rows[random() % 7];
        wxPGProperty* row = grid->GetPropertyByName(wxString::FromUTF8(name));
        if (!row) return; // the speed row of an effect in radius mode
        const int n = static_cast<int>(random() % 200);
        wxVariant value;
        const wxString type = row->GetValue().GetType();
        if (type == wxS("double"))
            value = n * 0.75;
        else if (type == wxS("long"))
            value = std::string(name) == "emitterType" ? static_cast<long>(n % 2) : static_cast<long>(n + 1);
        else if (type == wxS("string"))
            value = wxString::Format("n%d", n);
        else if (type == wxS("wxColour"))
            value << wxColour(n, 255 - n, n / 2, 200);
        else if (type == wxS("wxRealPoint"))
            value << wxRealPoint(n, -n * 0.5);
        else
            return;
        grid->ChangePropertyValue(row, value);
    }
};

TEST_F(GuiUndoSequence, FiveHundredSeededStepsEachUndoAndRedoRestoresItsStateAndUndoingAllGivesTheStart) {
    SceneDocument& document = m_frame->sceneDocument();
    wxCommandProcessor& history = document.history();
    std::mt19937 random(20261209);
    const SceneValues start = values(true);
    // What the scene was right before and right after each kept step.
    std::map<const wxCommand*, std::pair<SceneValues, SceneValues>> around;
    int undos = 0, redos = 0, made = 0;
    // Nothing is looked at on screen here; painting the grid after every
    // step would take most of the run.
    m_frame->Freeze();

    for (int i = 0; i < 500; ++i) {
        SCOPED_TRACE(testing::Message() << "step " << i);
        const int kind = static_cast<int>(random() % 20);
        std::vector<EditorObject*> all = objects();
        if (kind < 6) { // undo
            const wxCommand* undone = history.GetCurrentCommand();
            if (!document.canUndo()) continue;
            document.undo();
            ++undos;
            const std::string diff = Difference(around.at(undone).first, values());
            ASSERT_TRUE(diff.empty()) << "undo of " << undone->GetName() << ": " << diff;
            continue;
        }
        if (kind < 9) { // redo
            if (!document.canRedo()) continue;
            document.redo();
            ++redos;
            const wxCommand* redone = history.GetCurrentCommand();
            const std::string diff = Difference(around.at(redone).second, values());
            ASSERT_TRUE(diff.empty()) << "redo of " << redone->GetName() << ": " << diff;
            continue;
        }
        // A selection of its own before the step, which is no step.
        if (!all.empty() && random() % 3 != 0)
            SelectionManager::getInstance()->select(all[random() % all.size()]);
        else
            SelectionManager::getInstance()->clearSelection();
        const wxCommand* last = history.GetCurrentCommand();
        SceneValues before = values();
        if (kind < 12 || all.empty()) {
            if (random() % 4 == 0)
                command(ID_CREATE_FIRST + 1);
            else
                command(ID_EXAMPLE_FIRST + static_cast<int>(random() % 11));
        } else if (kind < 16) {
            editSomething(all[random() % all.size()], random);
        } else if (kind < 18) {
            SelectionManager* selection = SelectionManager::getInstance();
            selection->select(all[random() % all.size()]);
            before = values();
            selection->moveSelectedBy(cocos2d::Vec2(static_cast<float>(random() % 50), 7));
            selection->moveSelectedBy(cocos2d::Vec2(-3, static_cast<float>(random() % 50)));
            selection->endMove();
        } else {
            command(wxID_DELETE);
        }
        const wxCommand* step = history.GetCurrentCommand();
        if (step == last) continue; // nothing changed, nothing kept
        ++made;
        around[step] = {std::move(before), values()};
    }
    m_frame->Thaw();
    EXPECT_GT(undos, 50);
    EXPECT_GT(redos, 20);
    EXPECT_GT(made, 150);

    // Everything taken back: the state before the oldest step kept, which
    // is the start unless the history was full.
    const wxCommand* oldest = static_cast<const wxCommand*>(history.GetCommands().GetFirst()->GetData());
    while (document.canUndo()) document.undo();
    EXPECT_EQ(Difference(around.at(oldest).first, values()), "");
    if (history.GetCommands().GetCount() < static_cast<size_t>(SceneDocument::kMaxSteps)) {
        EXPECT_EQ(Difference(start, values(true)), "");
    }
    // And all of it again.
    while (document.canRedo()) document.redo();
    const wxCommand* newest = history.GetCurrentCommand();
    EXPECT_EQ(Difference(around.at(newest).second, values()), "");
}

} // namespace
