// Scene: the root of a scene graph that the director runs.
#ifndef __CCSCENE_H__
#define __CCSCENE_H__

#include "2d/CCNode.h"

#include <memory>

NS_CC_BEGIN

class Renderer;
class BackdropCache;

class CC_DLL Scene : public Node {
public:
    static Scene* create();
    static Scene* createWithSize(const Size& size);

    virtual std::string getDescription() const override;

    // Applies the default viewport, visits the graph and renders its commands.
    virtual void render(Renderer* renderer, const Mat4& eyeTransform, const Mat4* eyeProjection = nullptr);

    // Off by default. When on, the children behind the scene (negative local
    // Z) are drawn once and copied into later frames while everything they
    // draw with stays the same (see BackdropCache); the frames are the same
    // to the byte.
    void setBackdropCaching(bool enabled);
    bool isBackdropCaching() const { return _backdropCache != nullptr; }
    // Null while caching is off.
    BackdropCache* getBackdropCache() const { return _backdropCache.get(); }
    // For changes the cache cannot see in the draws, such as a texture of the
    // same name whose pixels were replaced: the next frames draw the backdrop.
    void invalidateBackdrop();

    void visit(Renderer* renderer, const Mat4& parentTransform, uint32_t parentFlags) override;
    void draw(Renderer* renderer, const Mat4& transform, uint32_t flags) override;

    Scene();
    virtual ~Scene();

    bool init() override;
    bool initWithSize(const Size& size);

private:
    std::unique_ptr<BackdropCache> _backdropCache;

    CC_DISALLOW_COPY_AND_ASSIGN(Scene)
};

NS_CC_END

#endif // __CCSCENE_H__
