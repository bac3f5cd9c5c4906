#pragma once

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// File masks of the explorer's file list: one or more wildcard patterns separated by ";"
// ("*.pl;*.perl"), compared without regard to case. "*.*" and "*" take every file, and a
// pattern ending in ".htm" also takes the ".html" files, as the document types count them
// as one. An empty mask takes every file.
namespace ExplorerMask {

// A mask made ready once for testing many names.
class Matcher
{
public:
    explicit Matcher(const QString &mask);
    bool matches(const QString &fileName) const;

private:
    bool m_all = false;
    QList<QRegularExpression> m_patterns;
};

bool matches(const QString &mask, const QString &fileName);

// Bare names of the visible files in folder that match mask, sorted without regard to case.
QStringList files(const QString &folder, const QString &mask);

// Bare names of the visible subfolders of folder, sorted without regard to case.
QStringList subfolders(const QString &folder);

} // namespace ExplorerMask
