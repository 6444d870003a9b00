// CsbFileReader: file reading, verification, the recursive build and nested scenes.
#include "editor-support/cocostudio/CsbFileReader.h"

#include <algorithm>

#include "2d/CCNode.h"
#include "2d/CCSpriteFrameCache.h"
#include "base/CCConsole.h"
#include "base/CCData.h"
#include "editor-support/cocostudio/CSParseBinary_generated.h"
#include "editor-support/cocostudio/CsbBufferVerifier.h"
#include "editor-support/cocostudio/CsbReaderTable.h"
#include "platform/CCFileUtils.h"
#include "platform/CCUserText.h"

NS_CC_BEGIN

static const char* const kReaderVersion = "2.1.0.0";

Node* CsbFileReader::read(const std::string& filename, const ccNodeLoadCallback& callback) {
    _error.clear();
    _errorDetail.clear();
    _callback = callback;
    _nodeCount = 0;
    _reportedLimit = false;
    std::string fullPath;
    std::vector<unsigned char> bytes;
    if (!loadFile(filename, fullPath, bytes)) return nullptr;
    _openFiles.assign(1, fullPath);
    Node* root = buildFile(bytes.data(), bytes.size());
    _openFiles.clear();
    return root;
}

Node* CsbFileReader::readData(const unsigned char* bytes, size_t size, const ccNodeLoadCallback& callback) {
    _error.clear();
    _errorDetail.clear();
    _callback = callback;
    _nodeCount = 0;
    _reportedLimit = false;
    _openFiles.clear();
    return buildFile(bytes, size);
}

bool CsbFileReader::loadFile(const std::string& filename, std::string& fullPath, std::vector<unsigned char>& bytes) {
    FileUtils* files = FileUtils::getInstance();
    fullPath = filename.empty() ? std::string() : files->fullPathForFilename(filename);
    if (fullPath.empty()) {
        _error = CC_USER_TEXT("找不到文件");
        return false;
    }
    const long size = files->getFileSize(fullPath);
    if (size > kMaxFileSize) {
        _error = CC_USER_TEXT("文件超过 64 MiB，不作为场景读取");
        return false;
    }
    Data data = files->getDataFromFile(fullPath);
    if (data.isNull() || data.getSize() <= 0) {
        _error = CC_USER_TEXT("文件为空或无法读取");
        return false;
    }
    if (data.getSize() > kMaxFileSize) {
        _error = CC_USER_TEXT("文件超过 64 MiB，不作为场景读取");
        return false;
    }
    bytes.assign(data.getBytes(), data.getBytes() + data.getSize());
    return true;
}

Node* CsbFileReader::buildFile(const unsigned char* bytes, size_t size) {
    if (static_cast<long long>(size) > kMaxFileSize) {
        _error = CC_USER_TEXT("文件超过 64 MiB，不作为场景读取");
        return nullptr;
    }
    if (!CsbBufferVerifier::verify(bytes, size, _error)) return nullptr;
    const flatbuffers::CSParseBinary* root = flatbuffers::GetCSParseBinary(bytes);
    if (root->version() && root->version()->str() != kReaderVersion) {
        log("CSLoader: file version %s, reader version %s", root->version()->c_str(), kReaderVersion);
    }
    if (auto* sheets = root->textures()) {
        for (flatbuffers::uoffset_t i = 0; i < sheets->size() && i < kMaxSpriteSheets; ++i)
            SpriteFrameCache::getInstance()->addSpriteFramesWithFile(sheets->Get(i)->str());
    }
    Node* node = buildTree(root->nodeTree(), 0);
    if (node == nullptr && _error.empty()) {
        const flatbuffers::NodeTree* tree = root->nodeTree();
        _error = CC_USER_TEXT("无法创建根节点（类型 \"%s\"）");
        _errorDetail = tree->classname() ? tree->classname()->str() : std::string();
    }
    return node;
}

Node* CsbFileReader::buildTree(const flatbuffers::NodeTree* tree, int depth) {
    if (tree == nullptr || tree->classname() == nullptr) return nullptr;
    if (depth > kMaxTreeDepth || _nodeCount >= kMaxNodeCount) {
        if (!_reportedLimit) {
            log("CSLoader: tree deeper than %d levels or larger than %d nodes; the rest is left out", kMaxTreeDepth,
                kMaxNodeCount);
            _reportedLimit = true;
        }
        return nullptr;
    }
    const flatbuffers::Options* options = tree->options();
    if (options == nullptr || options->data() == nullptr) return nullptr;
    const std::string className = csbEffectiveClassName(tree);
    const CsbReaderEntry* entry = findCsbReader(className);
    if (entry == nullptr) {
        log("CSLoader: no reader for class \"%s\"; the node and its children are left out", className.c_str());
        return nullptr;
    }
    ++_nodeCount;
    Node* node = entry->create(reinterpret_cast<const flatbuffers::Table*>(options->data()), *this);
    if (node == nullptr) return nullptr;
    if (auto* children = tree->children()) {
        // Cascading while attaching would repaint every sibling per child
        // (quadratic in a wide tree); once at the end gives the same colours.
        const bool cascadeColor = node->isCascadeColorEnabled();
        const bool cascadeOpacity = node->isCascadeOpacityEnabled();
        node->setCascadeColorEnabled(false);
        node->setCascadeOpacityEnabled(false);
        for (const flatbuffers::NodeTree* childTree : *children) {
            Node* child = buildTree(childTree, depth + 1);
            if (child == nullptr) continue;
            node->addChild(child);
            if (_callback) _callback(child);
        }
        node->setCascadeColorEnabled(cascadeColor);
        node->setCascadeOpacityEnabled(cascadeOpacity);
    }
    return node;
}

Node* CsbFileReader::readNestedFile(const std::string& filename) {
    FileUtils* files = FileUtils::getInstance();
    if (filename.empty() || !files->isFileExist(filename) || _nodeCount >= kMaxNodeCount) return Node::create();
    const std::string fullPath = files->fullPathForFilename(filename);
    if (std::find(_openFiles.begin(), _openFiles.end(), fullPath) != _openFiles.end()) {
        log("CSLoader: %s includes itself; the inner copy is left empty", filename.c_str());
        return Node::create();
    }
    if (static_cast<int>(_openFiles.size()) >= kMaxNestedFiles) {
        log("CSLoader: scene files nested deeper than %d; %s is left empty", kMaxNestedFiles, filename.c_str());
        return Node::create();
    }

    // A file named by many project nodes is read and checked once.
    auto cached = _nestedFiles.find(fullPath);
    if (cached == _nestedFiles.end()) {
        std::string ignored;
        std::vector<unsigned char> bytes;
        const std::string savedError = _error;
        const bool ok =
            loadFile(fullPath, ignored, bytes) && CsbBufferVerifier::verify(bytes.data(), bytes.size(), _error);
        if (!ok) {
            log("CSLoader: nested scene %s not loaded: %s", filename.c_str(), _error.c_str());
            bytes.clear();
        }
        _error = savedError;
        cached = _nestedFiles.emplace(fullPath, std::move(bytes)).first;
    }
    const std::vector<unsigned char>& bytes = cached->second;
    if (bytes.empty()) return Node::create();

    _openFiles.push_back(fullPath);
    Node* root = buildTree(flatbuffers::GetCSParseBinary(bytes.data())->nodeTree(), 0);
    _openFiles.pop_back();
    return root ? root : Node::create();
}

NS_CC_END
