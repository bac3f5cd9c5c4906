#include "spelling/DictionaryFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace DictionaryFiles {

namespace {

bool sameLetter(QChar a, QChar b)
{
    return a == b || a.toCaseFolded() == b.toCaseFolded();
}

// The name part of every main dictionary after its language.
const QString kVersionMask = QStringLiteral(".?-?-?.dic");

} // namespace

QString withSlash(QString folder)
{
    folder.replace(u'\\', u'/');
    if (!folder.isEmpty() && !folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

// Greedy, going back only to the last "*" seen: each "*" takes as little as it can and
// grows one character at a time when the rest does not fit. No run of stars can make it
// try the same split twice, so the work is at most name length times mask length.
bool matchesMask(const QString &name, const QString &mask)
{
    qsizetype n = 0, m = 0;
    qsizetype star = -1, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask.at(m) == u'*') {
            star = m++;
            starName = n;
        } else if (m < mask.size() && (mask.at(m) == u'?' || sameLetter(mask.at(m), name.at(n)))) {
            ++m;
            ++n;
        } else if (star >= 0) {
            m = star + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask.at(m) == u'*')
        ++m;
    return m == mask.size();
}

bool isDictionaryOf(const QString &name, const QString &language)
{
    if (name.size() != language.size() + kVersionMask.size())
        return false;
    for (qsizetype i = 0; i < language.size(); ++i) {
        if (!sameLetter(name.at(i), language.at(i)))
            return false;
    }
    return matchesMask(name.mid(language.size()), kVersionMask);
}

QStringList entriesMatching(const QString &folder, const QString &mask)
{
    QStringList out;
    if (folder.isEmpty())
        return out;
    const QDir dir(folder);
    if (!dir.exists())
        return out;
    const QStringList names = dir.entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &n : names) {
        if (matchesMask(n, mask))
            out.append(n);
    }
    return out;
}

QStringList dictionariesOf(const QString &folder, const QString &language)
{
    QStringList out;
    const QStringList all = entriesMatching(folder, QStringLiteral("*") + kVersionMask);
    for (const QString &n : all) {
        if (isDictionaryOf(n, language))
            out.append(n);
    }
    return out;
}

QString findDictionaryFile(const QString &folder, const QString &language, QString *realName)
{
    QString best;
    QString bestReal;
    const QStringList names = dictionariesOf(folder, language);
    for (const QString &n : names) {
        if (n.contains(QStringLiteral(".user.")))
            continue;
        const QString lower = n.toLower();
        if (best.isEmpty() || lower > best) {
            best = lower;
            bestReal = n;
        }
    }
    if (realName)
        *realName = bestReal;
    return best;
}

QString findFileNoCase(const QString &folder, const QString &name)
{
    const QString dir = withSlash(folder);
    if (QFileInfo::exists(dir + name))
        return dir + name;
    const QDir d(folder);
    if (folder.isEmpty() || !d.exists())
        return QString();
    const QStringList all = d.entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &n : all) {
        if (n.compare(name, Qt::CaseInsensitive) == 0)
            return dir + n;
    }
    return QString();
}

bool isBlank(QStringView line)
{
    return std::all_of(line.begin(), line.end(), [](QChar c) { return c.unicode() <= u' '; });
}

bool readWordFile(const QString &path, bool isUser, WordList::Batch &batch, QString *error)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QFileInfo(path).isDir() ? QStringLiteral("Is a folder") : file.errorString();
        return false;
    }
    // Mapped rather than read where the file allows it: the text is decoded straight from the
    // file's pages, without a copy of its bytes first.
    QByteArray read;
    QByteArrayView bytes;
    const qint64 size = file.size();
    if (uchar *mapped = size > 0 ? file.map(0, size) : nullptr) {
        bytes = QByteArrayView(mapped, size);
    } else {
        read = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            if (error)
                *error = file.errorString();
            return false;
        }
        bytes = read;
    }

    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);

    batch.addLines(std::move(text), isUser);
    return true;
}

} // namespace DictionaryFiles
