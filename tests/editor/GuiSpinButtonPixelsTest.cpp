// The spin buttons of a numeric property are really drawn on screen, inside the property's row.
#include "GuiGridFixture.h"

#include "X11Window.h"

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/spinbutt.h>
#include <wx/stopwatch.h>

#include <set>
#include <tuple>

using GuiSpinButtonPixels = GuiGridFixture;

namespace {
// Lets the toolkit map and paint for a while.
void pumpEvents(long milliseconds) {
    const wxStopWatch watch;
    while (watch.Time() < milliseconds) {
        wxTheApp->Yield(true);
        wxMilliSleep(10);
    }
}
}

TEST_F(GuiSpinButtonPixels, SpinButtonIsPaintedInTheSelectedRow) {
    X11Session x11;
    ASSERT_TRUE(x11.ok());
    wxPGProperty* p = m_node.addPointProperty(wxS("位置"), wxS("_Position"), wxRealPoint(12.5, 40), wxS(""), nullptr);
    ASSERT_NE(p, nullptr);
    m_frame->SetPosition(wxPoint(0, 0));
    m_frame->Show();
    pumpEvents(300);
    ASSERT_TRUE(grid()->SelectProperty(p->Item(0), false));
    pumpEvents(300);

    auto* spin = wxDynamicCast(grid()->GetEditorControlSecondary(), wxSpinButton);
    ASSERT_NE(spin, nullptr);
    ASSERT_TRUE(spin->IsShownOnScreen());
    const wxRect button = spin->GetScreenRect();
    wxRect row = grid()->GetPropertyRect(p->Item(0), p->Item(0));
    row.SetPosition(grid()->GetPanel()->ClientToScreen(grid()->CalcScrolledPosition(row.GetPosition())));
    ASSERT_GT(button.width, 2);
    ASSERT_GT(button.height, 2);
    // The buttons sit at the right end of the selected row, not elsewhere.
    EXPECT_GE(button.y, row.y - 2);
    EXPECT_LE(button.GetBottom(), row.GetBottom() + 2);
    EXPECT_GT(button.x, row.x + row.width / 2);

    // Drawn buttons have arrows and borders: more than one colour inside.
    const Screenshot shot = x11.grab(button.x, button.y, button.width, button.height);
    ASSERT_EQ(shot.width, button.width);
    std::set<std::tuple<int, int, int>> colours;
    for (const Rgb& c : shot.pixels) colours.insert({c.r, c.g, c.b});
    EXPECT_GE(colours.size(), 2u) << "the spin button area is one flat colour";
}
