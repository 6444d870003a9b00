// Test fixture: a real property-grid manager with one "Properties" page in a hidden frame.
#pragma once

#include "AssertCapture.h"

#include "editor/EditorNode.h"

#include <gtest/gtest.h>
#include <wx/propgrid/manager.h>

#include <string>
#include <vector>

class wxFrame;

class GuiGridFixture : public ::testing::Test {
protected:
    // Starts the toolkit once per process; returns why it could not.
    static std::string startToolkit();

    void SetUp() override;
    void TearDown() override;

    // The visible grid of the manager (the page's own grid).
    wxPropertyGrid* grid() const { return m_manager->GetGrid(); }

    // Types text into the editor of the property as the user would and
    // commits it; returns whether the grid accepted it.
    bool typeInto(wxPGProperty* property, const wxString& text);

    struct Change {
        wxPGProperty* property;
        wxString name;
        wxVariant value;
    };

    wxFrame* m_frame = nullptr;
    wxPropertyGridManager* m_manager = nullptr;
    wxPropertyGridPage* m_page = nullptr;
    EditorNode m_node;
    // Every wxEVT_PG_CHANGED the manager received, with the property's value then.
    std::vector<Change> m_changes;
    AssertCapture m_asserts;
};
