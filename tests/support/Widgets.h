#pragma once

// Finding controls by component name and typing into them as a user does.
#include <QObject>
#include <QTest>
#include <QTreeWidget>
#include <QWidget>

// The child of parent named name; the test stops when there is none.
template <class T>
T *child(const QObject *parent, const char *name)
{
    T *found = parent ? parent->findChild<T *>(QLatin1String(name)) : nullptr;
    if (!found)
        qFatal("no child named %s", name);
    return found;
}

// Types text into widget key by key, delay milliseconds apart (a person types about 20-50 ms
// apart; 0: at once).
inline void typeInto(QWidget *widget, const QString &text, int delay = 0)
{
    QTest::keyClicks(widget, text, Qt::NoModifier, delay);
}

// Clicks the row of a list with the left button, on the row as it is drawn.
inline void clickRow(QTreeWidget *list, int row)
{
    QTreeWidgetItem *item = list->topLevelItem(row);
    QVERIFY2(item, "no such row");
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}
