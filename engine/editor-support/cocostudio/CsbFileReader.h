// CsbFileReader: reads one Cocos Studio binary scene (and the scenes it nests) into a node tree, with limits.
#ifndef __CSBFILEREADER_H__
#define __CSBFILEREADER_H__

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "editor-support/cocostudio/ActionTimeline/CSLoader.h"

namespace flatbuffers {
struct NodeTree;
}

NS_CC_BEGIN

class Node;

// Unlike the engine's loader, every buffer is verified before a field is
// read, and the tree's depth, its node count and the nesting of scene files
// are bounded, so a hostile file gives null or a partial tree.
class CC_DLL CsbFileReader {
public:
    static constexpr long kMaxFileSize = 64L * 1024 * 1024;
    // Below the verifier's own nesting limit, which allows about 59 levels.
    static constexpr int kMaxTreeDepth = 48;
    static constexpr int kMaxNodeCount = 20000;
    static constexpr int kMaxNestedFiles = 8;
    static constexpr unsigned kMaxSpriteSheets = 256;

    // Null on failure, with the reason in getError(): a whole sentence for the
    // user, untranslated, with "%s" where getErrorDetail() belongs when the
    // reason has a detail (the file's own words, such as a class name). The
    // file name is never part of it; whoever shows the reason shows the file.
    Node* read(const std::string& filename, const ccNodeLoadCallback& callback = nullptr);
    Node* readData(const unsigned char* bytes, size_t size, const ccNodeLoadCallback& callback = nullptr);
    const std::string& getError() const { return _error; }
    const std::string& getErrorDetail() const { return _errorDetail; }

    // A nested scene for a project node: its root, or a plain node when the
    // file is missing, unreadable, already open further up, or nested too deep.
    Node* readNestedFile(const std::string& filename);
    int getNodeCount() const { return _nodeCount; }

private:
    bool loadFile(const std::string& filename, std::string& fullPath, std::vector<unsigned char>& bytes);
    Node* buildFile(const unsigned char* bytes, size_t size);
    Node* buildTree(const flatbuffers::NodeTree* tree, int depth);

    std::vector<std::string> _openFiles;
    // Nested files by full path, already verified; empty when unusable.
    std::map<std::string, std::vector<unsigned char>> _nestedFiles;
    int _nodeCount = 0;
    bool _reportedLimit = false;
    ccNodeLoadCallback _callback;
    std::string _error;
    std::string _errorDetail;
};

NS_CC_END

#endif // __CSBFILEREADER_H__
