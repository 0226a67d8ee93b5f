// The server's face: an animated icon that shows the scan is alive, and the
// fresh-data icon once after every completed pass.
#include "server/nimbo_ctrl.h"

#include "platform/dialog.h"
#include "server/nimbo_resources.h"

namespace {
constexpr int kFreshData = 10;
constexpr int kFreshIcon = 8;  // index of icon 210 among the face icons
constexpr int kFrameEvery = 100;
}  // namespace

void CNimboCtrl::AdvanceAnimation()
{
    iconTime += comSer.timerInterval;
    if (iconTime > kFrameEvery) {
        iconTime = 0;
        InvalidateControl(nullptr, TRUE);
    }
}

void CNimboCtrl::OnDraw(CDC* dc, const RECT&, const RECT&)
{
    if (dc == nullptr)
        return;
    // On a form being designed the scan is not running: the face stands
    // still, whatever repaints it.
    if (!AmbientUserMode()) {
        dc->DrawIcon(0, 0, icons[0]);
        return;
    }
    if (iconFrame >= 0 && iconFrame <= 7) {
        dc->DrawIcon(0, 0, icons[iconFrame]);
        ++iconFrame;
        return;
    }
    if (iconFrame == kFreshData)
        dc->DrawIcon(0, 0, icons[kFreshIcon]);
    iconFrame = 0;
    iconTime = 400;
}

void CNimboCtrl::AboutBox()
{
    HINSTANCE module = NimboResources();
    nimbo::ShowAboutBox(m_hWnd, "About Nimbo Control", LoadIconA(module, IDI_ABOUTDLL),
                        LoadIconA(module, IDI_ABOUT_RIGHT), nimbo::LoadResourceString(module, IDS_NIMBO));
}
