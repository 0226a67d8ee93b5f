// Text by GDI's rules: cells of ascent + descent, opaque backgrounds that
// cover exactly the cells, '&' marking an underlined character.
#include "platform/window/gdi_qt.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>

#include <algorithm>

using nimbo::DCAccess;

namespace {

struct Line {
    QString text;
    int underline = -1;  // index of the '&'-marked character, -1 for none
};

QString ExpandTabs(const QString& text)
{
    QString out;
    for (QChar c : text) {
        if (c == QLatin1Char('\t')) {
            do
                out += QLatin1Char(' ');
            while (out.size() % 8 != 0);
        } else {
            out += c;
        }
    }
    return out;
}

Line TakePrefixes(const QString& text, UINT format)
{
    Line line;
    if (format & DT_NOPREFIX) {
        line.text = text;
        return line;
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
            ++i;
            if (text[i] != QLatin1Char('&') && line.underline < 0 && !(format & DT_HIDEPREFIX))
                line.underline = static_cast<int>(line.text.size());
        }
        line.text += text[i];
    }
    return line;
}

// Breaks between words only; a word wider than the rectangle stands alone.
QStringList WrapWords(const QString& text, const QFontMetrics& metrics, int width)
{
    QStringList lines;
    QString current;
    for (const QString& word : text.split(QLatin1Char(' '))) {
        const QString candidate = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
        if (!current.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
            lines << current;
            current = word;
        } else {
            current = candidate;
        }
    }
    lines << current;
    return lines;
}

std::vector<Line> LayOut(const QString& text, UINT format, const QFontMetrics& metrics, int width)
{
    QString all = format & DT_EXPANDTABS ? ExpandTabs(text) : text;
    std::vector<Line> lines;
    if (format & DT_SINGLELINE) {
        all.remove(QLatin1Char('\r'));
        all.remove(QLatin1Char('\n'));
        lines.push_back(TakePrefixes(all, format));
        return lines;
    }
    all.remove(QLatin1Char('\r'));
    for (const QString& paragraph : all.split(QLatin1Char('\n'))) {
        if (format & DT_WORDBREAK) {
            for (const QString& piece : WrapWords(paragraph, metrics, width))
                lines.push_back(TakePrefixes(piece, format));
        } else {
            lines.push_back(TakePrefixes(paragraph, format));
        }
    }
    return lines;
}

int CellHeight(const QFontMetrics& metrics)
{
    return metrics.ascent() + metrics.descent();
}

// Draws one line with its cell's top-left at (x, y).
void DrawLine(QPainter& p, const nimbo::DCAttributes& attr, const QFontMetrics& metrics, int x, int y,
              const Line& line)
{
    const int width = metrics.horizontalAdvance(line.text);
    if (attr.backgroundMode == OPAQUE)
        p.fillRect(QRect(x, y, width, CellHeight(metrics)), nimbo::ToQColor(attr.background));
    p.drawText(QPoint(x, y + metrics.ascent()), line.text);
    if (line.underline >= 0 && line.underline < line.text.size()) {
        const int from = x + metrics.horizontalAdvance(line.text.left(line.underline));
        const int length = metrics.horizontalAdvance(line.text.at(line.underline));
        p.fillRect(QRect(from, y + metrics.ascent() + 1, length, 1), nimbo::ToQColor(attr.text));
    }
}

}  // namespace

