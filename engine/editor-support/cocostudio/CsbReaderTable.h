// The node classes a scene file can name: how each one's options are checked and which reader builds it.
#ifndef __CSBREADERTABLE_H__
#define __CSBREADERTABLE_H__

#include <string>

#include "platform/CCPlatformMacros.h"

namespace flatbuffers {
class Table;
class Verifier;
struct NodeTree;
} // namespace flatbuffers

NS_CC_BEGIN

class Node;
class CsbFileReader;

struct CsbReaderEntry {
    const char* classname;
    bool (*verify)(flatbuffers::Verifier& verifier, const flatbuffers::Table* options);
    Node* (*create)(const flatbuffers::Table* options, CsbFileReader& reader);
};

// The class a tree node is built as: a project node stays one; otherwise a
// custom class name wins, and the tool's older names map to current ones.
std::string csbEffectiveClassName(const flatbuffers::NodeTree* tree);
// Null for a class no reader knows: the engine drops such a node with its subtree.
const CsbReaderEntry* findCsbReader(const std::string& effectiveClassName);

NS_CC_END

#endif // __CSBREADERTABLE_H__
