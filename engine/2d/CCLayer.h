// Layer (a full-window node) and LayerColor (a layer that draws a coloured rectangle).
#ifndef __CCLAYER_H__
#define __CCLAYER_H__

#include "2d/CCNode.h"
#include "renderer/CCCustomCommand.h"

NS_CC_BEGIN

class CC_DLL Layer : public Node {
public:
    static Layer* create();

    virtual std::string getDescription() const override;

    Layer();
    virtual ~Layer();
    // Content size = the director's window (design) size.
    virtual bool init() override;

private:
    CC_DISALLOW_COPY_AND_ASSIGN(Layer)
};

class CC_DLL LayerColor : public Layer {
public:
    // Transparent black of the window size.
    static LayerColor* create();
    static LayerColor* create(const Color4B& color, GLfloat width, GLfloat height);
    static LayerColor* create(const Color4B& color);

    void changeWidth(GLfloat w);
    void changeHeight(GLfloat h);
    void changeWidthAndHeight(GLfloat w, GLfloat h);

    virtual void draw(Renderer* renderer, const Mat4& transform, uint32_t flags) override;
    virtual void setContentSize(const Size& var) override;

    const BlendFunc& getBlendFunc() const { return _blendFunc; }
    void setBlendFunc(const BlendFunc& blendFunc) { _blendFunc = blendFunc; }

    virtual std::string getDescription() const override;

    LayerColor();
    virtual ~LayerColor();

    bool init() override;
    bool initWithColor(const Color4B& color, GLfloat width, GLfloat height);
    bool initWithColor(const Color4B& color);

protected:
    virtual void updateColor() override;
    void onDraw(const Mat4& transform, uint32_t flags);

    BlendFunc _blendFunc;
    Vec2 _squareVertices[4];
    Color4F _squareColors[4];
    CustomCommand _customCommand;
    Vec3 _noMVPVertices[4];

private:
    CC_DISALLOW_COPY_AND_ASSIGN(LayerColor)
};

NS_CC_END

#endif  // __CCLAYER_H__
