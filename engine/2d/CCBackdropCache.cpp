// The pixels of a scene's backdrop kept in an offscreen buffer and copied back while its draws stay the same.
#include "2d/CCBackdropCache.h"

#include "2d/CCNode.h"
#include "2d/CCParticleSystem.h"
#include "base/CCDirector.h"
#include "renderer/CCRenderer.h"
#include "renderer/CCTrianglesCommand.h"

#include <algorithm>

NS_CC_BEGIN

namespace {

const RenderQueue::QUEUE_GROUP kOtherGroups[] = {RenderQueue::GLOBALZ_NEG, RenderQueue::OPAQUE_3D,
                                                 RenderQueue::TRANSPARENT_3D, RenderQueue::GLOBALZ_POS};

bool holdsParticles(const Node& node) {
    if (dynamic_cast<const ParticleSystem*>(&node)) return true;
    for (const Node* child : node.getChildren())
        if (holdsParticles(*child)) return true;
    return false;
}

bool backdropHoldsParticles(const Node& scene) {
    for (const Node* child : scene.getChildren()) {
        if (child->getLocalZOrder() >= 0) break;
        if (holdsParticles(*child)) return true;
    }
    return false;
}

void describeTriangles(const TrianglesCommand& t, RenderFingerprint& inputs) {
    static_assert(sizeof(V3F_C4B_T2F) == 24, "vertices are compared as bytes and must hold no padding");
    inputs.add(t.getTextureID());
    inputs.add(t.getGLProgramState());
    inputs.add(t.getBlendType().src);
    inputs.add(t.getBlendType().dst);
    inputs.add(t.getMaterialID());
    inputs.add(t.isTextureOpaque());
    inputs.add(t.isSkipBatching());
    inputs.add(t.getQuadCount());
    inputs.add(t.getModelView().m, sizeof(t.getModelView().m));
    const ssize_t vertices = t.getQuadCount() > 0 ? t.getQuadCount() * 4 : t.getVertexCount();
    inputs.add(vertices);
    if (t.getVertices() && vertices > 0) inputs.add(t.getVertices(), sizeof(V3F_C4B_T2F) * vertices);
    if (t.getQuadCount() == 0 && t.getIndices() && t.getIndexCount() > 0) {
        inputs.add(t.getIndexCount());
        inputs.add(t.getIndices(), sizeof(unsigned short) * t.getIndexCount());
    }
}

// A copy between two framebuffers of a rectangle of the same size; nothing
// else of the GL state is left changed.
void copyPixels(GLuint from, GLint fromX, GLint fromY, GLuint to, GLint toX, GLint toY, GLsizei width, GLsizei height) {
    GLint read = 0, draw = 0;
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &read);
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &draw);
    const bool scissor = glIsEnabled(GL_SCISSOR_TEST) != GL_FALSE;
    if (scissor) glDisable(GL_SCISSOR_TEST);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, from);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, to);
    glBlitFramebuffer(fromX, fromY, fromX + width, fromY + height, toX, toY, toX + width, toY + height,
                      GL_COLOR_BUFFER_BIT, GL_NEAREST);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(read));
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(draw));
    if (scissor) glEnable(GL_SCISSOR_TEST);
}

GLuint currentDrawFramebuffer() {
    GLint draw = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &draw);
    return static_cast<GLuint>(draw);
}

bool glCurrent() {
    return glGetString(GL_VERSION) != nullptr;
}

} // namespace

BackdropCache::BackdropCache() {}

BackdropCache::~BackdropCache() {
    releaseStorage();
}

void BackdropCache::beginBackdrop(Renderer* renderer) {
    _renderer = renderer;
    _queueId = renderer->getCurrentRenderQueueId();
    RenderQueue& queue = renderer->getRenderQueue(_queueId);
    for (int group = 0; group < RenderQueue::QUEUE_COUNT; ++group)
        _queuedBefore[group] = static_cast<size_t>(queue.getSubQueueSize(static_cast<RenderQueue::QUEUE_GROUP>(group)));
    _begun = true;
}

void BackdropCache::endBackdrop(Renderer* renderer, const Node& scene) {
    const bool marked = _begun && renderer == _renderer && renderer->getCurrentRenderQueueId() == _queueId;
    _begun = false;
    if (!marked || !describeBackdrop(renderer, scene)) {
        _valid = false;
        _previous.clear();
        return;
    }
    if (_valid && _inputs == _kept) {
        auto& commands = renderer->getRenderQueue(_queueId).getSubQueue(RenderQueue::GLOBALZ_ZERO);
        commands.erase(commands.begin() + static_cast<std::ptrdiff_t>(_queuedBefore[RenderQueue::GLOBALZ_ZERO]),
                       commands.end());
        _restoreCommand.init(0);
        _restoreCommand.func = [this] { restore(); };
        renderer->addCommand(&_restoreCommand);
        return;
    }
    _valid = false;
    if (_inputs == _previous) {
        // Held still for a frame: kept once drawn.
        _captureCommand.init(0);
        _captureCommand.func = [this] { capture(); };
        renderer->addCommand(&_captureCommand);
    } else {
        _previous.swap(_inputs);
    }
}

