// About boxes: an icon either side of a line of text, and OK.
#include "platform/dialog.h"

INT_PTR nimbo::ShowAboutBox(HWND owner, const std::string& caption, HICON left, HICON right,
                            const std::string& line)
{
    DialogTemplate t;
    t.caption = caption;
    t.cx = 217;
    t.cy = 55;
    t.items = {
        {DialogItem::Icon, IDC_STATIC, "", 7, 7, 21, 20, 0, left},
        {DialogItem::Static, IDC_STATIC, line, 36, 10, 145, 16},
        {DialogItem::Icon, IDC_STATIC, "", 189, 7, 21, 20, 0, right},
        {DialogItem::DefPushButton, IDOK, "OK", 83, 34, 50, 14},
    };
    CDialog box(std::move(t));
    return box.DoModal(owner);
}
