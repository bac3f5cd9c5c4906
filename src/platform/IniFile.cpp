#include "platform/IniFile.h"

#include "platform/DelphiStrings.h"
#include "platform/FileLock.h"
#include "platform/SafeWrite.h"

#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QStringDecoder>

#include <algorithm>
#include <memory>
#include <sys/stat.h>
#include <utility>

namespace {

// What a read needs: the file's lines and where its sections and keys are.
struct ParsedIni {
    struct Key {
        QString name;
        QString value;
        int line;
    };
    struct Section {
        QString name;
        int line; // the "[name]" line
        int end;  // first line after the section
        QList<Key> keys;
    };

    QStringList lines;
    QList<Section> sections;

    const Section *findSection(const QString &name) const
    {
        for (const Section &s : sections) {
            if (s.name.compare(name, Qt::CaseInsensitive) == 0)
                return &s;
        }
        return nullptr;
    }
    static const Key *findKey(const Section &s, const QString &name)
    {
        for (const Key &k : s.keys) {
            if (k.name.compare(name, Qt::CaseInsensitive) == 0)
                return &k;
        }
        return nullptr;
    }
};

using ParsedPtr = std::shared_ptr<const ParsedIni>;

QString unquote(const QString &value)
{
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
        return value.mid(1, value.size() - 2);
    return value;
}

ParsedPtr parse(QStringList lines)
{
    auto p = std::make_shared<ParsedIni>();
    ParsedIni::Section *current = nullptr;
    for (int i = 0; i < lines.size(); ++i) {
        const QString t = Delphi::trim(lines.at(i));
        if (t.startsWith(u'[')) {
            if (current)
                current->end = i;
            qsizetype close = t.indexOf(u']');
            if (close < 0)
                close = t.size();
            p->sections.append({Delphi::trim(t.mid(1, close - 1)), i, int(lines.size()), {}});
            current = &p->sections.last();
            continue;
        }
        if (!current || t.startsWith(u';'))
            continue;
        const qsizetype eq = t.indexOf(u'=');
        if (eq <= 0)
            continue;
        const QString name = Delphi::trimRight(t.left(eq));
        current->keys.append({name, unquote(Delphi::trim(t.mid(eq + 1))), i});
    }
    p->lines = std::move(lines);
    return p;
}

QStringList splitLines(const QByteArray &bytes)
{
    QByteArray data = bytes;
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(data);
    if (utf8.hasError())
        text = QString::fromLatin1(data);
    return Delphi::textToLines(text);
}

// Identifies one state of a file on disk, so an unchanged file is parsed only once.
struct Stamp {
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = 0;
    qint64 mtimeNs = 0;
    qint64 ctimeNs = 0;
    bool operator==(const Stamp &o) const
    {
        return dev == o.dev && ino == o.ino && size == o.size && mtimeNs == o.mtimeNs
            && ctimeNs == o.ctimeNs;
    }
};

bool stampOf(const QString &fileName, Stamp &stamp)
{
    struct stat st;
    if (::stat(QFile::encodeName(fileName).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    stamp.dev = st.st_dev;
    stamp.ino = st.st_ino;
    stamp.size = st.st_size;
    stamp.mtimeNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    stamp.ctimeNs = qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    return true;
}

// Parsed files shared by every IniFile object of the process.
class IniCache
{
public:
    static IniCache &instance()
    {
        static IniCache cache;
        return cache;
    }

    ParsedPtr get(const QString &fileName)
    {
        const QString key = QFileInfo(fileName).absoluteFilePath();
        Stamp stamp;
        if (!stampOf(key, stamp)) {
            QMutexLocker lock(&m_mutex);
            m_entries.remove(key);
            return parse({});
        }
        {
            QMutexLocker lock(&m_mutex);
            const auto it = m_entries.constFind(key);
            if (it != m_entries.constEnd() && it->stamp == stamp)
                return it->parsed;
        }
        QFile file(key);
        if (!file.open(QIODevice::ReadOnly))
            return parse({});
        const QByteArray bytes = file.readAll();
        file.close();
        ParsedPtr parsed = parse(splitLines(bytes));
        // Only a file that did not change while it was read may be remembered.
        Stamp after;
        if (stampOf(key, after) && after == stamp) {
            QMutexLocker lock(&m_mutex);
            m_entries.insert(key, {stamp, parsed});
        }
        return parsed;
    }

    void forget(const QString &fileName)
    {
        QMutexLocker lock(&m_mutex);
        m_entries.remove(QFileInfo(fileName).absoluteFilePath());
    }

private:
    struct Entry {
        Stamp stamp;
        ParsedPtr parsed;
    };
    QMutex m_mutex;
    QHash<QString, Entry> m_entries;
};

ParsedPtr current(const QString &fileName)
{
    return IniCache::instance().get(fileName);
}

// The file as the object sees it: its batch while one is open.
ParsedPtr stateOf(const QString &fileName, const QStringList *pending)
{
    return pending ? parse(*pending) : current(fileName);
}

// A value or name is one line of the file; a line break in it would make new keys.
QString oneLine(QString s)
{
    s.replace(QLatin1String("\r\n"), QLatin1String(" "));
    s.replace(u'\r', u' ');
    s.replace(u'\n', u' ');
    return s;
}

// The file as it is on disk now, read again whatever was read before.
ParsedPtr onDisk(const QString &fileName)
{
    IniCache::instance().forget(fileName);
    return current(fileName);
}

// Writes key=value into section of p's lines (into lines); a key that is there keeps its
// spelling, a new one goes after the section's last non-blank line, a new section at the end.
void writeValue(const ParsedIni &p, const QString &section, const QString &key,
                const QString &value, QStringList &lines)
{
    lines = p.lines;
    const QString keyName = Delphi::trim(oneLine(key));
    const QString entry = keyName + u'=' + oneLine(value);
    const ParsedIni::Section *s = p.findSection(section);
    if (!s) {
        if (!lines.isEmpty() && !Delphi::trim(lines.last()).isEmpty())
            lines.append(QString());
        lines.append(u'[' + Delphi::trim(oneLine(section)) + u']');
        lines.append(entry);
        return;
    }
    if (const ParsedIni::Key *k = ParsedIni::findKey(*s, keyName)) {
        lines[k->line] = k->name + u'=' + oneLine(value);
        return;
    }
    int insertAt = s->line + 1;
    for (int i = s->line + 1; i < s->end; ++i) {
        if (!Delphi::trim(lines.at(i)).isEmpty())
            insertAt = i + 1;
    }
    lines.insert(insertAt, entry);
}

// Removes every copy of the section (so no older duplicate comes to light); false when there
// is none.
bool removeSection(const ParsedIni &p, const QString &section, QStringList &lines)
{
    lines = p.lines;
    bool found = false;
    for (auto it = p.sections.crbegin(); it != p.sections.crend(); ++it) {
        if (it->name.compare(section, Qt::CaseInsensitive) != 0)
            continue;
        lines.erase(lines.begin() + it->line, lines.begin() + it->end);
        found = true;
    }
    return found;
}

// Removes every copy of the key from the section; false when there is none.
bool removeKey(const ParsedIni &p, const QString &section, const QString &key, QStringList &lines)
{
    lines = p.lines;
    const ParsedIni::Section *s = p.findSection(section);
    if (!s)
        return false;
    bool found = false;
    for (auto it = s->keys.crbegin(); it != s->keys.crend(); ++it) {
        if (it->name.compare(key, Qt::CaseInsensitive) == 0) {
            lines.removeAt(it->line);
            found = true;
        }
    }
    return found;
}

} // namespace

bool IniFile::applyEdit(const Edit &edit, QStringList &lines)
{
    const ParsedPtr parsed = parse(lines);
    const ParsedIni &p = *parsed;
    switch (edit.kind) {
    case Edit::Write: writeValue(p, edit.section, edit.key, edit.value, lines); return true;
    case Edit::EraseSection: return removeSection(p, edit.section, lines);
    case Edit::DeleteKey: return removeKey(p, edit.section, edit.key, lines);
    }
    return false;
}

IniFile::IniFile(const QString &fileName) : m_fileName(fileName) {}

QStringList IniFile::loadLines() const
{
    return stateOf(m_fileName, m_updating ? &m_pending : nullptr)->lines;
}

bool IniFile::saveLines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    QString reason;
    const bool ok = SafeWrite::replaceFile(m_fileName, bytes, &reason);
    m_lastError = ok ? QString() : reason;
    IniCache::instance().forget(m_fileName);
    return ok;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &def) const
{
    const ParsedPtr p = stateOf(m_fileName, m_updating ? &m_pending : nullptr);
    const ParsedIni::Section *s = p->findSection(section);
    if (!s)
        return def;
    const ParsedIni::Key *k = ParsedIni::findKey(*s, key);
    return k ? k->value : def;
}

int IniFile::readInteger(const QString &section, const QString &key, int def) const
{
    const ParsedPtr p = stateOf(m_fileName, m_updating ? &m_pending : nullptr);
    const ParsedIni::Section *s = p->findSection(section);
    const ParsedIni::Key *k = s ? ParsedIni::findKey(*s, key) : nullptr;
    return k ? Delphi::strToIntDef(k->value, def) : def;
}

bool IniFile::readBool(const QString &section, const QString &key, bool def) const
{
    return readInteger(section, key, def ? 1 : 0) != 0;
}

bool IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    return store({Edit::Write, section, key, value});
}

