// The pictures of the report window's rows, made in code, and the dialogs
// added to the server's module. Rows show 20 x 20 pictures on white, which
// the lists take as transparent.
#include "server/nimbo_resources.h"
#include "server/server_dialogs.h"

#include "platform/pixel_paint.h"

namespace {

using namespace nimbo::paint;

const std::uint32_t kWhite = Opaque(255, 255, 255);
const std::uint32_t kOutline = Opaque(32, 32, 32);

// A PLC: a rack module with a row of terminals and a status lamp.
nimbo::Pixels Plc(bool polled)
{
    nimbo::Pixels p = nimbo::MakePixels(20, 20, kWhite);
    const std::uint32_t body = polled ? Opaque(64, 112, 176) : Opaque(160, 160, 160);
    Fill(p, 3, 2, 14, 16, body);
    Frame(p, 3, 2, 14, 16, kOutline);
    for (int i = 0; i < 4; ++i)
        Fill(p, 5 + 3 * i, 4, 2, 2, Opaque(224, 224, 224));
    Fill(p, 5, 8, 10, 6, polled ? Opaque(16, 40, 72) : Opaque(112, 112, 112));
    Disc(p, 20, 31, 3, polled ? Opaque(0, 224, 64) : Opaque(208, 0, 0));
    return p;
}

// A client control: a small window with a lamp and a caption bar.
nimbo::Pixels Client()
{
    nimbo::Pixels p = nimbo::MakePixels(20, 20, kWhite);
    Fill(p, 2, 3, 16, 14, Opaque(192, 192, 192));
    Frame(p, 2, 3, 16, 14, kOutline);
    Fill(p, 3, 4, 14, 3, Opaque(0, 0, 128));
    Disc(p, 14, 24, 4, Opaque(255, 216, 0));
    Ring(p, 14, 24, 5, 4, kOutline);
    Fill(p, 11, 10, 5, 1, kOutline);
    Fill(p, 11, 13, 4, 1, kOutline);
    return p;
}

}  // namespace

HINSTANCE NimboDialogResources()
{
    static HINSTANCE module = [] {
        HINSTANCE m = NimboResources();
        nimbo::AddStringResource(m, IDS_NIMBO_PPG_CAPTION, "General");
        nimbo::AddStringResource(m, IDS_MODEM_PPG_CAPTION, "Modem");
        nimbo::AddBitmapResource(m, IDB_PLC_ON, [] { return Plc(true); });
        nimbo::AddBitmapResource(m, IDB_PLC_OFF, [] { return Plc(false); });
        nimbo::AddBitmapResource(m, IDB_CLIENT, Client);
        nimbo::AddDialogResource(m, IDD_REPORT, ReportTemplate());
        nimbo::AddDialogResource(m, IDD_PASSWORD, PasswordTemplate());
        nimbo::AddDialogResource(m, IDD_MODEM, ModemLogTemplate());
        nimbo::AddDialogResource(m, IDD_PROPPAGE_NIMBO, GeneralPageTemplate());
        nimbo::AddDialogResource(m, IDD_PROPPAGE_MODEM, ModemPageTemplate());
        return m;
    }();
    return module;
}
