#include "shell/help/TipsFile.h"

#include "editor/EditorAdapter.h"
#include "platform/DelphiStrings.h"
#include "platform/TextFile.h"

bool TipsFile::readLines(QStringList &lines, QString *error) const
{
    TextFile::Content content;
    QString reason;
    if (!TextFile::load(m_fileName, content, &reason)) {
        if (error)
            *error = QStringLiteral("Cannot open file \"") + m_fileName + QStringLiteral("\". ")
                + reason;
        return false;
    }
    lines = EditorAdapter::splitLines(content.text);
    return true;
}

bool TipsFile::countOf(const QStringList &lines, int &count, QString *problem)
{
    if (lines.size() < 3) {
        if (problem)
            *problem = QStringLiteral("Read beyond end of file");
        return false;
    }
    if (!Delphi::tryStrToInt(lines.at(2), count)) {
        if (problem)
            *problem = Delphi::invalidIntegerText(lines.at(2));
        return false;
    }
    return true;
}

bool TipsFile::readCount(int &count, QString *error) const
{
    QStringList lines;
    if (!readLines(lines, error))
        return false;
    QString problem;
    if (countOf(lines, count, &problem))
        return true;
    if (error)
        *error = m_fileName + QStringLiteral(": ") + problem;
    return false;
}

TipsFile::Tip TipsFile::tipOf(const QStringList &lines, int n, QString &text)
{
    const QString marker = QLatin1Char('#') + QString::number(n) + QLatin1Char('%');
    for (int i = 0; i < lines.size(); ++i) {
        if (!Delphi::trim(lines.at(i)).contains(marker))
            continue;
        if (i + 1 >= lines.size())
            return Tip::NoText;
        const QString next = lines.at(i + 1);
        if (Delphi::trim(next).contains(QLatin1Char('#')))
            return Tip::NoText;
        text = next;
        return Tip::Found;
    }
    return Tip::NoMarker;
}

TipsFile::Tip TipsFile::tip(int n, QString &text) const
{
    QStringList lines;
    if (!readLines(lines, nullptr))
        return Tip::NoMarker;
    return tipOf(lines, n, text);
}
