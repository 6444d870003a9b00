// libFuzzer target: arbitrary bytes as a particle plist, through parsing and particle initialisation.
#include <cstddef>
#include <cstdint>

#include "2d/CCParticleSystemQuad.h"
#include "base/CCValue.h"
#include "platform/CCFileUtils.h"

using namespace cocos2d;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > (1u << 20))
        return 0;
    ValueMap dict = FileUtils::getInstance()->getValueMapFromData(reinterpret_cast<const char*>(data),
                                                                  static_cast<int>(size));
    ParticleSystemQuad* system = new ParticleSystemQuad();
    if (system->initWithDictionary(dict)) {
        // A few frames exercise emission, motion and quad building on
        // whatever values the input produced.
        for (int i = 0; i < 3; ++i)
            system->update(1.0f / 30.0f);
        system->setTotalParticles(system->getTotalParticles() + 1);
        system->update(1.0f / 30.0f);
    }
    system->release();
    return 0;
}
