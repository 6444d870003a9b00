// LayerGradient: a colour layer whose corners blend from a start to an end colour along a direction.
#ifndef __CCLAYERGRADIENT_H__
#define __CCLAYERGRADIENT_H__

#include "2d/CCLayer.h"

NS_CC_BEGIN

class CC_DLL LayerGradient : public LayerColor {
public:
    static LayerGradient* create();
    static LayerGradient* create(const Color4B& start, const Color4B& end);
    static LayerGradient* create(const Color4B& start, const Color4B& end, const Vec2& v);

    void setStartColor(const Color3B& color) { setColor(color); }
    const Color3B& getStartColor() const { return _realColor; }
    void setEndColor(const Color3B& color);
    const Color3B& getEndColor() const { return _endColor; }
    void setStartOpacity(GLubyte opacity);
    GLubyte getStartOpacity() const { return _startOpacity; }
    void setEndOpacity(GLubyte opacity);
    GLubyte getEndOpacity() const { return _endOpacity; }
    // The direction the colour runs from start to end; (0, -1) is top to bottom.
    void setVector(const Vec2& alongVector);
    const Vec2& getVector() const { return _alongVector; }
    void setCompressedInterpolation(bool compressed);
    bool isCompressedInterpolation() const { return _compressedInterpolation; }

    // Colour of each corner: bottom-left, bottom-right, top-left, top-right.
    const Color4F& getCornerColor(int i) const { return _squareColors[i & 3]; }

    bool initWithColor(const Color4B& start, const Color4B& end, const Vec2& v);
    LayerGradient() = default;

protected:
    virtual void updateColor() override;

    Color3B _endColor = Color3B::BLACK;
    GLubyte _startOpacity = 255;
    GLubyte _endOpacity = 255;
    Vec2 _alongVector = Vec2(0, -1);
    bool _compressedInterpolation = true;
};

NS_CC_END

#endif // __CCLAYERGRADIENT_H__
