// Fonts by GDI's rules over the faces this machine has. The Windows faces
// the controls name are mapped onto their metric twins from Liberation.
#include "platform/window/gdi_qt.h"
#include "platform/window/qt_application_qt.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace nimbo {
namespace {

bool OneOf(const QString& name, std::initializer_list<const char*> names)
{
    return std::any_of(names.begin(), names.end(), [&](const char* n) { return name == QLatin1String(n); });
}

struct Face {
    QString family;
    QFont::StyleHint hint = QFont::AnyStyle;
    bool fixed = false;
};

Face MapFace(const QString& requested, BYTE pitchAndFamily)
{
    const QString name = requested.trimmed().toLower();
    const bool fixedAsked = (pitchAndFamily & 0x03) == FIXED_PITCH;
    const int family = pitchAndFamily & 0xF0;
    if (OneOf(name, {"courier new", "courier", "lucida console", "consolas", "fixedsys", "terminal",
                     "lucida sans typewriter", "andale mono"}) ||
        (name.isEmpty() && (fixedAsked || family == FF_MODERN)))
        return {QStringLiteral("Liberation Mono"), QFont::Monospace, true};
    if (OneOf(name, {"times new roman", "times", "ms serif", "georgia"}) || (name.isEmpty() && family == FF_ROMAN))
        return {QStringLiteral("Liberation Serif"), QFont::Serif, false};
    if (name.isEmpty() || OneOf(name, {"arial", "ms sans serif", "microsoft sans serif", "ms shell dlg",
                                       "ms shell dlg 2", "tahoma", "verdana", "segoe ui", "helvetica",
                                       "system", "small fonts"}))
        return {QStringLiteral("Liberation Sans"), QFont::SansSerif, false};
    Face face{requested.trimmed(), QFont::AnyStyle, fixedAsked};
    if (fixedAsked || family == FF_MODERN)
        face.hint = QFont::Monospace;
    else if (family == FF_ROMAN)
        face.hint = QFont::Serif;
    else if (family == FF_SWISS)
        face.hint = QFont::SansSerif;
    return face;
}

int CellHeight(const QFont& font)
{
    QFontMetrics metrics(font);
    return metrics.ascent() + metrics.descent();
}

// GDI's positive heights are cell heights: find the em size whose ascent
// plus descent comes closest without going over.
int PixelSizeForCell(QFont font, int cell)
{
    font.setPixelSize(100);
    const int cell100 = std::max(1, CellHeight(font));
    int size = std::max(1, static_cast<int>(std::lround(cell * 100.0 / cell100)));
    for (int tries = 0; tries < 8; ++tries) {
        font.setPixelSize(size);
        const int got = CellHeight(font);
        if (got > cell && size > 1) {
            --size;
            continue;
        }
        font.setPixelSize(size + 1);
        if (got < cell && CellHeight(font) <= cell) {
            ++size;
            continue;
        }
        break;
    }
    return size;
}

}  // namespace

QFont FontFromLog(const LOGFONTA& log)
{
    char name[LF_FACESIZE + 1] = {};
    std::memcpy(name, log.lfFaceName, LF_FACESIZE);
    const Face face = MapFace(QString::fromLatin1(name), log.lfPitchAndFamily);

    QFont font(face.family);
    font.setStyleHint(face.hint, QFont::NoAntialias);
    font.setFixedPitch(face.fixed);
    // GDI does not kern unless asked, and cell positions must add up.
    font.setKerning(false);
    // Whole-pixel advances as GDI has them; fractional ones make a row of
    // cells narrower than the cells one by one.
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setWeight(static_cast<QFont::Weight>(std::clamp<int>(log.lfWeight == FW_DONTCARE ? FW_NORMAL : log.lfWeight, 1, 1000)));
    font.setItalic(log.lfItalic != 0);
    font.setUnderline(log.lfUnderline != 0);
    font.setStrikeOut(log.lfStrikeOut != 0);

    if (log.lfHeight < 0)
        font.setPixelSize(-log.lfHeight);
    else if (log.lfHeight > 0)
        font.setPixelSize(PixelSizeForCell(font, log.lfHeight));
    else
        font.setPixelSize(12);

    // GDI takes the width's size whatever its sign.
    const int width = log.lfWidth < 0 ? -log.lfWidth : log.lfWidth;
    if (width > 0) {
        const int natural = QFontMetrics(font).averageCharWidth();
        if (natural > 0 && natural != width) {
            int stretch = std::clamp(static_cast<int>(std::lround(100.0 * width / natural)), 1, 4000);
            font.setStretch(stretch);
            // Hinting rounds each advance to whole pixels, so the first guess
            // can land a pixel off; a row of fixed-pitch cells must come out
            // exactly as wide as asked, so nudge the stretch until it does.
            for (int tries = 0; tries < 20; ++tries) {
                const int advance = QFontMetrics(font).horizontalAdvance(QLatin1Char('0'));
                if (advance == width)
                    break;
                stretch += advance > width ? -1 : 1;
                if (stretch < 1 || stretch > 4000)
                    break;
                font.setStretch(stretch);
            }
        }
    }
    return font;
}

std::string FontFamilyInUse(const CFont* font)
{
    auto* data = DCAccess::Data<FontData>(font);
    return data ? QFontInfo(data->font).family().toStdString() : std::string();
}

}  // namespace nimbo

BOOL CFont::CreateFontA(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                        BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                        BYTE quality, BYTE pitchAndFamily, const char* face)
{
    LOGFONTA log{};
    log.lfHeight = height;
    log.lfWidth = width;
    log.lfEscapement = escapement;
    log.lfOrientation = orientation;
    log.lfWeight = weight;
    log.lfItalic = italic;
    log.lfUnderline = underline;
    log.lfStrikeOut = strikeOut;
    log.lfCharSet = charSet;
    log.lfOutPrecision = outPrecision;
    log.lfClipPrecision = clipPrecision;
    log.lfQuality = quality;
    log.lfPitchAndFamily = pitchAndFamily;
    if (face)
        std::strncpy(log.lfFaceName, face, LF_FACESIZE - 1);
    return CreateFontIndirectA(&log);
}

BOOL CFont::CreateFontIndirectA(const LOGFONTA* log)
{
    if (!log || m_stock)
        return FALSE;
    nimbo::qt::EnsureApplication();
    auto* data = new nimbo::FontData;
    data->log = *log;
    data->log.lfFaceName[LF_FACESIZE - 1] = '\0';
    data->font = nimbo::FontFromLog(data->log);
    Replace(data);
    return TRUE;
}

BOOL CFont::CreatePointFont(int pointSize10, const char* face, CDC*)
{
    LOGFONTA log{};
    // Points to pixels at the 96 per inch the controls were laid out for.
    log.lfHeight = -static_cast<LONG>(std::lround(pointSize10 * 96.0 / 720.0));
    log.lfWeight = FW_NORMAL;
    if (face)
        std::strncpy(log.lfFaceName, face, LF_FACESIZE - 1);
    return CreateFontIndirectA(&log);
}

int CFont::GetLogFont(LOGFONTA* log) const
{
    auto* data = nimbo::DCAccess::Data<nimbo::FontData>(this);
    if (!data || !log)
        return 0;
    *log = data->log;
    return static_cast<int>(sizeof(LOGFONTA));
}
