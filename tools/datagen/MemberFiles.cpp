#include "MemberFiles.h"

#include "JavapClasses.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>

namespace {

using JavapClasses::JavapClass;

bool runJavap(const QString &javap, const QStringList &classNames, QString &output, QString *error)
{
    QProcess process;
    process.setProgram(javap);
    process.setArguments(QStringList {QStringLiteral("-public"), QStringLiteral("-l")}
                         + classNames);
    // A class javap does not know is named on its error channel; the others are still described.
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted(-1) || !process.waitForFinished(-1)
        || process.exitStatus() != QProcess::NormalExit) {
        if (error)
            *error = QStringLiteral("cannot run ") + javap + QStringLiteral(": ")
                + process.errorString();
        return false;
    }
    output = QString::fromLocal8Bit(process.readAllStandardOutput());
    return true;
}

bool writeLines(const QString &fileName, const QStringList &lines, QString *error)
{
    TextFile::Format crlf;
    crlf.lineEnding = TextFile::LineEnding::CRLF;
    QString reason;
    const QString text = lines.isEmpty() ? QString() : lines.join(u'\n') + u'\n';
    if (TextFile::save(fileName, text, crlf, &reason))
        return true;
    if (error)
        *error = QStringLiteral("cannot write ") + fileName + QStringLiteral(": ") + reason;
    return false;
}

} // namespace

QStringList MemberFiles::readClassList(const QString &fileName, QString *error)
{
    TextFile::Content content;
    if (!TextFile::load(fileName, content, error))
        return {};
    QStringList names;
    for (const QString &line :
         content.text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
        const QString name = line.trimmed();
        if (!name.isEmpty() && !name.startsWith(u'#'))
            names.append(name);
    }
    return names;
}

bool MemberFiles::generate(const QString &javap, const QStringList &classNames,
                           const QString &completionFolder, Figures &figures, QString *error)
{
    figures = Figures();
    QHash<QString, JavapClass> classes;
    QSet<QString> asked;
    QStringList pending = classNames;
    while (!pending.isEmpty()) {
        QString output;
        if (!runJavap(javap, pending, output, error))
            return false;
        ++figures.javapRuns;
        for (const JavapClass &c : JavapClasses::parse(output))
            classes.insert(c.name, c);
        for (const QString &name : std::as_const(pending))
            asked.insert(name);
        // Next round: the superclasses not yet described (Object's members are never inherited
        // into a list, so it is read only when it is listed itself).
        QStringList next;
        for (const JavapClass &c : std::as_const(classes)) {
            const QString &s = c.superclass;
            if (!s.isEmpty() && s != QLatin1String("java.lang.Object") && !classes.contains(s)
                && !asked.contains(s) && !next.contains(s))
                next.append(s);
        }
        pending = next;
    }
    figures.classesRead = classes.size();

    if (!QDir().mkpath(completionFolder)) {
        if (error)
            *error = QStringLiteral("cannot make the folder ") + completionFolder;
        return false;
    }
    QDir folder(completionFolder);
    for (const QString &old : folder.entryList({QStringLiteral("*.cmp")}, QDir::Files))
        folder.remove(old);

    QStringList toc;
    for (const QString &name : classNames) {
        const auto it = classes.constFind(name);
        if (it == classes.constEnd()) {
            figures.notFound.append(name);
            continue;
        }
        const QStringList lines = JavapClasses::memberLines(name, classes, &figures.notFound);
        if (!writeLines(folder.filePath(it->simpleName + QStringLiteral(".cmp")), lines, error))
            return false;
        toc.append(it->simpleName);
        ++figures.classes;
        figures.memberLines += lines.size();
    }
    return writeLines(folder.filePath(QStringLiteral("toc.cmp")), toc, error);
}
