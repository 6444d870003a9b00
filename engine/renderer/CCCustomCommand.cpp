// A render command that runs a callback.
#include "renderer/CCCustomCommand.h"

NS_CC_BEGIN

CustomCommand::CustomCommand() : func(nullptr) {
    _type = RenderCommand::Type::CUSTOM_COMMAND;
}

CustomCommand::~CustomCommand() {}

void CustomCommand::init(float globalZOrder, const Mat4& modelViewTransform, uint32_t flags) {
    RenderCommand::init(globalZOrder, modelViewTransform, flags);
    fingerprint = nullptr;
}

void CustomCommand::init(float globalZOrder) {
    _globalOrder = globalZOrder;
    set3D(false);
    _depth = 0;
    fingerprint = nullptr;
}

void CustomCommand::execute() {
    if (func) {
        func();
    }
}

NS_CC_END
