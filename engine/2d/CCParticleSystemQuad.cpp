// Quad generation and render submission of the quad particle system.
#include "2d/CCParticleSystemQuad.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "2d/CCParticleSystemStep.h"
#include "base/CCDirector.h"
#include "base/ccMacros.h"
#include "renderer/CCGLProgram.h"
#include "renderer/CCGLProgramState.h"
#include "renderer/CCRenderer.h"
#include "renderer/CCTexture2D.h"

NS_CC_BEGIN
ParticleSystemQuad::ParticleSystemQuad() = default;

ParticleSystemQuad::~ParticleSystemQuad() {
    std::free(_quads);
}

ParticleSystemQuad* ParticleSystemQuad::create() {
    ParticleSystemQuad* ret = new (std::nothrow) ParticleSystemQuad();
    if (ret && ret->init()) {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

ParticleSystemQuad* ParticleSystemQuad::createWithTotalParticles(int numberOfParticles) {
    ParticleSystemQuad* ret = new (std::nothrow) ParticleSystemQuad();
    if (ret && ret->initWithTotalParticles(numberOfParticles)) {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

ParticleSystemQuad* ParticleSystemQuad::create(const std::string& filename) {
    ParticleSystemQuad* ret = new (std::nothrow) ParticleSystemQuad();
    if (ret && ret->initWithFile(filename)) {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

ParticleSystemQuad* ParticleSystemQuad::create(ValueMap& dictionary) {
    ParticleSystemQuad* ret = new (std::nothrow) ParticleSystemQuad();
    if (ret && ret->initWithDictionary(dictionary)) {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

bool ParticleSystemQuad::initWithTotalParticles(int numberOfParticles) {
    if (!ParticleSystem::initWithTotalParticles(numberOfParticles)) return false;
    if (!allocMemory()) {
        setLastInitError("not enough memory for " + std::to_string(numberOfParticles) + " quads");
        return false;
    }
    setGLProgramState(
        GLProgramState::getOrCreateWithGLProgramName(GLProgram::SHADER_NAME_POSITION_TEXTURE_COLOR_NO_MVP));
    return true;
}

bool ParticleSystemQuad::allocMemory() {
    size_t count = static_cast<size_t>(std::max(_totalParticles, 0));
    auto* quads = static_cast<V3F_C4B_T2F_Quad*>(std::calloc(count > 0 ? count : 1, sizeof(V3F_C4B_T2F_Quad)));
    if (!quads) return false;
    std::free(_quads);
    _quads = quads;
    if (_texture) initTexCoordsWithRect(_textureRect);
    return true;
}

void ParticleSystemQuad::setTotalParticles(int tp) {
    tp = std::max(0, std::min(tp, MAX_TOTAL_PARTICLES));
    if (tp > _allocatedParticles) {
        // Grow everything; the live particles' contents are lost (they are
        // killed by the reset below anyway). On failure keep the old arrays.
        auto* quads = static_cast<V3F_C4B_T2F_Quad*>(std::calloc(static_cast<size_t>(tp), sizeof(V3F_C4B_T2F_Quad)));
        if (quads) {
            _particleData.release();
            if (_particleData.init(tp)) {
                std::free(_quads);
                _quads = quads;
                _allocatedParticles = tp;
            } else {
                std::free(quads);
                if (!_particleData.init(_allocatedParticles)) _allocatedParticles = 0;
            }
        }
        _particleCount = std::min(_particleCount, _allocatedParticles);
        _totalParticles = std::min(tp, _allocatedParticles);
        if (_texture) initTexCoordsWithRect(_textureRect);
    } else {
        _totalParticles = tp;
    }
    setEmissionRate(static_cast<float>(_totalParticles) / _life);
    resetSystem();
}

// ---- texture ----

void ParticleSystemQuad::initTexCoordsWithRect(const Rect& pointRect) {
    _textureRect = pointRect;
    if (!_quads) return;
    const float scale = CC_CONTENT_SCALE_FACTOR();
    Rect rect(pointRect.origin.x * scale, pointRect.origin.y * scale, pointRect.size.width * scale,
              pointRect.size.height * scale);
    float wide = pointRect.size.width;
    float high = pointRect.size.height;
    if (_texture) {
        wide = static_cast<float>(_texture->getPixelsWide());
        high = static_cast<float>(_texture->getPixelsHigh());
    }
    if (wide <= 0.0f || high <= 0.0f) return;
    const float left = rect.origin.x / wide;
    const float right = left + rect.size.width / wide;
    // Image row 0 is the top of the quad.
    const float top = rect.origin.y / high;
    const float bottom = top + rect.size.height / high;
    // Every allocated quad, not just the current total: raising the total
    // later must not expose quads without coordinates.
    for (int i = 0; i < _allocatedParticles; ++i) {
        V3F_C4B_T2F_Quad& q = _quads[i];
        q.bl.texCoords.u = left;
        q.bl.texCoords.v = bottom;
        q.br.texCoords.u = right;
        q.br.texCoords.v = bottom;
        q.tl.texCoords.u = left;
        q.tl.texCoords.v = top;
        q.tr.texCoords.u = right;
        q.tr.texCoords.v = top;
    }
}

void ParticleSystemQuad::setTextureWithRect(Texture2D* texture, const Rect& rect) {
    if (texture != _texture) ParticleSystem::setTexture(texture);
    initTexCoordsWithRect(rect);
}

void ParticleSystemQuad::setTexture(Texture2D* texture) {
    if (!texture) {
        ParticleSystem::setTexture(nullptr);
        return;
    }
    const Size& s = texture->getContentSize();
    setTextureWithRect(texture, Rect(0, 0, s.width, s.height));
}

// ---- per-frame quads ----

void ParticleSystemQuad::placeQuads(ParticleStepFrame* frame) {
    if (_positionType == PositionType::FREE) {
        // Particles stay where they were emitted in the world: each spawn
        // origin goes through the node's current world-to-node transform.
        const Mat4 worldToNode = getWorldToNodeTransform();
        const Vec2 origin = convertToWorldSpace(Vec2::ZERO);
        Vec3 current(origin.x, origin.y, 0.0f);
        worldToNode.transformPoint(&current);
        frame->offset = ParticleStepFrame::Offset::FREE;
        frame->m0 = worldToNode.m[0];
        frame->m1 = worldToNode.m[1];
        frame->m4 = worldToNode.m[4];
        frame->m5 = worldToNode.m[5];
        frame->m8 = worldToNode.m[8];
        frame->m9 = worldToNode.m[9];
        frame->m12 = worldToNode.m[12];
        frame->m13 = worldToNode.m[13];
        frame->currentX = current.x;
        frame->currentY = current.y;
    } else if (_positionType == PositionType::RELATIVE) {
        frame->offset = ParticleStepFrame::Offset::RELATIVE;
        frame->currentX = _position.x;
        frame->currentY = _position.y;
    } else {
        frame->offset = ParticleStepFrame::Offset::NONE;
    }
}

void ParticleSystemQuad::advanceParticles(float dt) {
    if (!_quads) {
        ParticleSystem::advanceParticles(dt);
        return;
    }
    ParticleStepFrame frame;
    fillStepFrame(&frame, dt, true);
    if (_particleCount > 0) placeQuads(&frame);
    stepParticles(_particleData, _particleCount, frame, _quads);
}

void ParticleSystemQuad::updateParticleQuads() {
    if (_particleCount <= 0 || !_quads) return;
    ParticleStepFrame frame;
    fillStepFrame(&frame, 0.0f, false);
    placeQuads(&frame);
    stepParticles(_particleData, _particleCount, frame, _quads);
}

void ParticleSystemQuad::postStep() {}

void ParticleSystemQuad::draw(Renderer* renderer, const Mat4& transform, uint32_t flags) {
    // Without a texture there is nothing to draw with (the engine crashed).
    if (_particleCount <= 0 || !_texture || !_quads) return;
    const int commands = (_particleCount + MAX_QUADS_PER_COMMAND - 1) / MAX_QUADS_PER_COMMAND;
    while (static_cast<int>(_quadCommands.size()) < commands) _quadCommands.emplace_back(new QuadCommand());
    for (int k = 0; k < commands; ++k) {
        const int first = k * MAX_QUADS_PER_COMMAND;
        const int count = std::min(MAX_QUADS_PER_COMMAND, _particleCount - first);
        QuadCommand* cmd = _quadCommands[static_cast<size_t>(k)].get();
        cmd->init(_globalZOrder, _texture, getGLProgramState(), _blendFunc, _quads + first, count, transform, flags);
        renderer->addCommand(cmd);
    }
}

NS_CC_END
