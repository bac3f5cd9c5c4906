#pragma once

#include "html/text/CopyToProjectFolder.h"
#include "html/text/ImgSize.h"

#include <QString>

// BildeTag (unit BildeTag):
// The texts of the image tag wizard's fields, as typed.
struct BildeTagFields {
    QString file;   // Edit1
    QString height; // Height1
    QString width;  // Width1
    QString name;   // Edit8
    QString align;  // ComboBox1
    QString hspace; // Edit4
    QString vspace; // Edit5
    QString alt;    // Edit6
    QString usemap; // Edit7, without the "#"
    QString lowsrc; // Edit9
    QString border; // SpinEdit1
    bool ismap = false;
};

namespace BildeTag {

// "<img" + every non-empty field as ` Attr="value"` in the wizard's fixed order + " ismap" + ">".
// With a project the src names the picture inside the image folder.
QString build(const BildeTagFields &fields, const ProjectSettings &project);

// Measures a picture with the reader its lower-cased extension selects: ".gif" GIF, ".png" PNG,
// anything else JPEG.
ImgSize::Result pictureSize(const QString &fileName, quint16 &width, quint16 &height);

} // namespace BildeTag
