// Renderer: render queues, global-Z ordering, batching of triangle commands.
#include "renderer/CCRenderer.h"

#include <algorithm>
#include <cstddef>

#include "base/CCConsole.h"
#include "renderer/CCCustomCommand.h"
#include "renderer/CCGLProgram.h"
#include "renderer/CCGLProgramCache.h"
#include "renderer/CCGLProgramState.h"
#include "renderer/CCTrianglesCommand.h"
#include "renderer/ccGLStateCache.h"

NS_CC_BEGIN

// ---- RenderQueue ----

RenderQueue::RenderQueue() : _isCullEnabled(false), _isDepthEnabled(false), _isDepthWrite(GL_FALSE) {}

void RenderQueue::push_back(RenderCommand* command) {
    float z = command->getGlobalOrder();
    if (z < 0) {
        _commands[GLOBALZ_NEG].push_back(command);
    } else if (z > 0) {
        _commands[GLOBALZ_POS].push_back(command);
    } else {
        if (command->is3D()) {
            if (command->isTransparent())
                _commands[TRANSPARENT_3D].push_back(command);
            else
                _commands[OPAQUE_3D].push_back(command);
        } else {
            _commands[GLOBALZ_ZERO].push_back(command);
        }
    }
}

ssize_t RenderQueue::size() const {
    ssize_t result = 0;
    for (int index = 0; index < QUEUE_COUNT; ++index) result += _commands[index].size();
    return result;
}

void RenderQueue::sort() {
    auto byZ = [](const RenderCommand* a, const RenderCommand* b) { return a->getGlobalOrder() < b->getGlobalOrder(); };
    std::stable_sort(std::begin(_commands[TRANSPARENT_3D]), std::end(_commands[TRANSPARENT_3D]),
                     [](const RenderCommand* a, const RenderCommand* b) { return a->getDepth() > b->getDepth(); });
    std::stable_sort(std::begin(_commands[GLOBALZ_NEG]), std::end(_commands[GLOBALZ_NEG]), byZ);
    std::stable_sort(std::begin(_commands[GLOBALZ_POS]), std::end(_commands[GLOBALZ_POS]), byZ);
}

RenderCommand* RenderQueue::operator[](ssize_t index) const {
    for (int queIndex = 0; queIndex < QUEUE_COUNT; ++queIndex) {
        if (index < static_cast<ssize_t>(_commands[queIndex].size())) return _commands[queIndex][index];
        index -= _commands[queIndex].size();
    }
    return nullptr;
}

void RenderQueue::clear() {
    for (int i = 0; i < QUEUE_COUNT; ++i) _commands[i].clear();
}

void RenderQueue::realloc(size_t reserveSize) {
    for (int i = 0; i < QUEUE_COUNT; ++i) {
        _commands[i].clear();
        _commands[i].reserve(reserveSize);
    }
}

void RenderQueue::saveRenderState() {
    _isDepthEnabled = glIsEnabled(GL_DEPTH_TEST) != GL_FALSE;
    _isCullEnabled = glIsEnabled(GL_CULL_FACE) != GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &_isDepthWrite);
}

void RenderQueue::restoreRenderState() {
    if (_isCullEnabled)
        glEnable(GL_CULL_FACE);
    else
        glDisable(GL_CULL_FACE);
    if (_isDepthEnabled)
        glEnable(GL_DEPTH_TEST);
    else
        glDisable(GL_DEPTH_TEST);
    glDepthMask(_isDepthWrite);
}

// ---- Renderer ----

Renderer::Renderer()
    : _queuedVertexCount(0),
      _queuedIndexCount(0),
      _drawnBatches(0),
      _drawnVertices(0),
      _isRendering(false),
      _isDepthTestFor2D(false),
      _glViewAssigned(false),
      _clearColor(Color4F::BLACK) {
    _buffersVBO[0] = _buffersVBO[1] = 0;
    _commandGroupStack.push(0);
    RenderQueue defaultRenderQueue;
    _renderGroups.push_back(defaultRenderQueue);
    _queuedTriangleCommands.reserve(BATCH_TRIAGCOMMAND_RESERVED_SIZE);
}

