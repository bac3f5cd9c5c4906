// The dictionary loader and the file-name mask. The input is a word file; its first part
// also serves as a name and a mask for the matcher, which must agree with a plain
// table-driven matcher and finish quickly whatever the stars.
#include "FuzzSupport.h"
#include "spelling/DictionaryFiles.h"
#include "spelling/WordList.h"

#include <vector>

namespace {

// Wildcard matching by dynamic programming over (name, mask) prefixes: the reference.
bool reference(const QString &name, const QString &mask)
{
    const qsizetype n = name.size(), m = mask.size();
    std::vector<char> row(size_t(n + 1), 0), next(size_t(n + 1), 0);
    row[0] = 1;
    for (qsizetype j = 0; j < m; ++j) {
        const QChar c = mask.at(j);
        next.assign(size_t(n + 1), 0);
        if (c == u'*') {
            char any = 0;
            for (qsizetype i = 0; i <= n; ++i) {
                any = any || row[size_t(i)];
                next[size_t(i)] = any;
            }
        } else {
            for (qsizetype i = 1; i <= n; ++i) {
                const QChar x = name.at(i - 1);
                const bool same = c == u'?' || c == x || c.toCaseFolded() == x.toCaseFolded();
                next[size_t(i)] = row[size_t(i - 1)] && same;
            }
        }
        row.swap(next);
    }
    return row[size_t(n)];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = Fuzz::bytes(data, size);
    const QList<QByteArray> p = Fuzz::parts(input, 3);
    const QString name = QString::fromUtf8(p.at(0)).left(300);
    const QString mask = QString::fromUtf8(p.at(1)).left(300);
    Fuzz::check(DictionaryFiles::matchesMask(name, mask) == reference(name, mask),
                "the mask matcher agrees with the reference", name + u'|' + mask);
    Fuzz::check(DictionaryFiles::isDictionaryOf(name + QStringLiteral(".1-0-0.dic"), name),
                "a language's own dictionary name is its own");

    const QString path = Fuzz::file(input, QStringLiteral("words.dic"));
    WordList::Batch batch;
    QString error;
    Fuzz::check(DictionaryFiles::readWordFile(path, false, batch, &error), "a word file reads",
                error);
    QStringList words;
    for (int i = 0; i < batch.size(); ++i) {
        const QStringView w = batch.word(i);
        Fuzz::check(!DictionaryFiles::isBlank(w), "no blank word is kept");
        words << w.toString();
    }
    WordList list;
    list.appendBatch(std::move(batch));
    Fuzz::check(list.size() == int(words.size()), "every word is in the list");
    for (const QString &w : std::as_const(words)) {
        const int at = list.findWord(w);
        Fuzz::check(at >= 0 && list.word(at) == w, "every word is found", w);
        Fuzz::check(list.contains(w), "every word is contained", w);
    }
    const int added = list.insertWord(u"zzfuzzword", true, u"");
    Fuzz::check(list.findWord(u"zzfuzzword") >= 0 && list.word(added) == u"zzfuzzword",
                "an added word is found");
    return 0;
}