int CDC::DrawText(const char* text, int count, RECT* rect, UINT format)
{
    if (!text || !rect)
        return 0;
    const QFontMetrics metrics(d->attr.font);
    int lineHeight = CellHeight(metrics);
    if (format & DT_EXTERNALLEADING)
        lineHeight += std::max(0, metrics.leading());
    const std::vector<Line> lines =
        LayOut(nimbo::TextFromBytes(text, count), format, metrics, rect->right - rect->left);
    const int height = lineHeight * static_cast<int>(lines.size());

    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const Line& line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line.text));
        rect->right = rect->left + widest;
        rect->bottom = rect->top + height;
        return height;
    }

    int y = rect->top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            y = rect->top + (rect->bottom - rect->top - lineHeight) / 2;
        else if (format & DT_BOTTOM)
            y = rect->bottom - lineHeight;
    }
    const int answer = y - rect->top + height;
    if (!d->painter)
        return answer;

    QPainter& p = *d->painter;
    p.save();
    if (!(format & DT_NOCLIP))
        p.setClipRect(nimbo::ToQRect(*rect), Qt::IntersectClip);
    p.setFont(d->attr.font);
    p.setPen(nimbo::ToQColor(d->attr.text));
    for (const Line& line : lines) {
        const int width = metrics.horizontalAdvance(line.text);
        int x = rect->left;
        if (format & DT_CENTER)
            x = rect->left + (rect->right - rect->left - width) / 2;
        else if (format & DT_RIGHT)
            x = rect->right - width;
        DrawLine(p, d->attr, metrics, x, y, line);
        y += lineHeight;
    }
    p.restore();
    return answer;
}

int CDC::DrawText(const std::string& text, RECT* rect, UINT format)
{
    return DrawText(text.c_str(), static_cast<int>(text.size()), rect, format);
}

BOOL CDC::TextOut(int x, int y, const char* text, int count)
{
    if (!d->painter || !text)
        return FALSE;
    const QFontMetrics metrics(d->attr.font);
    Line line;
    line.text = nimbo::TextFromBytes(text, count);
    const int width = metrics.horizontalAdvance(line.text);
    const UINT align = d->attr.textAlign;
    // TA_CENTER and TA_BASELINE share bits with TA_RIGHT and TA_BOTTOM.
    if ((align & TA_CENTER) == TA_CENTER)
        x -= width / 2;
    else if (align & TA_RIGHT)
        x -= width;
    if ((align & TA_BASELINE) == TA_BASELINE)
        y -= metrics.ascent();
    else if (align & TA_BOTTOM)
        y -= CellHeight(metrics);
    QPainter& p = *d->painter;
    p.save();
    p.setFont(d->attr.font);
    p.setPen(nimbo::ToQColor(d->attr.text));
    DrawLine(p, d->attr, metrics, x, y, line);
    p.restore();
    return TRUE;
}

BOOL CDC::TextOut(int x, int y, const std::string& text)
{
    return TextOut(x, y, text.c_str(), static_cast<int>(text.size()));
}

SIZE CDC::GetTextExtent(const char* text, int count) const
{
    const QFontMetrics metrics(d->attr.font);
    const QString s = nimbo::TextFromBytes(text, count);
    return SIZE{metrics.horizontalAdvance(s), CellHeight(metrics)};
}

SIZE CDC::GetTextExtent(const std::string& text) const
{
    return GetTextExtent(text.c_str(), static_cast<int>(text.size()));
}

BOOL CDC::GetTextMetrics(TEXTMETRICA* tm) const
{
    if (!tm)
        return FALSE;
    const QFont& font = d->attr.font;
    const QFontMetrics metrics(font);
    const QFontInfo info(font);
    *tm = TEXTMETRICA{};
    tm->tmAscent = metrics.ascent();
    tm->tmDescent = metrics.descent();
    tm->tmHeight = tm->tmAscent + tm->tmDescent;
    tm->tmInternalLeading = std::max(0, tm->tmHeight - info.pixelSize());
    tm->tmExternalLeading = std::max(0, metrics.leading());
    tm->tmAveCharWidth = metrics.averageCharWidth();
    tm->tmMaxCharWidth = metrics.maxWidth();
    tm->tmWeight = info.weight();
    tm->tmItalic = info.italic() ? 1 : 0;
    tm->tmUnderlined = font.underline() ? 1 : 0;
    tm->tmStruckOut = font.strikeOut() ? 1 : 0;
    tm->tmPitchAndFamily = static_cast<BYTE>((info.fixedPitch() ? 0 : TMPF_FIXED_PITCH) |
                                             (info.fixedPitch() ? FF_MODERN : FF_SWISS));
    tm->tmCharSet = ANSI_CHARSET;
    return TRUE;
}

BOOL GetTextExtentPoint32A(HDC dc, const char* text, int count, SIZE* size)
{
    if (!dc || !size)
        return FALSE;
    *size = dc->GetTextExtent(text, count);
    return TRUE;
}
