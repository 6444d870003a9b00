// The engine set up on an offscreen view for one effect; the director only draws, the frames step the system.
#include "ParticleFrames.h"

#include <cmath>
#include <cstdlib>

#include "2d/CCParticleSystemQuad.h"
#include "2d/CCScene.h"
#include "Backdrop.h"
#include "StraightAlphaMatte.h"
#include "base/CCDirector.h"
#include "platform/CCFileUtils.h"

using namespace cocos2d;

ParticleFrames::~ParticleFrames() {
    close();
}

ParticleFrames::Status ParticleFrames::open(const FrameSettings& settings) {
    m_settings = settings;
    m_view = OffscreenEGLView::create(settings.width, settings.height);
    if (!m_view) {
        m_error = "no offscreen OpenGL: " + OffscreenEGLView::lastError();
        return NoOpenGL;
    }
    Director* director = Director::getInstance();
    director->setOpenGLView(m_view);
    m_view->setDesignResolutionSize(static_cast<float>(settings.width), static_cast<float>(settings.height),
                                    ResolutionPolicy::EXACT_FIT);
    for (const std::string& dir : settings.searchPaths) FileUtils::getInstance()->addSearchPath(dir);

    // The engine draws every emission's random stream from rand().
    std::srand(settings.seed);
    m_system = ParticleSystemQuad::create(settings.file);
    if (!m_system) {
        const std::string reason = ParticleSystem::getLastInitError();
        m_error = settings.file + ": " + (reason.empty() ? "cannot load" : reason);
        return Unloadable;
    }
    m_system->setPosition(settings.hasPosition ? Vec2(settings.x, settings.y)
                                               : Vec2(settings.width / 2.0f, settings.height / 2.0f));
    Scene* scene = Scene::create();
    if (!settings.backdrop.empty()) {
        Backdrop::Failure failure;
        Node* backdrop = Backdrop::fromFile(settings.backdrop, &failure);
        if (!backdrop) {
            m_error = settings.backdrop + ": " + failure.message();
            return Unloadable;
        }
        if (settings.hasBackdropPosition) backdrop->setPosition(settings.backdropX, settings.backdropY);
        scene->addChild(backdrop, -1);
    }
    scene->addChild(m_system);
    m_director = director;
    m_director->runWithScene(scene);
    // The system is stepped here in exact frame times; the director only draws.
    m_director->pause();
    m_director->mainLoop();

    const float dt = static_cast<float>(1.0 / settings.fps);
    m_warmupSteps = std::lround(settings.warmup * settings.fps);
    for (long i = 0; i < m_warmupSteps; ++i) m_system->update(dt);
    m_drawn = 0;
    return Opened;
}

std::vector<unsigned char> ParticleFrames::drawOver(float r, float g, float b) {
    m_director->setClearColor(Color4F(r, g, b, 1));
    m_director->mainLoop();
    std::vector<unsigned char> rgba;
    m_view->readPixels(&rgba);
    return rgba;
}

std::vector<unsigned char> ParticleFrames::next(double* time) {
    m_system->update(static_cast<float>(1.0 / m_settings.fps));
    ++m_drawn;
    if (time) *time = (m_warmupSteps + m_drawn) / m_settings.fps;
    if (m_settings.transparent) return StraightAlphaMatte::fromBlackAndWhite(drawOver(0, 0, 0), drawOver(1, 1, 1));
    const unsigned char* bg = m_settings.background;
    std::vector<unsigned char> rgba = drawOver(bg[0] / 255.0f, bg[1] / 255.0f, bg[2] / 255.0f);
    for (size_t i = 3; i < rgba.size(); i += 4) rgba[i] = 255;
    return rgba;
}

void ParticleFrames::close() {
    if (!m_director) return;
    m_director->end();
    m_director->mainLoop();
    m_director = nullptr;
    m_view = nullptr;
    m_system = nullptr;
}
