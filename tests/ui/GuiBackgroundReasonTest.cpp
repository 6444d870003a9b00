// The box of a refused background scene: its reason in the interface's language, with the file's own words in place.
#include "MainFrameFixture.h"

#include "CsbTestWriter.h"
#include "TestCatalog.h"

#include "ui/DocumentCommands.h"
#include "ui/MainFrame.h"

namespace {

class GuiBackgroundReason : public GuiMainFrameFixture {
protected:
    wxString refusal(const std::string& path) {
        m_dialogs.boxes.clear();
        m_frame->documents().openPath(wxString::FromUTF8(path));
        return m_dialogs.boxes.size() == 1 ? m_dialogs.boxes[0].message : wxString();
    }
};

} // namespace

TEST_F(GuiBackgroundReason, TheReasonIsTranslatedWithItsDetailAndTheFileIsNamedOnce) {
    // A root of a class no reader builds without its options.
    CsbTestWriter w;
    const std::string bare = m_work->file("bare.csb");
    ASSERT_TRUE(CsbTestWriter::save(bare, w.finish(flatbuffers::CreateNodeTree(w.fbb, w.fbb.CreateString("Node")))));
    const std::string missing = m_work->file("missing.csb");
    const wxString head = wxString::FromUTF8("无法加载背景文件！\n");

    EXPECT_EQ(refusal(bare), head + wxString::FromUTF8(bare) + wxString::FromUTF8("\n无法创建根节点（类型 \"Node\"）"));
    EXPECT_EQ(refusal(missing), head + wxString::FromUTF8(missing) + wxString::FromUTF8("\n文件为空或无法读取"));

    const TestCatalog english({{"无法创建根节点（类型 \"%s\"）", "Cannot create the root node (type \"%s\")"},
                               {"文件为空或无法读取", "The file is empty or cannot be read"}});
    EXPECT_TRUE(refusal(bare).EndsWith(wxString::FromUTF8(bare) + wxS("\nCannot create the root node (type \"Node\")")))
        << refusal(bare);
    EXPECT_TRUE(refusal(missing).EndsWith(wxString::FromUTF8(missing) + wxS("\nThe file is empty or cannot be read")))
        << refusal(missing);
}
