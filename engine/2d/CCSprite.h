// Sprite: a textured quad (a texture rectangle) drawn through the batched triangles command.
#ifndef __SPRITE_NODE_CCSPRITE_H__
#define __SPRITE_NODE_CCSPRITE_H__

#include <string>

#include "2d/CCNode.h"
#include "base/ccTypes.h"
#include "renderer/CCTrianglesCommand.h"

NS_CC_BEGIN

class Texture2D;

class CC_DLL Sprite : public Node {
public:
    static const int INDEX_NOT_INITIALIZED = -1;

    static Sprite* create();
    // Loads the file through the texture cache (search paths); null when it cannot be loaded.
    static Sprite* create(const std::string& filename);
    static Sprite* create(const std::string& filename, const Rect& rect);
    static Sprite* createWithTexture(Texture2D* texture);
    static Sprite* createWithTexture(Texture2D* texture, const Rect& rect, bool rotated = false);

    // Replaces the texture by a file's and shows all of it.
    virtual void setTexture(const std::string& filename);
    virtual void setTexture(Texture2D* texture);
    virtual Texture2D* getTexture() const;

    // Content size becomes the rectangle's size (points).
    virtual void setTextureRect(const Rect& rect);
    virtual void setTextureRect(const Rect& rect, bool rotated, const Size& untrimmedSize);
    const Rect& getTextureRect() const { return _rect; }
    bool isTextureRectRotated() const { return _rectRotated; }

    void setFlippedX(bool flippedX);
    bool isFlippedX() const;
    void setFlippedY(bool flippedY);
    bool isFlippedY() const;

    void setBlendFunc(const BlendFunc& blendFunc) { _blendFunc = blendFunc; }
    const BlendFunc& getBlendFunc() const { return _blendFunc; }

    V3F_C4B_T2F_Quad getQuad() const { return _quad; }
    const std::string& getResourceName() const { return _fileName; }

    virtual void setOpacityModifyRGB(bool modify) override;
    virtual bool isOpacityModifyRGB() const override;

    virtual void draw(Renderer* renderer, const Mat4& transform, uint32_t flags) override;
    virtual std::string getDescription() const override;

    Sprite();
    virtual ~Sprite();

    virtual bool init() override;
    virtual bool initWithTexture(Texture2D* texture);
    virtual bool initWithTexture(Texture2D* texture, const Rect& rect);
    virtual bool initWithTexture(Texture2D* texture, const Rect& rect, bool rotated);
    virtual bool initWithFile(const std::string& filename);
    virtual bool initWithFile(const std::string& filename, const Rect& rect);

protected:
    virtual void updateColor() override;
    virtual void setTextureCoords(const Rect& rect);
    virtual void updateBlendFunc();
    void setVertexCoords(const Rect& rect);
    void flipQuad();

    TrianglesCommand _trianglesCommand;
    BlendFunc _blendFunc;
    Texture2D* _texture;

    Rect _rect;
    bool _rectRotated;
    Vec2 _offsetPosition;
    Vec2 _unflippedOffsetPositionFromCenter;

    V3F_C4B_T2F_Quad _quad;
    unsigned short _indices[6];

    bool _opacityModifyRGB;
    bool _flippedX;
    bool _flippedY;
    std::string _fileName;

private:
    CC_DISALLOW_COPY_AND_ASSIGN(Sprite)
};

NS_CC_END

#endif  // __SPRITE_NODE_CCSPRITE_H__
