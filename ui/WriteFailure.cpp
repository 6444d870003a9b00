// Reasons for failed writes in the user's words, and the notice for a configuration file that was not written.
#include "ui/WriteFailure.h"

#include "editor/FilePathBytes.h"

#include <wx/filename.h>
#include <wx/log.h>
#include <wx/msgdlg.h>
#include <wx/translation.h>

#include <cerrno>

namespace {

struct Reason {
    int error;
    const char* text;
};

const Reason kReasons[] = {
    {EACCES, "没有写入权限：文件或它所在的文件夹是只读的。"},
    {EPERM, "没有写入权限：文件或它所在的文件夹是只读的。"},
    {EROFS, "磁盘是只读的。"},
    {ENOSPC, "磁盘空间不足。"},
    {EDQUOT, "磁盘空间不足。"},
    {EFBIG, "文件超过了系统允许的大小。"},
    {ENOENT, "文件夹不存在。"},
    {ENOTDIR, "路径中有一部分不是文件夹。"},
    {EISDIR, "已有同名的文件夹。"},
    {EINVAL, "这不是普通文件。"},
    {ENAMETOOLONG, "文件名太长。"},
    {ELOOP, "路径中的符号链接太多。"},
    {EIO, "读写磁盘时出错。"},
    {ENOMEM, "内存不足。"},
};

wxString Translated(const char* text) {
    return wxGetTranslation(wxString::FromUTF8(text));
}

} // namespace

wxString WriteFailureReason(int error) {
    for (const Reason& reason : kReasons)
        if (reason.error == error) return Translated(reason.text);
    return Translated("系统错误：") + wxSysErrorMsgStr(error);
}

bool StoreConfigChange(wxWindow* parent, const ConfigChange& change) {
    const int error = SaveEditorConfig(change);
    if (error == 0) return true;
    wxFileName file(PathText(EditorConfigPath()));
    file.MakeAbsolute();
    const wxString message = Translated("配置文件保存失败！") + wxS("\n") + file.GetFullPath() + wxS("\n") +
                             WriteFailureReason(error) + wxS("\n") + Translated("这次的更改只在本次运行中有效。");
    wxMessageBox(message, wxGetTranslation(wxString::FromUTF8("提示")), wxOK | wxCENTRE, parent);
    return false;
}
