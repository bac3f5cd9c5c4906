#include "platform/DelphiStrings.h"

#include "platform/Prompter.h"

#include <QCoreApplication>

#include <cmath>

namespace Delphi {

int pos(const QString &needle, const QString &haystack)
{
    if (needle.isEmpty())
        return 0;
    return haystack.indexOf(needle) + 1;
}

static bool isBlank(QChar c)
{
    return c.unicode() <= ' ';
}

QString trim(const QString &s)
{
    return trimLeft(trimRight(s));
}

QString trimLeft(const QString &s)
{
    qsizetype i = 0;
    while (i < s.size() && isBlank(s.at(i)))
        ++i;
    return s.mid(i);
}

QString trimRight(const QString &s)
{
    qsizetype n = s.size();
    while (n > 0 && isBlank(s.at(n - 1)))
        --n;
    return s.left(n);
}

bool tryStrToInt(const QString &s, int &value)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < s.size() && (s.at(i) == u'+' || s.at(i) == u'-')) {
        negative = s.at(i) == u'-';
        ++i;
    }
    const bool hex = i < s.size() && s.at(i) == u'$';
    if (hex)
        ++i;
    if (i >= s.size())
        return false;

    // Decimal numbers must fit the signed range; "$" numbers take all 32 bits,
    // so "$80000005" is the negative value a system colour has.
    const quint64 limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    quint64 magnitude = 0;
    for (; i < s.size(); ++i) {
        const char16_t c = s.at(i).unicode();
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (hex && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (hex && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return false;
        magnitude = magnitude * (hex ? 16 : 10) + quint64(digit);
        if (magnitude > limit)
            return false;
    }
    const quint32 bits = quint32(magnitude);
    value = negative ? int(0u - bits) : int(bits);
    return true;
}

QString invalidIntegerText(const QString &s)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(s);
}

void showErrorBox(QWidget *parent, const QString &message)
{
    Prompter::instance()->messageBox(parent, QCoreApplication::applicationName(), message,
                                     Prompter::Error, Prompter::OkButton);
}

bool strToIntOrComplain(QWidget *parent, const QString &s, int &value)
{
    if (tryStrToInt(s, value))
        return true;
    showErrorBox(parent, invalidIntegerText(s));
    return false;
}

bool tryStrToFloat(const QString &s, double &value)
{
    const QString t = trim(s);
    qsizetype i = 0;
    const qsizetype n = t.size();
    auto digits = [&] {
        const qsizetype from = i;
        while (i < n && t.at(i) >= u'0' && t.at(i) <= u'9')
            ++i;
        return i - from;
    };
    if (i < n && (t.at(i) == u'+' || t.at(i) == u'-'))
        ++i;
    qsizetype mantissa = digits();
    if (i < n && t.at(i) == u'.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < n && (t.at(i) == u'e' || t.at(i) == u'E')) {
        ++i;
        if (i < n && (t.at(i) == u'+' || t.at(i) == u'-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    if (i != n)
        return false;
    bool ok = false;
    const double result = t.toDouble(&ok); // the C locale: "." is the separator
    if (!ok || !std::isfinite(result))
        return false;
    value = result;
    return true;
}

int strToIntDef(const QString &s, int def)
{
    int value;
    return tryStrToInt(s, value) ? value : def;
}

QString copy(const QString &s, int index, int count)
{
    if (index < 1)
        index = 1;
    if (count <= 0 || index > s.size())
        return QString();
    return s.mid(index - 1, count);
}

static qsizetype lastDelimiter(const QString &fileName, bool dotToo)
{
    for (qsizetype i = fileName.size() - 1; i >= 0; --i) {
        const QChar c = fileName.at(i);
        if (c == u'/' || c == u'\\' || (dotToo && c == u'.'))
            return i;
    }
    return -1;
}

QString extractFileExt(const QString &fileName)
{
    const qsizetype i = lastDelimiter(fileName, true);
    if (i >= 0 && fileName.at(i) == u'.')
        return fileName.mid(i);
    return QString();
}

QString extractFileName(const QString &fileName)
{
    return fileName.mid(lastDelimiter(fileName, false) + 1);
}

QString extractFilePath(const QString &fileName)
{
    return fileName.left(lastDelimiter(fileName, false) + 1);
}

QString changeFileExt(const QString &fileName, const QString &ext)
{
    const qsizetype i = lastDelimiter(fileName, true);
    if (i >= 0 && fileName.at(i) == u'.')
        return fileName.left(i) + ext;
    return fileName + ext;
}

QStringList textToLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            lines.append(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QString linesToText(const QStringList &lines, const QString &sep)
{
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += sep;
    }
    return text;
}

} // namespace Delphi
