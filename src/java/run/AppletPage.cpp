#include "java/run/AppletPage.h"

#include "platform/DelphiStrings.h"

#include <QDir>
#include <QFile>

namespace {
// Far more than any folder holds; keeps the search finite on a folder that refuses files.
constexpr int MaxPageNumber = 10000;
} // namespace

AppletPage::~AppletPage()
{
    remove();
}

QString AppletPage::text(const QString &classFileName)
{
    return QStringLiteral("<applet code=\"%1\" width=\"500\" height=\"500\"></applet>\r\n")
        .arg(classFileName);
}

QString AppletPage::classFileName(const QString &documentFileName)
{
    return Delphi::changeFileExt(Delphi::extractFileName(documentFileName),
                                 QStringLiteral(".class"));
}

bool AppletPage::write(const QString &folder, const QString &classFileName, QString *error)
{
    remove();
    const QDir dir(folder);
    const QByteArray bytes = text(classFileName).toUtf8();
    for (int n = 0; n < MaxPageNumber; ++n) {
        const QString name =
            n == 0 ? QStringLiteral("tmp.htm") : QStringLiteral("tmp%1.htm").arg(n);
        QFile file(dir.filePath(name));
        // NewOnly fails when the name is taken, so a file of the user is never touched.
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (file.exists())
                continue;
            if (error)
                *error = file.errorString();
            return false;
        }
        if (file.write(bytes) != bytes.size() || !file.flush()) {
            if (error)
                *error = file.errorString();
            file.close();
            file.remove();
            return false;
        }
        file.close();
        m_fileName = file.fileName();
        return true;
    }
    if (error)
        *error = QStringLiteral("No free page name in %1").arg(QDir::toNativeSeparators(folder));
    return false;
}

void AppletPage::remove()
{
    if (m_fileName.isEmpty())
        return;
    QFile::remove(m_fileName);
    m_fileName.clear();
}
