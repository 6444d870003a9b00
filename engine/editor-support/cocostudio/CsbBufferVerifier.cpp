// CsbBufferVerifier: the generic FlatBuffers checks, then each options table as the table its class reads.
#include "editor-support/cocostudio/CsbBufferVerifier.h"

#include "editor-support/cocostudio/CSParseBinary_generated.h"
#include "editor-support/cocostudio/CsbReaderTable.h"
#include "platform/CCUserText.h"

NS_CC_BEGIN

// The generated check cannot know the type behind Options.data; it is
// checked here as the table the node's class selects. The generic pass has
// already bounded the tree's depth, so this walk recurses only that far.
static bool verifyOptions(flatbuffers::Verifier& verifier, const flatbuffers::NodeTree* tree) {
    if (tree->classname() && tree->options() && tree->options()->data()) {
        const CsbReaderEntry* entry = findCsbReader(csbEffectiveClassName(tree));
        auto* data = reinterpret_cast<const flatbuffers::Table*>(tree->options()->data());
        if (entry && !entry->verify(verifier, data)) return false;
    }
    if (auto* children = tree->children()) {
        for (const flatbuffers::NodeTree* child : *children) {
            if (child && !verifyOptions(verifier, child)) return false;
        }
    }
    return true;
}

bool CsbBufferVerifier::verify(const unsigned char* bytes, size_t size, std::string& reason) {
    if (bytes == nullptr || size < sizeof(flatbuffers::uoffset_t)) {
        reason = CC_USER_TEXT("文件太短，不是 Cocos Studio 二进制场景文件");
        return false;
    }
    flatbuffers::Verifier verifier(bytes, size);
    if (!flatbuffers::VerifyCSParseBinaryBuffer(verifier)) {
        reason = CC_USER_TEXT("文件结构无效或已损坏（校验失败），或节点嵌套过深");
        return false;
    }
    const flatbuffers::CSParseBinary* root = flatbuffers::GetCSParseBinary(bytes);
    if (root->nodeTree() == nullptr) {
        reason = CC_USER_TEXT("文件中没有节点树");
        return false;
    }
    flatbuffers::Verifier optionsVerifier(bytes, size);
    if (!verifyOptions(optionsVerifier, root->nodeTree())) {
        reason = CC_USER_TEXT("节点属性数据无效或已损坏（校验失败）");
        return false;
    }
    return true;
}

NS_CC_END
