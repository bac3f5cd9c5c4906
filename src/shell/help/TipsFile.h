#pragma once

#include <QString>
#include <QStringList>

// The tips file "tips.txt": two free lines, the number of tips on line 3, then for each tip n
// a marker line holding "#n%" followed by the tip's text on the next line.
class TipsFile
{
public:
    explicit TipsFile(const QString &fileName) : m_fileName(fileName) {}

    QString fileName() const { return m_fileName; }

    // The number of tips (line 3). False, with a message naming the file, when the file
    // cannot be read, has no third line, or that line is no integer.
    bool readCount(int &count, QString *error) const;

    enum class Tip { Found, NoMarker, NoText };
    // Tip n's text: NoMarker when no line holds its marker (or the file cannot be read),
    // NoText when the line after the marker holds "#" itself (or there is none).
    Tip tip(int n, QString &text) const;

    // The same over lines already read.
    static bool countOf(const QStringList &lines, int &count, QString *problem);
    static Tip tipOf(const QStringList &lines, int n, QString &text);

private:
    bool readLines(QStringList &lines, QString *error) const;

    QString m_fileName;
};
