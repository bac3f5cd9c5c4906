#include "platform/TColor.h"

#include "platform/DelphiStrings.h"

#include <iterator>

namespace {

struct NamedColor {
    const char *name;
    std::int32_t value;
};

constexpr std::int32_t sys(int index)
{
    return std::int32_t(0x80000000u | unsigned(index));
}

// The class library's colour names in its own order; toString() gives the first name of a value.
const NamedColor namedColors[] = {
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clActiveBorder", sys(10)},
    {"clActiveCaption", sys(2)},
    {"clAppWorkSpace", sys(12)},
    {"clBackground", sys(1)},
    {"clBtnFace", sys(15)},
    {"clBtnHighlight", sys(20)},
    {"clBtnShadow", sys(16)},
    {"clBtnText", sys(18)},
    {"clCaptionText", sys(9)},
    {"clGrayText", sys(17)},
    {"clHighlight", sys(13)},
    {"clHighlightText", sys(14)},
    {"clInactiveBorder", sys(11)},
    {"clInactiveCaption", sys(3)},
    {"clInactiveCaptionText", sys(19)},
    {"clInfoBk", sys(24)},
    {"clInfoText", sys(23)},
    {"clMenu", sys(4)},
    {"clMenuText", sys(7)},
    {"clScrollBar", sys(0)},
    {"cl3DDkShadow", sys(21)},
    {"cl3DLight", sys(22)},
    {"clWindow", sys(5)},
    {"clWindowFrame", sys(6)},
    {"clWindowText", sys(8)},
    {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000},
};

// The classic Windows scheme for the system colours 0..24, as RGB.
const QRgb systemColors[] = {
    qRgb(192, 192, 192), // scroll bar
    qRgb(0, 128, 128),   // desktop
    qRgb(0, 0, 128),     // active caption
    qRgb(128, 128, 128), // inactive caption
    qRgb(192, 192, 192), // menu
    qRgb(255, 255, 255), // window
    qRgb(0, 0, 0),       // window frame
    qRgb(0, 0, 0),       // menu text
    qRgb(0, 0, 0),       // window text
    qRgb(255, 255, 255), // caption text
    qRgb(192, 192, 192), // active border
    qRgb(192, 192, 192), // inactive border
    qRgb(128, 128, 128), // application work space
    qRgb(0, 0, 128),     // highlight
    qRgb(255, 255, 255), // highlight text
    qRgb(192, 192, 192), // button face
    qRgb(128, 128, 128), // button shadow
    qRgb(128, 128, 128), // grey text
    qRgb(0, 0, 0),       // button text
    qRgb(192, 192, 192), // inactive caption text
    qRgb(255, 255, 255), // button highlight
    qRgb(0, 0, 0),       // 3D dark shadow
    qRgb(223, 223, 223), // 3D light
    qRgb(0, 0, 0),       // tooltip text
    qRgb(255, 255, 225), // tooltip background
};

} // namespace

const TColor TColor::clBlack(0x000000);
const TColor TColor::clMaroon(0x000080);
const TColor TColor::clGreen(0x008000);
const TColor TColor::clOlive(0x008080);
const TColor TColor::clNavy(0x800000);
const TColor TColor::clPurple(0x800080);
const TColor TColor::clTeal(0x808000);
const TColor TColor::clGray(0x808080);
const TColor TColor::clSilver(0xC0C0C0);
const TColor TColor::clRed(0x0000FF);
const TColor TColor::clLime(0x00FF00);
const TColor TColor::clYellow(0x00FFFF);
const TColor TColor::clBlue(0xFF0000);
const TColor TColor::clFuchsia(0xFF00FF);
const TColor TColor::clAqua(0xFFFF00);
const TColor TColor::clWhite(0xFFFFFF);
const TColor TColor::clBtnFace(sys(15));
const TColor TColor::clWindow(sys(5));
const TColor TColor::clWindowText(sys(8));
const TColor TColor::clHighlight(sys(13));
const TColor TColor::clHighlightText(sys(14));
const TColor TColor::cl3DLight(sys(22));
const TColor TColor::clInfoBk(sys(24));
const TColor TColor::clNone(0x1FFFFFFF);
const TColor TColor::clDefault(0x20000000);

QColor TColor::toQColor() const
{
    if (m_value == clNone.m_value)
        return QColor(Qt::transparent);
    if (isSystemColor()) {
        const int index = m_value & 0xFF;
        if (index < int(std::size(systemColors)))
            return QColor(systemColors[index]);
        return QColor(Qt::black);
    }
    if (m_value == clDefault.m_value)
        return QColor(Qt::white);
    return QColor(m_value & 0xFF, (m_value >> 8) & 0xFF, (m_value >> 16) & 0xFF);
}

TColor TColor::fromQColor(const QColor &c)
{
    return TColor(std::int32_t(c.red() | (c.green() << 8) | (c.blue() << 16)));
}

QString TColor::toString() const
{
    for (const NamedColor &nc : namedColors) {
        if (nc.value == m_value)
            return QLatin1String(nc.name);
    }
    return QLatin1Char('$')
        + QStringLiteral("%1").arg(quint32(m_value), 8, 16, QLatin1Char('0')).toUpper();
}

bool TColor::fromString(const QString &text, TColor &result)
{
    for (const NamedColor &nc : namedColors) {
        if (text.compare(QLatin1String(nc.name), Qt::CaseInsensitive) == 0) {
            result = TColor(nc.value);
            return true;
        }
    }
    int value;
    if (!Delphi::tryStrToInt(text, value))
        return false;
    result = TColor(value);
    return true;
}

TColor TColor::fromStringDef(const QString &text, TColor def)
{
    TColor result = def;
    fromString(text, result);
    return result;
}
