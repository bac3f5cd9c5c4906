#pragma once

#include <QColor>
#include <QString>

#include <cstdint>

// A colour value as the settings and colour files hold it: 0x00BBGGRR for a plain colour,
// top bit set (0x800000NN) for a system colour such as clBtnFace. Converted to and from
// text exactly as the settings and colour files store it ("clRed", "$00C0FFEE", "-2147483633").
class TColor
{
public:
    constexpr TColor() = default;
    constexpr explicit TColor(std::int32_t value) : m_value(value) {}

    constexpr std::int32_t value() const { return m_value; }
    bool isSystemColor() const { return m_value < 0; }

    // A QColor: plain colours directly, system colours from a fixed classic table.
    QColor toQColor() const;
    static TColor fromQColor(const QColor &c);

    // "clRed" for a named colour, else "$" + 8 hex digits (upper case).
    QString toString() const;
    // Accepts a colour name (without regard to case) or a number ("$hex" or decimal,
    // optionally signed). Returns false, leaving result alone, for anything else.
    static bool fromString(const QString &text, TColor &result);
    // fromString with a fallback.
    static TColor fromStringDef(const QString &text, TColor def);

    friend bool operator==(TColor a, TColor b) { return a.m_value == b.m_value; }
    friend bool operator!=(TColor a, TColor b) { return a.m_value != b.m_value; }

    // Names of the class library.
    static const TColor clBlack, clMaroon, clGreen, clOlive, clNavy, clPurple, clTeal, clGray,
        clSilver, clRed, clLime, clYellow, clBlue, clFuchsia, clAqua, clWhite, clBtnFace, clWindow,
        clWindowText, clHighlight, clHighlightText, cl3DLight, clInfoBk, clNone, clDefault;

private:
    std::int32_t m_value = 0;
};
