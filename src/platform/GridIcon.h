#pragma once

#include <QIcon>

#include <functional>

class QPainter;

// An icon drawn in code: draw paints on a 16 x 16 grid (antialiased), which is scaled to the
// icon's 16 and 32 pixel sizes.
QIcon gridIcon(const std::function<void(QPainter &)> &draw);