void BackdropCache::invalidate() {
    _valid = false;
    _previous.clear();
}

bool BackdropCache::describeBackdrop(Renderer* renderer, const Node& scene) {
    _inputs.clear();
    if (!renderer->isGLReady() || !glBlitFramebuffer || !glGenFramebuffers || !glGenRenderbuffers) return false;
    // Depth written by the backdrop would not come back with its colours.
    if (renderer->isDepthTestFor2D()) return false;
    RenderQueue& queue = renderer->getRenderQueue(_queueId);
    for (auto group : kOtherGroups)
        if (static_cast<size_t>(queue.getSubQueueSize(group)) != _queuedBefore[group]) return false;
    const auto& commands = queue.getSubQueue(RenderQueue::GLOBALZ_ZERO);
    const size_t first = _queuedBefore[RenderQueue::GLOBALZ_ZERO];
    if (commands.size() <= first) return false;
    if (backdropHoldsParticles(scene)) return false;

    glGetIntegerv(GL_VIEWPORT, _viewport);
    _inputs.add(_viewport, sizeof(_viewport));
    _inputs.add(currentDrawFramebuffer());
    const Mat4& projection = Director::getInstance()->getMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_PROJECTION);
    _inputs.add(projection.m, sizeof(projection.m));
    const Color4F& clear = renderer->getClearColor();
    _inputs.add(&clear.r, sizeof(float) * 4);
    for (size_t i = first; i < commands.size(); ++i) {
        const RenderCommand* command = commands[i];
        _inputs.add(command->getType());
        if (command->getType() == RenderCommand::Type::TRIANGLES_COMMAND) {
            describeTriangles(*static_cast<const TrianglesCommand*>(command), _inputs);
        } else if (command->getType() == RenderCommand::Type::CUSTOM_COMMAND) {
            const auto* custom = static_cast<const CustomCommand*>(command);
            if (!custom->fingerprint) return false;
            custom->fingerprint(_inputs);
        } else {
            return false;
        }
    }
    return true;
}

bool BackdropCache::drawnBeforeBackdrop() const {
    RenderQueue& queue = _renderer->getRenderQueue(_queueId);
    return queue.getSubQueueSize(RenderQueue::GLOBALZ_NEG) > 0 || queue.getSubQueueSize(RenderQueue::OPAQUE_3D) > 0 ||
           queue.getSubQueueSize(RenderQueue::TRANSPARENT_3D) > 0;
}

bool BackdropCache::ensureStorage(GLsizei width, GLsizei height) {
    if (_framebuffer && width == _width && height == _height) return true;
    releaseStorage();
    GLint renderbuffer = 0, draw = 0;
    glGetIntegerv(GL_RENDERBUFFER_BINDING, &renderbuffer);
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &draw);
    glGenRenderbuffers(1, &_colour);
    glBindRenderbuffer(GL_RENDERBUFFER, _colour);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    glGenFramebuffers(1, &_framebuffer);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, _framebuffer);
    glFramebufferRenderbuffer(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, _colour);
    const bool complete = glCheckFramebufferStatus(GL_DRAW_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(draw));
    glBindRenderbuffer(GL_RENDERBUFFER, static_cast<GLuint>(renderbuffer));
    if (!complete) {
        releaseStorage();
        return false;
    }
    _width = width;
    _height = height;
    return true;
}

void BackdropCache::releaseStorage() {
    if ((_framebuffer || _colour) && glCurrent() && glDeleteFramebuffers) {
        glDeleteFramebuffers(1, &_framebuffer);
        glDeleteRenderbuffers(1, &_colour);
    }
    _framebuffer = _colour = 0;
    _width = _height = 0;
    _valid = false;
}

void BackdropCache::capture() {
    if (drawnBeforeBackdrop()) return;
    // A multisampled target takes no copy back at the same place.
    GLint samples = 0;
    glGetIntegerv(GL_SAMPLES, &samples);
    if (samples > 0) return;
    // Nothing draws outside the viewport: the rest of the frame is the clear colour.
    const GLint x = std::max(0, _viewport[0]), y = std::max(0, _viewport[1]);
    const GLsizei width = _viewport[2] - (x - _viewport[0]), height = _viewport[3] - (y - _viewport[1]);
    if (width <= 0 || height <= 0 || !ensureStorage(width, height)) return;
    copyPixels(currentDrawFramebuffer(), x, y, _framebuffer, 0, 0, width, height);
    _kept = _inputs;
    _valid = true;
    ++_copiesTaken;
}

void BackdropCache::restore() {
    const GLint x = std::max(0, _viewport[0]), y = std::max(0, _viewport[1]);
    copyPixels(_framebuffer, 0, 0, currentDrawFramebuffer(), x, y, _width, _height);
    ++_framesFromCache;
    // Whatever was drawn first is under the copy now; such frames draw the backdrop.
    if (drawnBeforeBackdrop()) invalidate();
}

NS_CC_END
