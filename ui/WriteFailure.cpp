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
    {EACCES, wxTRANSLATE("没有写入权限：文件或它所在的文件夹是只读的。")},
    {EPERM, wxTRANSLATE("没有写入权限：文件或它所在的文件夹是只读的。")},
    {EROFS, wxTRANSLATE("磁盘是只读的。")},
    {ENOSPC, wxTRANSLATE("磁盘空间不足。")},
    {EDQUOT, wxTRANSLATE("磁盘空间不足。")},
    {EFBIG, wxTRANSLATE("文件超过了系统允许的大小。")},
    {ENOENT, wxTRANSLATE("文件夹不存在。")},
    {ENOTDIR, wxTRANSLATE("路径中有一部分不是文件夹。")},
    {EISDIR, wxTRANSLATE("已有同名的文件夹。")},
    {EINVAL, wxTRANSLATE("这不是普通文件。")},
    {ENAMETOOLONG, wxTRANSLATE("文件名太长。")},
    {ELOOP, wxTRANSLATE("路径中的符号链接太多。")},
    {EIO, wxTRANSLATE("读写磁盘时出错。")},
    {ENOMEM, wxTRANSLATE("内存不足。")},
};

} // namespace

wxString WriteFailureReason(int error) {
    for (const Reason& reason : kReasons)
        if (reason.error == error) return wxGetTranslation(wxString::FromUTF8(reason.text));
    return wxString::Format(wxGetTranslation(wxString::FromUTF8("系统错误：%s")), wxSysErrorMsgStr(error));
}

bool StoreConfigChange(wxWindow* parent, const ConfigChange& change) {
    const int error = SaveEditorConfig(change);
    if (error == 0) return true;
    wxFileName file(PathText(EditorConfigPath()));
    file.MakeAbsolute();
    const wxString message = wxGetTranslation(wxString::FromUTF8("配置文件保存失败！")) + wxS("\n") +
                             file.GetFullPath() + wxS("\n") + WriteFailureReason(error) + wxS("\n") +
                             wxGetTranslation(wxString::FromUTF8("这次的更改只在本次运行中有效。"));
    wxMessageBox(message, wxGetTranslation(wxString::FromUTF8("提示")), wxOK | wxCENTRE, parent);
    return false;
}
