// Base of the render commands.
#include "renderer/CCRenderCommand.h"

#include "2d/CCNode.h"

NS_CC_BEGIN

RenderCommand::RenderCommand()
    : _type(RenderCommand::Type::UNKNOWN_COMMAND),
      _globalOrder(0),
      _isTransparent(true),
      _skipBatching(false),
      _is3D(false),
      _depth(0) {}

RenderCommand::~RenderCommand() {}

void RenderCommand::init(float globalZOrder, const Mat4& transform, uint32_t flags) {
    _globalOrder = globalZOrder;
    if (flags & Node::FLAGS_RENDER_AS_3D) {
        set3D(true);
        _depth = transform.m[14];
    } else {
        set3D(false);
        _depth = 0;
    }
}

NS_CC_END
