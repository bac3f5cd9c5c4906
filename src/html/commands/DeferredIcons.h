#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QAbstractButton;
class QWidget;

// Gives buttons their icons the first time their panel is shown. Reading a picture costs far
// more than making its button, and the panel of a hidden tab may never be looked at.
class DeferredIcons : public QObject
{
    Q_OBJECT
public:
    // Watches panel, and goes with it.
    explicit DeferredIcons(QWidget *panel);

    // button (on the panel) gets the icon of file when the panel is first shown.
    void add(QAbstractButton *button, const QString &file);
    // Whether the icons were given.
    bool loaded() const { return m_loaded; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void load();

    struct Pending {
        QPointer<QAbstractButton> button;
        QString file;
    };
    QList<Pending> m_pending;
    bool m_loaded = false;
};
