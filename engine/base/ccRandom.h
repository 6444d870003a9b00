// The engine's random numbers: cocos2d::random, rand_0_1, rand_minus1_1.
// rand_0_1 and rand_minus1_1 use the C library's rand(), as the engine does,
// so that seeding with std::srand (or RandomHelper::setSeed) replays them;
// random()/random(min, max) use a Mersenne Twister that setSeed also seeds.
#ifndef __CC_RANDOM_H_
#define __CC_RANDOM_H_

#include <cstdlib>
#include <random>

#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

class CC_DLL RandomHelper {
public:
    template <typename T>
    static T random_real(T min, T max) {
        std::uniform_real_distribution<T> dist(min, max);
        auto& mt = RandomHelper::getEngine();
        return dist(mt);
    }

    template <typename T>
    static T random_int(T min, T max) {
        std::uniform_int_distribution<T> dist(min, max);
        auto& mt = RandomHelper::getEngine();
        return dist(mt);
    }

    // Makes every random source of the engine deterministic: seeds the C
    // library's rand() (std::srand) and the engine's Mersenne Twister.
    static void setSeed(unsigned int seed);

private:
    static std::mt19937& getEngine();
};

// Random integer in [min, max].
template <typename T>
inline T random(T min, T max) {
    return RandomHelper::random_int<T>(min, max);
}

template <>
inline float random(float min, float max) {
    return RandomHelper::random_real(min, max);
}

template <>
inline long double random(long double min, long double max) {
    return RandomHelper::random_real(min, max);
}

template <>
inline double random(double min, double max) {
    return RandomHelper::random_real(min, max);
}

// Random integer in [0, RAND_MAX].
inline int random() {
    return cocos2d::random(0, RAND_MAX);
}

// Random float in [-1, 1], from the C library's rand().
inline float rand_minus1_1() {
    return ((std::rand() / (float)RAND_MAX) * 2) - 1;
}

// Random float in [0, 1], from the C library's rand().
inline float rand_0_1() {
    return std::rand() / (float)RAND_MAX;
}

NS_CC_END

#endif  // __CC_RANDOM_H_
