#include "html/text/ImageTag.h"

#include "platform/DelphiStrings.h"

namespace BildeTag {

QString build(const BildeTagFields &f, const ProjectSettings &project)
{
    QString attributes;
    auto add = [&attributes](const char *name, const QString &value, const QString &shown) {
        if (!value.isEmpty())
            attributes += QLatin1Char(' ') + QLatin1String(name) + QStringLiteral("=\"") + shown
                + QLatin1Char('"');
    };
    const QString src =
        project.projectFolder.isEmpty() ? f.file : CopyToProjectFolder::imagePath(project, f.file);
    add("src", f.file, src);
    add("Height", f.height, f.height);
    add("Width", f.width, f.width);
    add("Name", f.name, f.name);
    add("Align", f.align, f.align);
    add("hspace", f.hspace, f.hspace);
    add("vspace", f.vspace, f.vspace);
    add("alt", f.alt, f.alt);
    add("usemap", f.usemap, QLatin1Char('#') + f.usemap);
    add("lowsrc", f.lowsrc, f.lowsrc);
    add("border", f.border, f.border);
    if (f.ismap)
        attributes += QStringLiteral(" ismap");
    return QStringLiteral("<img") + attributes + QLatin1Char('>');
}

ImgSize::Result pictureSize(const QString &fileName, quint16 &width, quint16 &height)
{
    const QString ext = Delphi::extractFileExt(fileName).toLower();
    if (ext == QLatin1String(".gif"))
        return ImgSize::GetGIFSize(fileName, width, height);
    if (ext == QLatin1String(".png"))
        return ImgSize::GetPNGSize(fileName, width, height);
    return ImgSize::GetJPGSize(fileName, width, height);
}

} // namespace BildeTag
