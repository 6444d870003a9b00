// Base of the commands that nodes queue in the renderer during a visit.
#ifndef __CCRENDERCOMMAND_H_
#define __CCRENDERCOMMAND_H_

#include <cstdint>

#include "base/ccMacros.h"
#include "math/CCMath.h"
#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

class CC_DLL RenderCommand {
public:
    enum class Type {
        UNKNOWN_COMMAND,
        QUAD_COMMAND,
        CUSTOM_COMMAND,
        BATCH_COMMAND,
        GROUP_COMMAND,
        MESH_COMMAND,
        PRIMITIVE_COMMAND,
        TRIANGLES_COMMAND
    };

    // Global order, 3D flag (from Node::FLAGS_RENDER_AS_3D) and view depth.
    void init(float globalZOrder, const Mat4& modelViewTransform, uint32_t flags);

    float getGlobalOrder() const { return _globalOrder; }
    Type getType() const { return _type; }
    bool isTransparent() const { return _isTransparent; }
    void setTransparent(bool isTransparent) { _isTransparent = isTransparent; }
    bool isSkipBatching() const { return _skipBatching; }
    void setSkipBatching(bool value) { _skipBatching = value; }
    bool is3D() const { return _is3D; }
    void set3D(bool value) { _is3D = value; }
    float getDepth() const { return _depth; }

protected:
    RenderCommand();
    virtual ~RenderCommand();

    Type _type;
    float _globalOrder;
    bool _isTransparent;
    bool _skipBatching;
    bool _is3D;
    float _depth;
};

NS_CC_END

#endif  // __CCRENDERCOMMAND_H_
