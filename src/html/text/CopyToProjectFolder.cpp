#include "html/text/CopyToProjectFolder.h"

#include "platform/DelphiStrings.h"
#include "platform/Prompter.h"
#include "platform/SafeWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace CopyToProjectFolder {

QList<FileFilterEntry> pictureFilter()
{
    return {{QStringLiteral("GIF (*.gif)"), {QStringLiteral("*.gif")}},
            {QStringLiteral("JPEG (*.jpg;*.jpeg)"),
             {QStringLiteral("*.jpg"), QStringLiteral("*.jpeg")}},
            {QStringLiteral("PNG (*.png)"), {QStringLiteral("*.png")}}};
}

QString pickPicture(QWidget *parent)
{
    FileDialogs::Request request;
    request.filter = pictureFilter();
    const FileDialogs::Answer answer = FileDialogs::instance()->getOpenFileName(parent, request);
    if (!answer.accepted || answer.files.isEmpty())
        return {};
    return answer.files.first();
}

QString noProjectWarning()
{
    return QStringLiteral("A project catalog is not defined so the link for this image will point "
                          "to an image on you local machine!!");
}

QString noProsjectWarning()
{
    return QStringLiteral("A prosject catalog is not defined so the link for this image will point "
                          "to an image on you local machine!!");
}

namespace {

// The image folder name in use: trimmed; blank when the name could lead outside the project.
QString imageFolderName(const ProjectSettings &project)
{
    return imageFolderLeadsOutside(project.imageFolder) ? QString()
                                                        : Delphi::trim(project.imageFolder);
}

} // namespace

QString targetFolder(const ProjectSettings &project, Target target)
{
    QString root = project.projectFolder;
    while (root.size() > 1 && root.endsWith(u'/'))
        root.chop(1);
    const QString images = imageFolderName(project);
    if (target == Target::ProjectFolder || images.isEmpty())
        return root;
    return root + u'/' + images;
}

QString imagePath(const ProjectSettings &project, const QString &bareName)
{
    const QString images = imageFolderName(project);
    return images.isEmpty() ? bareName : images + u'/' + bareName;
}

bool copyFile(const QString &from, const QString &to, Existing existing, QString *error)
{
    const QFileInfo source(from);
    const QFileInfo target(to);
    if (target.exists() && source.exists()
        && source.canonicalFilePath() == target.canonicalFilePath())
        return true;
    if (target.exists() && existing == Existing::Keep) {
        if (error)
            *error = QStringLiteral("the file already exists");
        return false;
    }

    QFile in(from);
    if (!in.open(QIODevice::ReadOnly)) {
        if (error)
            *error = in.errorString();
        return false;
    }
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError) {
        if (error)
            *error = in.errorString();
        return false;
    }
    return SafeWrite::replaceFile(to, bytes, error);
}

QString run(QWidget *parent, const ProjectSettings &project, const QString &file,
            const Options &options)
{
    if (project.projectFolder.isEmpty()) {
        Prompter::instance()->messageBox(parent, QStringLiteral("WARNING!"), options.warningText,
                                         options.warningIcon ? Prompter::Warning : Prompter::NoIcon,
                                         Prompter::OkButton);
        return file;
    }

    const QString bareName = Delphi::extractFileName(file);
    const QString folder = targetFolder(project, options.target);
    QDir().mkdir(folder); // one level, as the project folder itself must exist; may exist already
    const QString target = folder + u'/' + bareName;
    QString reason;
    const bool kept = options.existing == Existing::Keep && QFileInfo::exists(target);
    if (!kept && !copyFile(file, target, options.existing, &reason)) {
        Prompter::instance()->messageBox(
            parent, QStringLiteral("WARNING!"),
            QStringLiteral("Could not copy \"%1\" to \"%2\": %3").arg(file, target, reason),
            Prompter::Warning, Prompter::OkButton);
    }
    return bareName;
}

} // namespace CopyToProjectFolder