Renderer::~Renderer() {
    _renderGroups.clear();
    if (_buffersVBO[0] && isGLReady()) {
        glDeleteBuffers(2, &_buffersVBO[0]);
    }
}

bool Renderer::isGLReady() const {
    return _glViewAssigned && glUseProgram != nullptr && glGetString(GL_VERSION) != nullptr;
}

void Renderer::initGLView() {
    _glViewAssigned = true;
    if (isGLReady()) setupBuffer();
}

void Renderer::setupBuffer() {
    if (_buffersVBO[0] == 0) glGenBuffers(2, &_buffersVBO[0]);
}

void Renderer::addCommand(RenderCommand* command) {
    int renderQueue = _commandGroupStack.top();
    addCommand(command, renderQueue);
}

void Renderer::addCommand(RenderCommand* command, int renderQueue) {
    CCASSERT(!_isRendering, "Cannot add command while rendering");
    CCASSERT(renderQueue >= 0, "Invalid render queue");
    if (command == nullptr || command->getType() == RenderCommand::Type::UNKNOWN_COMMAND) return;
    if (renderQueue < 0 || renderQueue >= static_cast<int>(_renderGroups.size())) return;
    _renderGroups[renderQueue].push_back(command);
}

void Renderer::pushGroup(int renderQueueID) {
    _commandGroupStack.push(renderQueueID);
}

void Renderer::popGroup() {
    if (_commandGroupStack.size() > 1) _commandGroupStack.pop();
}

int Renderer::createRenderQueue() {
    RenderQueue newRenderQueue;
    _renderGroups.push_back(newRenderQueue);
    return static_cast<int>(_renderGroups.size()) - 1;
}

ssize_t Renderer::getQueuedCommandCount() const {
    return _renderGroups[_commandGroupStack.top()].size();
}

void Renderer::processRenderCommand(RenderCommand* command) {
    auto commandType = command->getType();
    if (RenderCommand::Type::TRIANGLES_COMMAND == commandType) {
        flush3D();
        auto cmd = static_cast<TrianglesCommand*>(command);
        ssize_t verts = cmd->getQuadCount() > 0 ? cmd->getQuadCount() * 4 : cmd->getVertexCount();
        ssize_t indices = cmd->getQuadCount() > 0 ? cmd->getQuadCount() * 6 : cmd->getIndexCount();
        // Keep one batch within the buffer sizes; a bigger command still goes alone.
        if (_queuedVertexCount > 0 &&
            (_queuedVertexCount + verts > VBO_SIZE || _queuedIndexCount + indices > INDEX_VBO_SIZE)) {
            drawBatchedTriangles();
        }
        _queuedTriangleCommands.push_back(cmd);
        _queuedVertexCount += verts;
        _queuedIndexCount += indices;
    } else if (RenderCommand::Type::CUSTOM_COMMAND == commandType) {
        flush();
        static_cast<CustomCommand*>(command)->execute();
    } else {
        flush();
    }
}

void Renderer::doVisitRenderQueue(const std::vector<RenderCommand*>& renderCommands) {
    for (const auto& command : renderCommands) processRenderCommand(command);
    flush();
}

void Renderer::visitRenderQueue(RenderQueue& queue) {
    bool gl = isGLReady();
    if (gl) queue.saveRenderState();

    // 2D groups: depth only when the 2D depth test is on, no culling.
    auto state2D = [this, gl] {
        if (!gl) return;
        if (_isDepthTestFor2D) {
            clearDepthIfPending();
            glEnable(GL_DEPTH_TEST);
            glDepthMask(true);
        } else {
            glDisable(GL_DEPTH_TEST);
            glDepthMask(false);
        }
        glDisable(GL_CULL_FACE);
    };
    auto state3D = [this, gl](bool depthWrite) {
        if (!gl) return;
        clearDepthIfPending();
        glEnable(GL_DEPTH_TEST);
        glDepthMask(depthWrite);
        glEnable(GL_CULL_FACE);
    };

    const RenderQueue::QUEUE_GROUP order[] = {RenderQueue::GLOBALZ_NEG, RenderQueue::OPAQUE_3D,
                                              RenderQueue::TRANSPARENT_3D, RenderQueue::GLOBALZ_ZERO,
                                              RenderQueue::GLOBALZ_POS};
    for (auto group : order) {
        const auto& commands = queue.getSubQueue(group);
        if (commands.empty()) continue;
        if (group == RenderQueue::OPAQUE_3D)
            state3D(true);
        else if (group == RenderQueue::TRANSPARENT_3D)
            state3D(false);
        else
            state2D();
        doVisitRenderQueue(commands);
    }

    if (gl) queue.restoreRenderState();
}

