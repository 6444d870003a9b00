// CSLoader: suffix dispatch to the binary scene reader.
#include "editor-support/cocostudio/ActionTimeline/CSLoader.h"

#include "2d/CCNode.h"
#include "editor-support/cocostudio/CsbFileReader.h"

NS_CC_BEGIN

static CSLoader* s_sharedLoader = nullptr;

CSLoader* CSLoader::getInstance() {
    if (!s_sharedLoader) s_sharedLoader = new CSLoader();
    return s_sharedLoader;
}

void CSLoader::destroyInstance() {
    delete s_sharedLoader;
    s_sharedLoader = nullptr;
}

Node* CSLoader::createNode(const std::string& filename) {
    return createNode(filename, nullptr);
}

Node* CSLoader::createNode(const std::string& filename, const ccNodeLoadCallback& callback) {
    // Like the engine: the text after the last dot, or the whole name when there is none.
    const size_t dot = filename.find_last_of('.');
    const std::string suffix = dot == std::string::npos ? filename : filename.substr(dot + 1);
    if (suffix != "csb") return nullptr;
    return getInstance()->createNodeWithFlatBuffersFile(filename, callback);
}

Node* CSLoader::createNodeWithFlatBuffersFile(const std::string& filename) {
    return createNodeWithFlatBuffersFile(filename, nullptr);
}

Node* CSLoader::createNodeWithFlatBuffersFile(const std::string& filename, const ccNodeLoadCallback& callback) {
    CsbFileReader reader;
    return reader.read(filename, callback);
}

NS_CC_END
