// Renderer: queues the commands of one visit, orders them by global Z and executes them,
// batching consecutive triangle/quad commands of equal material into one draw call.
#ifndef __CC_RENDERER_H_
#define __CC_RENDERER_H_

#include <stack>
#include <vector>

#include "base/ccTypes.h"
#include "platform/CCGL.h"
#include "platform/CCPlatformMacros.h"
#include "renderer/CCRenderCommand.h"

NS_CC_BEGIN

class TrianglesCommand;

// The commands of one queue, split into the engine's five groups.
class CC_DLL RenderQueue {
public:
    enum QUEUE_GROUP {
        GLOBALZ_NEG = 0,
        OPAQUE_3D = 1,
        TRANSPARENT_3D = 2,
        GLOBALZ_ZERO = 3,
        GLOBALZ_POS = 4,
        QUEUE_COUNT = 5,
    };

    RenderQueue();
    void push_back(RenderCommand* command);
    ssize_t size() const;
    // Negative and positive global Z by ascending Z (stable), transparent 3D by
    // descending depth; global Z 0 keeps the order of submission.
    void sort();
    RenderCommand* operator[](ssize_t index) const;
    void clear();
    void realloc(size_t reserveSize);
    std::vector<RenderCommand*>& getSubQueue(QUEUE_GROUP group) { return _commands[group]; }
    ssize_t getSubQueueSize(QUEUE_GROUP group) const { return _commands[group].size(); }

    void saveRenderState();
    void restoreRenderState();

protected:
    std::vector<RenderCommand*> _commands[QUEUE_COUNT];
    bool _isCullEnabled;
    bool _isDepthEnabled;
    GLboolean _isDepthWrite;
};

class CC_DLL Renderer {
public:
    static const int VBO_SIZE = 65536;
    static const int INDEX_VBO_SIZE = VBO_SIZE * 6 / 4;
    static const int BATCH_TRIAGCOMMAND_RESERVED_SIZE = 64;
    static const int MATERIAL_ID_DO_NOT_BATCH = 0;

    Renderer();
    ~Renderer();

    // A view (and its context) exists from now on: GL calls are issued.
    void initGLView();

    void addCommand(RenderCommand* command);
    void addCommand(RenderCommand* command, int renderQueue);
    void pushGroup(int renderQueueID);
    void popGroup();
    int createRenderQueue();

    // Executes the queued commands and empties the queues.
    void render();
    void clean();
    // Clears colour with the clear colour, and depth (to 1) before the first
    // draw of the frame that tests depth: 3D groups or the 2D depth test. A
    // frame of 2D drawing alone never touches depth, and a software
    // rasteriser would spend a sizeable part of such a frame clearing it.
    void clear();
    void setClearColor(const Color4F& clearColor);
    const Color4F& getClearColor() const { return _clearColor; }

    ssize_t getDrawnBatches() const { return _drawnBatches; }
    void addDrawnBatches(ssize_t number) { _drawnBatches += number; }
    ssize_t getDrawnVertices() const { return _drawnVertices; }
    void addDrawnVertices(ssize_t number) { _drawnVertices += number; }
    void clearDrawStats() { _drawnBatches = _drawnVertices = 0; }

    void setDepthTest(bool enable);
    bool isDepthTestFor2D() const { return _isDepthTestFor2D; }

    // Commands waiting in the queue on top of the group stack (for tests and tools).
    ssize_t getQueuedCommandCount() const;
    // The queue that addCommand fills now, and any queue by its id: for code
    // that marks a span of the commands while they are being queued.
    int getCurrentRenderQueueId() const { return _commandGroupStack.top(); }
    RenderQueue& getRenderQueue(int id) { return _renderGroups[id]; }

    // True when GL calls can be made: a view was set and a context with GLEW is current.
    bool isGLReady() const;

protected:
    void setupBuffer();
    void processRenderCommand(RenderCommand* command);
    void visitRenderQueue(RenderQueue& queue);
    void doVisitRenderQueue(const std::vector<RenderCommand*>& renderCommands);
    void flush();
    void flush2D();
    void flush3D();
    void flushTriangles();
    void drawBatchedTriangles();
    void clearDepthIfPending();

    std::stack<int> _commandGroupStack;
    std::vector<RenderQueue> _renderGroups;

    std::vector<TrianglesCommand*> _queuedTriangleCommands;
    ssize_t _queuedVertexCount;
    ssize_t _queuedIndexCount;

    std::vector<V3F_C4B_T2F> _verts;
    std::vector<GLuint> _indices;
    GLuint _buffersVBO[2];

    ssize_t _drawnBatches;
    ssize_t _drawnVertices;
    bool _isRendering;
    bool _isDepthTestFor2D;
    bool _depthClearPending = true;
    bool _glViewAssigned;
    Color4F _clearColor;
};

NS_CC_END

#endif // __CC_RENDERER_H_
