// Scene: the root of a scene graph that the director runs.
#ifndef __CCSCENE_H__
#define __CCSCENE_H__

#include "2d/CCNode.h"

NS_CC_BEGIN

class Renderer;

class CC_DLL Scene : public Node {
public:
    static Scene* create();
    static Scene* createWithSize(const Size& size);

    virtual std::string getDescription() const override;

    // Applies the default viewport, visits the graph and renders its commands.
    virtual void render(Renderer* renderer, const Mat4& eyeTransform, const Mat4* eyeProjection = nullptr);

    Scene();
    virtual ~Scene();

    bool init() override;
    bool initWithSize(const Size& size);

private:
    CC_DISALLOW_COPY_AND_ASSIGN(Scene)
};

NS_CC_END

#endif  // __CCSCENE_H__
