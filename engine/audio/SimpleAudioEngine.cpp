// The simple audio engine's state, without sound output.
#include "audio/include/SimpleAudioEngine.h"

namespace CocosDenshion {

static SimpleAudioEngine* s_engine = nullptr;

SimpleAudioEngine* SimpleAudioEngine::getInstance() {
    if (s_engine == nullptr) s_engine = new SimpleAudioEngine();
    return s_engine;
}

void SimpleAudioEngine::end() {
    delete s_engine;
    s_engine = nullptr;
}

SimpleAudioEngine::SimpleAudioEngine() : _playing(false), _paused(false), _musicVolume(1.0f), _effectsVolume(1.0f) {}

SimpleAudioEngine::~SimpleAudioEngine() {}

void SimpleAudioEngine::playBackgroundMusic(const char* filePath, bool loop) {
    _playing = filePath != nullptr;
    _paused = false;
}

void SimpleAudioEngine::stopBackgroundMusic(bool releaseData) {
    _playing = false;
    _paused = false;
}

void SimpleAudioEngine::pauseBackgroundMusic() {
    _paused = true;
}

void SimpleAudioEngine::resumeBackgroundMusic() {
    _paused = false;
}

bool SimpleAudioEngine::isBackgroundMusicPlaying() {
    return _playing && !_paused;
}

}  // namespace CocosDenshion
