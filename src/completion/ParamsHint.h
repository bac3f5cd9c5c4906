#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class EditorAdapter;
class QTimer;

// A document's parameter hint ("scpParams"): a call tip under the caret line showing the
// parameters of a method, the current one highlighted. Its item list holds one item, the
// parameter list as quoted texts separated by ", " («"int a", " int b"»). It runs its execute
// handler when triggered: 400 ms after "(" is typed, at once by activate() (the shortcut, the
// member completion); while shown, again whenever the caret moves, and when the editor gets
// the keyboard back after losing it with the hint shown. The handler gives the current
// parameter's index, or -1 to close the hint.
class ParamsHint : public QObject
{
    Q_OBJECT
public:
    explicit ParamsHint(EditorAdapter *editor, QObject *parent = nullptr);

    QStringList ItemList;
    // The handler run on every trigger (scpParamsExecute).
    std::function<int()> OnExecute;

    // "(" was typed: the hint runs after the timer's interval.
    void triggerByCharacter();
    // Runs the handler now and shows or closes the hint.
    void activate();
    void hide();
    bool isShown() const;

    // The tip's text for an item (the parameters joined by ",") and where the parameter of
    // the given index lies in it (start -1 when there is no such parameter).
    static QString tipText(const QString &item, int index, int *start, int *length);

    static constexpr int TimerInterval = 400;

protected:
    // A tip that the editor closed because it lost the keyboard comes back with the keyboard.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<EditorAdapter> m_editor;
    QTimer *m_timer;
    bool m_shown = false;
    bool m_showOnFocus = false;
};
