// CSLoader: builds a node tree from a Cocos Studio scene file, as the engine's loader does.
#ifndef __CCSLOADER_H__
#define __CCSLOADER_H__

#include <functional>
#include <string>

#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

class Node;
class Ref;

typedef std::function<void(Ref*)> ccNodeLoadCallback;

class CC_DLL CSLoader {
public:
    static CSLoader* getInstance();
    static void destroyInstance();

    // "csb" files only; the JSON formats and every other suffix give null.
    // The root comes back autoreleased. The callback runs for each child once
    // it has been attached to its parent.
    static Node* createNode(const std::string& filename);
    static Node* createNode(const std::string& filename, const ccNodeLoadCallback& callback);

    Node* createNodeWithFlatBuffersFile(const std::string& filename);
    Node* createNodeWithFlatBuffersFile(const std::string& filename, const ccNodeLoadCallback& callback);

private:
    CSLoader() = default;
};

NS_CC_END

#endif // __CCSLOADER_H__
