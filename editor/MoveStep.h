// The undoable step of one drag in the view, from press to release: where each moved node was and where it went.
#pragma once

#include "editor/ObjectRef.h"
#include "editor/SwapStep.h"

#include "math/Vec2.h"

#include <vector>

class MoveStep : public SwapStep {
public:
    struct Move {
        ObjectRef object;
        cocos2d::Vec2 from, to;
        long revisionBefore = 0, revisionAfter = 0;
    };

    // Gives each moved object a new revision; the moves are already done.
    explicit MoveStep(std::vector<Move> moves);

private:
    void put(bool after) override;
    std::vector<Move> m_moves;
};
