// Layer and LayerColor.
#include "2d/CCLayer.h"

#include "base/CCDirector.h"
#include "renderer/CCGLProgram.h"
#include "renderer/CCGLProgramState.h"
#include "renderer/CCRenderer.h"
#include "renderer/ccGLStateCache.h"

NS_CC_BEGIN

// ---- Layer ----

Layer::Layer() {
    _ignoreAnchorPointForPosition = true;
    setAnchorPoint(Vec2(0.5f, 0.5f));
}

Layer::~Layer() {}

bool Layer::init() {
    setContentSize(Director::getInstance()->getWinSize());
    return true;
}

Layer* Layer::create() {
    Layer* ret = new (std::nothrow) Layer();
    if (ret && ret->init()) {
        ret->autorelease();
        return ret;
    }
    CC_SAFE_DELETE(ret);
    return nullptr;
}

std::string Layer::getDescription() const {
    return StringUtils::format("<Layer | Tag = %d>", _tag);
}

// ---- LayerColor ----

LayerColor::LayerColor() {
    // The constructor's blend is replaced by initWithColor, as in the engine.
    _blendFunc = BlendFunc::ALPHA_PREMULTIPLIED;
}

LayerColor::~LayerColor() {}

LayerColor* LayerColor::create() {
    LayerColor* ret = new (std::nothrow) LayerColor();
    if (ret && ret->init()) {
        ret->autorelease();
    } else {
        CC_SAFE_DELETE(ret);
    }
    return ret;
}

LayerColor* LayerColor::create(const Color4B& color, GLfloat width, GLfloat height) {
    LayerColor* layer = new (std::nothrow) LayerColor();
    if (layer && layer->initWithColor(color, width, height)) {
        layer->autorelease();
        return layer;
    }
    CC_SAFE_DELETE(layer);
    return nullptr;
}

LayerColor* LayerColor::create(const Color4B& color) {
    LayerColor* layer = new (std::nothrow) LayerColor();
    if (layer && layer->initWithColor(color)) {
        layer->autorelease();
        return layer;
    }
    CC_SAFE_DELETE(layer);
    return nullptr;
}

bool LayerColor::init() {
    Size s = Director::getInstance()->getWinSize();
    return initWithColor(Color4B(0, 0, 0, 0), s.width, s.height);
}

bool LayerColor::initWithColor(const Color4B& color, GLfloat w, GLfloat h) {
    if (Layer::init()) {
        _blendFunc = BlendFunc::ALPHA_NON_PREMULTIPLIED;

        _displayedColor.r = _realColor.r = color.r;
        _displayedColor.g = _realColor.g = color.g;
        _displayedColor.b = _realColor.b = color.b;
        _displayedOpacity = _realOpacity = color.a;

        for (size_t i = 0; i < sizeof(_squareVertices) / sizeof(_squareVertices[0]); i++) {
            _squareVertices[i].x = 0.0f;
            _squareVertices[i].y = 0.0f;
        }

        updateColor();
        setContentSize(Size(w, h));

        setGLProgramState(GLProgramState::getOrCreateWithGLProgramName(GLProgram::SHADER_NAME_POSITION_COLOR_NO_MVP));
        return true;
    }
    return false;
}

bool LayerColor::initWithColor(const Color4B& color) {
    Size s = Director::getInstance()->getWinSize();
    return initWithColor(color, s.width, s.height);
}

void LayerColor::setContentSize(const Size& size) {
    _squareVertices[1].x = size.width;
    _squareVertices[2].y = size.height;
    _squareVertices[3].x = size.width;
    _squareVertices[3].y = size.height;
    Layer::setContentSize(size);
}

void LayerColor::changeWidthAndHeight(GLfloat w, GLfloat h) {
    this->setContentSize(Size(w, h));
}

void LayerColor::changeWidth(GLfloat w) {
    this->setContentSize(Size(w, _contentSize.height));
}

void LayerColor::changeHeight(GLfloat h) {
    this->setContentSize(Size(_contentSize.width, h));
}

void LayerColor::updateColor() {
    for (unsigned int i = 0; i < 4; i++) {
        _squareColors[i].r = _displayedColor.r / 255.0f;
        _squareColors[i].g = _displayedColor.g / 255.0f;
        _squareColors[i].b = _displayedColor.b / 255.0f;
        _squareColors[i].a = _displayedOpacity / 255.0f;
    }
}

void LayerColor::draw(Renderer* renderer, const Mat4& transform, uint32_t flags) {
    _customCommand.init(_globalZOrder, transform, flags);
    _customCommand.func = CC_CALLBACK_0(LayerColor::onDraw, this, transform, flags);
    _customCommand.fingerprint = [this](RenderFingerprint& inputs) {
        inputs.add(getGLProgram());
        inputs.add(_blendFunc.src);
        inputs.add(_blendFunc.dst);
        for (const Vec3& v : _noMVPVertices) inputs.add(&v.x, sizeof(float) * 3);
        for (const Color4F& c : _squareColors) inputs.add(&c.r, sizeof(float) * 4);
    };
    renderer->addCommand(&_customCommand);

    for (int i = 0; i < 4; ++i) {
        Vec4 pos;
        pos.x = _squareVertices[i].x;
        pos.y = _squareVertices[i].y;
        pos.z = _positionZ;
        pos.w = 1;
        _modelViewTransform.transformVector(&pos);
        _noMVPVertices[i] = Vec3(pos.x, pos.y, pos.z) / pos.w;
    }
}

void LayerColor::onDraw(const Mat4& transform, uint32_t flags) {
    auto glProgram = getGLProgram();
    if (glProgram == nullptr || !Director::getInstance()->getRenderer()->isGLReady()) return;
    glProgram->use();
    glProgram->setUniformsForBuiltins();

    GL::enableVertexAttribs(GL::VERTEX_ATTRIB_FLAG_POSITION | GL::VERTEX_ATTRIB_FLAG_COLOR);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glVertexAttribPointer(GLProgram::VERTEX_ATTRIB_POSITION, 3, GL_FLOAT, GL_FALSE, 0, _noMVPVertices);
    glVertexAttribPointer(GLProgram::VERTEX_ATTRIB_COLOR, 4, GL_FLOAT, GL_FALSE, 0, _squareColors);

    GL::blendFunc(_blendFunc.src, _blendFunc.dst);
    glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
    Director::getInstance()->getRenderer()->addDrawnBatches(1);
    Director::getInstance()->getRenderer()->addDrawnVertices(4);
}

std::string LayerColor::getDescription() const {
    return StringUtils::format("<LayerColor | Tag = %d>", _tag);
}

NS_CC_END