bool IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    return writeString(section, key, QString::number(value));
}

bool IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniFile::eraseSection(const QString &section)
{
    return store({Edit::EraseSection, section, QString(), QString()});
}

bool IniFile::deleteKey(const QString &section, const QString &key)
{
    return store({Edit::DeleteKey, section, key, QString()});
}

bool IniFile::sectionExists(const QString &section) const
{
    return stateOf(m_fileName, m_updating ? &m_pending : nullptr)->findSection(section) != nullptr;
}

bool IniFile::valueExists(const QString &section, const QString &key) const
{
    const ParsedPtr p = stateOf(m_fileName, m_updating ? &m_pending : nullptr);
    const ParsedIni::Section *s = p->findSection(section);
    return s && ParsedIni::findKey(*s, key);
}

QStringList IniFile::readSections() const
{
    QStringList names;
    // Held here: inside a batch the parsed copy has no other owner.
    const ParsedPtr p = stateOf(m_fileName, m_updating ? &m_pending : nullptr);
    for (const ParsedIni::Section &s : p->sections) {
        if (!names.contains(s.name, Qt::CaseInsensitive))
            names.append(s.name);
    }
    return names;
}

QStringList IniFile::readSection(const QString &section) const
{
    const ParsedPtr p = stateOf(m_fileName, m_updating ? &m_pending : nullptr);
    QStringList names;
    if (const ParsedIni::Section *s = p->findSection(section)) {
        for (const ParsedIni::Key &k : s->keys) {
            if (!names.contains(k.name, Qt::CaseInsensitive))
                names.append(k.name);
        }
    }
    return names;
}

