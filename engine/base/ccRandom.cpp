// The engine's random sources and their deterministic seeding.
#include "base/ccRandom.h"

NS_CC_BEGIN

std::mt19937& RandomHelper::getEngine() {
    static std::random_device seed_gen;
    static std::mt19937 engine(seed_gen());
    return engine;
}

void RandomHelper::setSeed(unsigned int seed) {
    std::srand(seed);
    getEngine().seed(seed);
}

NS_CC_END
