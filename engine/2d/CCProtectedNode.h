// ProtectedNode: a node with a second list of children (a widget's own images and labels) kept apart from its ordinary
// children.
#ifndef __CPROTECTEDCNODE_H__
#define __CPROTECTEDCNODE_H__

#include "2d/CCNode.h"

NS_CC_BEGIN

class CC_DLL ProtectedNode : public Node {
public:
    static ProtectedNode* create();

    virtual void addProtectedChild(Node* child);
    virtual void addProtectedChild(Node* child, int localZOrder);
    virtual void addProtectedChild(Node* child, int localZOrder, int tag);
    virtual Node* getProtectedChildByTag(int tag);
    virtual void removeProtectedChild(Node* child, bool cleanup = true);
    virtual void removeAllProtectedChildren();
    virtual void sortAllProtectedChildren();
    const Vector<Node*>& getProtectedChildren() const { return _protectedChildren; }

    // Draw order: children below zero, protected children below zero, the
    // node itself, the other protected children, the other children.
    virtual void visit(Renderer* renderer, const Mat4& parentTransform, uint32_t parentFlags) override;

    virtual void onEnter() override;
    virtual void onExit() override;
    virtual void cleanup() override;
    virtual void updateDisplayedOpacity(GLubyte parentOpacity) override;
    virtual void updateDisplayedColor(const Color3B& parentColor) override;

    ProtectedNode() = default;
    virtual ~ProtectedNode();

protected:
    virtual void disableCascadeColor() override;
    virtual void disableCascadeOpacity() override;

    Vector<Node*> _protectedChildren;
    bool _reorderProtectedChildDirty = false;

private:
    CC_DISALLOW_COPY_AND_ASSIGN(ProtectedNode)
};

NS_CC_END

#endif // __CPROTECTEDCNODE_H__
