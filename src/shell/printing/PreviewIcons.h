#pragma once

#include <QIcon>

// The print preview's button pictures, painted here so that the buttons are small pictures on
// every desktop (with no icon theme they would show their long hints as captions).
namespace PreviewIcons {

enum class Picture {
    Print,
    ZoomOut,
    ZoomIn,
    FullPage,
    FillWindow,
    FirstPage,
    PreviousPage,
    NextPage,
    LastPage
};

QIcon icon(Picture picture);

} // namespace PreviewIcons
