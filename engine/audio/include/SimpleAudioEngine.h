// CocosDenshion's simple audio engine: the calls exist; no sound is produced here.
#ifndef _SIMPLE_AUDIO_ENGINE_H_
#define _SIMPLE_AUDIO_ENGINE_H_

namespace CocosDenshion {

class SimpleAudioEngine {
public:
    static SimpleAudioEngine* getInstance();
    // Destroys the instance (a later getInstance creates a new one).
    static void end();

    void preloadBackgroundMusic(const char* filePath) {}
    void playBackgroundMusic(const char* filePath, bool loop = false);
    void stopBackgroundMusic(bool releaseData = false);
    void pauseBackgroundMusic();
    void resumeBackgroundMusic();
    void rewindBackgroundMusic() {}
    bool willPlayBackgroundMusic() { return false; }
    bool isBackgroundMusicPlaying();
    float getBackgroundMusicVolume() { return _musicVolume; }
    void setBackgroundMusicVolume(float volume) { _musicVolume = volume; }
    float getEffectsVolume() { return _effectsVolume; }
    void setEffectsVolume(float volume) { _effectsVolume = volume; }
    unsigned int playEffect(const char* filePath, bool loop = false, float pitch = 1.0f, float pan = 0.0f,
                            float gain = 1.0f) {
        return 0;
    }
    void pauseEffect(unsigned int soundId) {}
    void pauseAllEffects() {}
    void resumeEffect(unsigned int soundId) {}
    void resumeAllEffects() {}
    void stopEffect(unsigned int soundId) {}
    void stopAllEffects() {}
    void preloadEffect(const char* filePath) {}
    void unloadEffect(const char* filePath) {}

    // True while background music is paused (for tests of the host's notifications).
    bool isBackgroundMusicPaused() const { return _paused; }

protected:
    SimpleAudioEngine();
    virtual ~SimpleAudioEngine();

    bool _playing;
    bool _paused;
    float _musicVolume;
    float _effectsVolume;
};

}  // namespace CocosDenshion

#endif  // _SIMPLE_AUDIO_ENGINE_H_
