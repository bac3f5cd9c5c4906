#pragma once

#include <QString>

// Builds one form control tag: a fixed start, optional attributes in the order they are
// added, then ">" and whatever follows it. Values are written as typed, never escaped.
class FormFieldTag
{
public:
    // Skip: an attribute whose value is empty or only blanks is left out.
    // Write: only an empty value is left out (a value of blanks is written).
    enum class Blank { Skip, Write };

    explicit FormFieldTag(const QString &start, Blank blank = Blank::Skip);

    // Appends ` name="value"` unless the value counts as empty.
    FormFieldTag &attribute(const QString &name, const QString &value);
    // Appends text as it is, before the closing ">".
    FormFieldTag &append(const QString &text);
    // The finished tag: everything so far, ">" and after.
    QString close(const QString &after = QString()) const;

private:
    QString m_text;
    Blank m_blank;
};
