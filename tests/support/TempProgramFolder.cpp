#include "TempProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

void copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    const QDir source(from);
    while (it.hasNext()) {
        const QString file = it.next();
        if (QFileInfo(file).isExecutable())
            continue; // the program itself and other binaries are not data
        const QString target = to + u'/' + source.relativeFilePath(file);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(file, target);
    }
}

} // namespace

TempProgramFolder::TempProgramFolder(bool copyData)
    : m_previousHome(qgetenv("QMEDITOR_HOME")),
      m_hadHome(qEnvironmentVariableIsSet("QMEDITOR_HOME"))
{
    if (copyData) {
        const QString data = qEnvironmentVariable("QMEDITOR_DATA");
        if (!data.isEmpty())
            copyTree(data, m_dir.path());
    }
    qputenv("QMEDITOR_HOME", QFile::encodeName(m_dir.path()));
}

TempProgramFolder::~TempProgramFolder()
{
    if (m_hadHome)
        qputenv("QMEDITOR_HOME", m_previousHome);
    else
        qunsetenv("QMEDITOR_HOME");
}

QString TempProgramFolder::path() const
{
    return m_dir.path() + u'/';
}

QString TempProgramFolder::filePath(const QString &relative) const
{
    return path() + relative;
}

bool TempProgramFolder::writeFile(const QString &relative, const QByteArray &bytes) const
{
    const QString target = filePath(relative);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile file(target);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray TempProgramFolder::readFile(const QString &relative) const
{
    QFile file(filePath(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
