#include "html/text/FormFieldTag.h"

#include "platform/DelphiStrings.h"

FormFieldTag::FormFieldTag(const QString &start, Blank blank) : m_text(start), m_blank(blank) {}

FormFieldTag &FormFieldTag::attribute(const QString &name, const QString &value)
{
    const bool empty = m_blank == Blank::Skip ? Delphi::trim(value).isEmpty() : value.isEmpty();
    if (!empty)
        m_text += QLatin1Char(' ') + name + QStringLiteral("=\"") + value + QLatin1Char('"');
    return *this;
}

FormFieldTag &FormFieldTag::append(const QString &text)
{
    m_text += text;
    return *this;
}

QString FormFieldTag::close(const QString &after) const
{
    return m_text + QLatin1Char('>') + after;
}