void Renderer::render() {
    _isRendering = true;
    for (auto& renderqueue : _renderGroups) renderqueue.sort();
    visitRenderQueue(_renderGroups[0]);
    clean();
    _isRendering = false;
}

void Renderer::clean() {
    for (auto& queue : _renderGroups) queue.clear();
    _queuedTriangleCommands.clear();
    _queuedVertexCount = 0;
    _queuedIndexCount = 0;
}

void Renderer::clear() {
    if (!isGLReady()) return;
    glClearColor(_clearColor.r, _clearColor.g, _clearColor.b, _clearColor.a);
    glClear(GL_COLOR_BUFFER_BIT);
    _depthClearPending = true;
}

void Renderer::clearDepthIfPending() {
    if (!_depthClearPending) return;
    _depthClearPending = false;
    // The whole buffer, whatever clipping a node has left switched on.
    const bool scissor = glIsEnabled(GL_SCISSOR_TEST) != GL_FALSE;
    if (scissor) glDisable(GL_SCISSOR_TEST);
    glDepthMask(true);
    glClear(GL_DEPTH_BUFFER_BIT);
    glDepthMask(false);
    if (scissor) glEnable(GL_SCISSOR_TEST);
}

void Renderer::setClearColor(const Color4F& clearColor) {
    _clearColor = clearColor;
}

void Renderer::setDepthTest(bool enable) {
    _isDepthTestFor2D = enable;
    if (!isGLReady()) return;
    if (enable) {
        glClearDepth(1.0f);
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LEQUAL);
    } else {
        glDisable(GL_DEPTH_TEST);
    }
}

// Alpha blending of a fully opaque fragment gives the fragment itself: such
// draws go without blending, which spares a software rasteriser the read of
// every covered pixel (a full-window background image is the usual case).
// Opaque means an opaque texture, opaque vertex colours and a shader that
// multiplies the two.
static bool blendsToSource(const TrianglesCommand& cmd, const GLProgram* shaderA, const GLProgram* shaderB) {
    if (!cmd.isTextureOpaque()) return false;
    const BlendFunc blend = cmd.getBlendType();
    if (blend.dst != GL_ONE_MINUS_SRC_ALPHA || (blend.src != GL_ONE && blend.src != GL_SRC_ALPHA)) return false;
    const GLProgram* program = cmd.getGLProgramState() ? cmd.getGLProgramState()->getGLProgram() : nullptr;
    return program != nullptr && (program == shaderA || program == shaderB);
}

