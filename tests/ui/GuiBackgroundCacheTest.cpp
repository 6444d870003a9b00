// The main window keeps an opened background image between frames, and a newly opened one shows on the next frame.
#include "MainFrameFixture.h"

#include "ui/MainFrame.h"

#include "2d/CCBackdropCache.h"
#include "2d/CCScene.h"
#include "base/CCDirector.h"
#include "base/CCEventDispatcher.h"
#include "base/CCEventListenerCustom.h"
#include "platform/CCGL.h"

#include <wx/image.h>

USING_NS_CC;

namespace {

struct Rgb3 {
    int r = -1, g = -1, b = -1;
    bool operator==(const Rgb3& o) const { return r == o.r && g == o.g && b == o.b; }
};

std::ostream& operator<<(std::ostream& out, const Rgb3& c) {
    return out << "(" << c.r << "," << c.g << "," << c.b << ")";
}

class GuiBackgroundCache : public GuiMainFrameFixture {
protected:
    void SetUp() override {
        GuiMainFrameFixture::SetUp();
        if (HasFatalFailure()) return;
        // The centre of the design area as each frame leaves it, before the swap.
        m_listener = Director::getInstance()->getEventDispatcher()->addCustomEventListener(
            Director::EVENT_AFTER_DRAW, [this](EventCustom*) {
                GLint viewport[4] = {};
                glGetIntegerv(GL_VIEWPORT, viewport);
                unsigned char p[4] = {};
                glReadPixels(viewport[0] + viewport[2] / 2, viewport[1] + viewport[3] / 2, 1, 1, GL_RGBA,
                             GL_UNSIGNED_BYTE, p);
                m_centre = Rgb3{p[0], p[1], p[2]};
                ++m_frames;
            });
    }
    void TearDown() override {
        if (m_listener) Director::getInstance()->getEventDispatcher()->removeEventListener(m_listener);
        GuiMainFrameFixture::TearDown();
    }

    std::string picture(const char* name, unsigned char r, unsigned char g, unsigned char b) {
        const std::string path = m_work->file(name);
        wxImage image(96, 64);
        image.SetRGB(wxRect(0, 0, 96, 64), r, g, b);
        EXPECT_TRUE(image.SaveFile(wxString::FromUTF8(path), wxBITMAP_TYPE_PNG));
        return path;
    }
    BackdropCache* cache() const { return Director::getInstance()->getRunningScene()->getBackdropCache(); }
    // A still scene draws only on request; the test asks for frames the way
    // code that changes the scene outside an event does.
    bool servedFromCacheAgain() {
        const unsigned int served = cache()->framesFromCache();
        return pumpUntil([&] {
            m_frame->engineHost().requestFrame();
            return cache()->framesFromCache() > served;
        });
    }
    void open(const std::string& path) {
        m_frame->documents().openPath(wxString::FromUTF8(path));
        m_frame->engineHost().requestFrame();
    }

    EventListenerCustom* m_listener = nullptr;
    Rgb3 m_centre;
    int m_frames = 0;
};

} // namespace

TEST_F(GuiBackgroundCache, TheBackgroundIsKeptBetweenFramesAndANewOneShowsOnTheNextFrame) {
    ASSERT_NE(cache(), nullptr) << "the running scene does not keep its backdrop";
    const std::string red = picture("red.png", 200, 40, 40);
    const std::string blue = picture("blue.png", 30, 60, 210);

    open(red);
    ASSERT_TRUE(servedFromCacheAgain()) << "the background was not kept";
    EXPECT_EQ(m_centre, (Rgb3{200, 40, 40}));

    const int frames = m_frames;
    open(blue);
    ASSERT_TRUE(pumpUntil([&] { return m_frames > frames; }));
    EXPECT_EQ(m_centre, (Rgb3{30, 60, 210})) << "the first frame after the change";
    ASSERT_TRUE(servedFromCacheAgain()) << "the new background was not kept";
    EXPECT_EQ(m_centre, (Rgb3{30, 60, 210}));
}
