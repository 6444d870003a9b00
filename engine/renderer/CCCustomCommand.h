// A render command that runs a callback when the renderer reaches it.
#ifndef _CC_CUSTOMCOMMAND_H_
#define _CC_CUSTOMCOMMAND_H_

#include <functional>

#include "renderer/CCRenderCommand.h"
#include "renderer/CCRenderFingerprint.h"

NS_CC_BEGIN

class CC_DLL CustomCommand : public RenderCommand {
public:
    CustomCommand();
    ~CustomCommand();

    void init(float globalZOrder, const Mat4& modelViewTransform, uint32_t flags);
    // 2D command with an identity transform.
    void init(float globalZOrder);

    // Calls func; queued batches are drawn first, so the order is kept.
    void execute();

    bool isTranslucent() { return true; }

    std::function<void()> func;
    // Set (after init, which clears it) by a drawer whose pixels follow from
    // what it adds here and the frame's viewport and projection alone. A
    // command without it counts as drawing something new every frame.
    std::function<void(RenderFingerprint&)> fingerprint;
};

NS_CC_END

#endif // _CC_CUSTOMCOMMAND_H_
