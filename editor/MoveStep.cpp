// Putting dragged nodes back where a drag found them, and where it left them.
#include "editor/MoveStep.h"

#include "editor/SceneDocument.h"
#include "editor/SelectionManager.h"

#include <wx/translation.h>

MoveStep::MoveStep(std::vector<Move> moves)
    : SwapStep(wxGetTranslation(wxString::FromUTF8("移动"))),
      m_moves(std::move(moves)) {
    for (Move& move : m_moves) {
        move.revisionBefore = move.object.object()->revision;
        move.revisionAfter = SceneDocument::newRevision();
        move.object.object()->revision = move.revisionAfter;
    }
}

void MoveStep::put(bool after) {
    for (const Move& move : m_moves) {
        move.object.node()->setPosition(after ? move.to : move.from);
        move.object.object()->revision = after ? move.revisionAfter : move.revisionBefore;
        SelectionManager::getInstance()->showPosition(move.object.object());
    }
}
