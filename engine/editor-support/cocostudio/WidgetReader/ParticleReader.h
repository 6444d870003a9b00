// ParticleReader: a particle system from its plist, or a plain node when the plist is missing.
#ifndef __COCOSTUDIO_PARTICLEREADER_H__
#define __COCOSTUDIO_PARTICLEREADER_H__

#include "platform/CCPlatformMacros.h"

namespace flatbuffers {
class Table;
}

NS_CC_BEGIN
class Node;
class CsbFileReader;
NS_CC_END

namespace cocostudio {

class CC_DLL ParticleReader {
public:
    static cocos2d::Node* createNodeWithFlatBuffers(const flatbuffers::Table* options, cocos2d::CsbFileReader& reader);
};

} // namespace cocostudio

#endif // __COCOSTUDIO_PARTICLEREADER_H__
