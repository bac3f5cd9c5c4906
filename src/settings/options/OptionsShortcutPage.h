#pragma once

#include <QStringList>
#include <QWidget>

#include <functional>

class AppSettings;
class QDialog;
class QPushButton;
class QTreeWidget;

// The Options dialog's "Shortcuts" page: the rows of the shortcut table with their shortcut
// texts, changed one at a time through "Change shortcut". The texts are kept as entered
// (trimmed); the main window converts them when the table is applied.
class OptionsShortcutPage : public QWidget
{
    Q_OBJECT
public:
    using ExecDialog = std::function<int(QDialog &)>;

    // exec shows the modal "Change shortcut" dialog (tests answer it).
    explicit OptionsShortcutPage(ExecDialog exec, QWidget *parent = nullptr);

    // The rows, with the "Shortcuts" texts (each row's default when there is none).
    void LoadShortcuts(const AppSettings &settings);
    // Lays the saved table over the rows once it has been saved ("DefaultList" false).
    void LoadShortcutList(const AppSettings &settings);
    // Writes "DefaultList" false and every row's text, trimmed.
    void UpdateShortcutList(AppSettings &settings) const;

    // The shortcut cell of every row, in order.
    QStringList shortcutTexts() const;

    QTreeWidget *LbShortcutList;
    QPushButton *Button7; // "Change.."

signals:
    // The change dialog was confirmed with OK (also when its text was then refused).
    void shortcutConfirmed();

public slots:
    void Button7Click();
    void LbShortcutListDblClick();

private:
    ExecDialog m_exec;
};