QStringList IniFile::readNumbered(const QString &section, int first, int count) const
{
    const ParsedPtr p = stateOf(m_fileName, m_updating ? &m_pending : nullptr);
    const ParsedIni::Section *s = p->findSection(section);
    if (!s || count <= 0)
        return {};
    // The numbered keys in file order; a stable sort keeps the first of duplicates in front.
    struct Numbered {
        qint64 number;
        const QString *value;
    };
    QList<Numbered> found;
    for (const ParsedIni::Key &k : s->keys) {
        bool ok = false;
        const qint64 number = k.name.toLongLong(&ok);
        if (ok && number >= first && number < first + qint64(count)
            && k.name == QString::number(number))
            found.append({number, &k.value});
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Numbered &a, const Numbered &b) { return a.number < b.number; });
    QStringList list;
    list.reserve(found.size());
    for (qsizetype i = 0; i < found.size(); ++i)
        if (i == 0 || found.at(i).number != found.at(i - 1).number)
            list.append(*found.at(i).value);
    return list;
}

bool IniFile::store(const Edit &edit)
{
    if (m_updating) {
        if (applyEdit(edit, m_pending))
            m_edits.append(edit);
        return true;
    }
    const FileLock lock(m_fileName);
    QStringList lines = onDisk(m_fileName)->lines;
    return !applyEdit(edit, lines) || saveLines(lines);
}

void IniFile::beginUpdate()
{
    if (m_updating)
        return;
    m_pending = loadLines();
    m_base = m_pending;
    m_edits.clear();
    m_updating = true;
}

bool IniFile::commit()
{
    if (!m_updating)
        return true;
    m_updating = false;
    const QList<Edit> edits = std::exchange(m_edits, {});
    const QStringList base = std::exchange(m_base, {});
    QStringList lines = std::exchange(m_pending, {});
    // A batch that changed nothing leaves the file alone (and creates none).
    if (edits.isEmpty())
        return true;
    const FileLock lock(m_fileName);
    const QStringList now = onDisk(m_fileName)->lines;
    if (now == base)
        return saveLines(lines); // nobody wrote meanwhile: the batch's copy is the result
    lines = now;
    bool changed = false;
    for (const Edit &edit : edits)
        changed = applyEdit(edit, lines) || changed;
    return !changed || saveLines(lines);
}

void IniFile::discardUpdate()
{
    m_updating = false;
    m_pending.clear();
    m_base.clear();
    m_edits.clear();
}