void Renderer::drawBatchedTriangles() {
    if (_queuedTriangleCommands.empty()) return;
    if (!isGLReady()) {
        _queuedTriangleCommands.clear();
        _queuedVertexCount = _queuedIndexCount = 0;
        return;
    }
    setupBuffer();

    struct Batch {
        TrianglesCommand* cmd;
        size_t indexOffset;
        size_t indexCount;
        bool opaque;
    };
    GLProgramCache* programs = GLProgramCache::getInstance();
    const GLProgram* textureColour[] = {programs->getGLProgram(GLProgram::SHADER_NAME_POSITION_TEXTURE_COLOR_NO_MVP),
                                        programs->getGLProgram(GLProgram::SHADER_NAME_POSITION_TEXTURE_COLOR)};
    std::vector<Batch> batches;
    _verts.clear();
    _indices.clear();

    uint32_t prevMaterialID = 0;
    bool firstCommand = true;
    for (const auto& cmd : _queuedTriangleCommands) {
        const Mat4& mv = cmd->getModelView();
        GLuint base = static_cast<GLuint>(_verts.size());
        size_t firstIndex = _indices.size();

        // Positions go to world space on the CPU; the *_noMVP shaders apply the projection only.
        ssize_t vertCount = cmd->getQuadCount() > 0 ? cmd->getQuadCount() * 4 : cmd->getVertexCount();
        const V3F_C4B_T2F* src = cmd->getVertices();
        if (src == nullptr || vertCount <= 0) continue;
        GLubyte alpha = 255;
        for (ssize_t i = 0; i < vertCount; ++i) {
            V3F_C4B_T2F v = src[i];
            mv.transformPoint(&v.vertices);
            alpha &= v.colors.a;
            _verts.push_back(v);
        }
        if (cmd->getQuadCount() > 0) {
            for (ssize_t q = 0; q < cmd->getQuadCount(); ++q) {
                GLuint b = base + static_cast<GLuint>(q * 4);
                _indices.push_back(b + 0);
                _indices.push_back(b + 1);
                _indices.push_back(b + 2);
                _indices.push_back(b + 3);
                _indices.push_back(b + 2);
                _indices.push_back(b + 1);
            }
        } else {
            const unsigned short* idx = cmd->getIndices();
            for (ssize_t i = 0; idx && i < cmd->getIndexCount(); ++i) {
                if (idx[i] < vertCount)
                    _indices.push_back(base + idx[i]);
                else
                    _indices.push_back(base); // out of range: degenerate instead of a wild read
            }
        }
        size_t count = _indices.size() - firstIndex;

        const bool opaque = alpha == 255 && blendsToSource(*cmd, textureColour[0], textureColour[1]);
        uint32_t materialID = cmd->getMaterialID();
        bool batchable = !cmd->isSkipBatching() && materialID != MATERIAL_ID_DO_NOT_BATCH;
        if (!firstCommand && batchable && prevMaterialID == materialID && !batches.empty() &&
            batches.back().opaque == opaque) {
            batches.back().indexCount += count;
        } else {
            batches.push_back(Batch{cmd, firstIndex, count, opaque});
        }
        prevMaterialID = batchable ? materialID : MATERIAL_ID_DO_NOT_BATCH;
        firstCommand = false;
    }

    if (!_verts.empty() && !_indices.empty()) {
        glBindBuffer(GL_ARRAY_BUFFER, _buffersVBO[0]);
        glBufferData(GL_ARRAY_BUFFER, sizeof(V3F_C4B_T2F) * _verts.size(), _verts.data(), GL_STREAM_DRAW);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, _buffersVBO[1]);
        glBufferData(GL_ELEMENT_ARRAY_BUFFER, sizeof(GLuint) * _indices.size(), _indices.data(), GL_STREAM_DRAW);

        GL::enableVertexAttribs(GL::VERTEX_ATTRIB_FLAG_POS_COLOR_TEX);
        glVertexAttribPointer(GLProgram::VERTEX_ATTRIB_POSITION, 3, GL_FLOAT, GL_FALSE, sizeof(V3F_C4B_T2F),
                              (GLvoid*)offsetof(V3F_C4B_T2F, vertices));
        glVertexAttribPointer(GLProgram::VERTEX_ATTRIB_COLOR, 4, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(V3F_C4B_T2F),
                              (GLvoid*)offsetof(V3F_C4B_T2F, colors));
        glVertexAttribPointer(GLProgram::VERTEX_ATTRIB_TEX_COORD, 2, GL_FLOAT, GL_FALSE, sizeof(V3F_C4B_T2F),
                              (GLvoid*)offsetof(V3F_C4B_T2F, texCoords));

        for (const auto& batch : batches) {
            if (batch.indexCount == 0) continue;
            batch.cmd->useMaterial();
            if (batch.opaque) GL::blendFunc(GL_ONE, GL_ZERO);
            glDrawElements(GL_TRIANGLES, (GLsizei)batch.indexCount, GL_UNSIGNED_INT,
                           (GLvoid*)(batch.indexOffset * sizeof(GLuint)));
            _drawnBatches++;
            _drawnVertices += batch.indexCount;
        }

        // Leave no buffer bound: client-side arrays of legacy drawing must keep working.
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    }

    _queuedTriangleCommands.clear();
    _queuedVertexCount = 0;
    _queuedIndexCount = 0;
}

void Renderer::flush() {
    flush2D();
    flush3D();
}

void Renderer::flush2D() {
    flushTriangles();
}

void Renderer::flush3D() {}

void Renderer::flushTriangles() {
    drawBatchedTriangles();
}

NS_CC_END
