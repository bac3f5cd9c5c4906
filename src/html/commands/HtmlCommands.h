#pragma once

#include "html/commands/HtmlMenuLayout.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class EditorAdapter;
class FeatureHost;
class HostDocument;
class QAbstractButton;
class QAction;
class QMenu;
class QWidget;

// The main window's HTML commands: fills the "&Insert", "&Modify" and HTML "Tools" menus,
// owns the "Paste Code.." pop-up HTMLElement and the clock pop-up PopupMenu6, fills the HTML
// group of each document pop-up and the "HTML" tool tab. Every item and button runs a handler
// by name; the insert and wrapping handlers are rows of the insert command table and act on
// the active document. The handlers of other features (wizards, scripts, strip HTML) are
// provided by those features; until then their items and buttons are disabled.
//
// Made once the main menu stands; it fills the HTML submenus of each document window's pop-up
// ("Common1", "Spesiellebokstaver1", "Skjema1", "Plasser1", "Font2") as the window is created.
class HtmlCommands : public QObject
{
    Q_OBJECT
public:
    explicit HtmlCommands(FeatureHost &host, QObject *parent = nullptr);
    ~HtmlCommands() override;

    QMenu *HTMLElement() const { return m_htmlElement; }
    QMenu *PopupMenu6() const { return m_clockMenu; }
    QWidget *toolPanel() const { return m_toolPanel; }

    // Runs a handler ("Table1Click", "SpeedButton35Click", ...). An opener that needs a
    // document does nothing while none is open.
    void run(const QString &handler);

    // A feature provides its handler; the items and buttons bound to it are enabled.
    void provide(const QString &handler, std::function<void()> function);
    bool isAvailable(const QString &handler) const;

    // Fills a document window's HTML pop-up group. Its alignment and font items wrap the
    // selection of that window's editor; the other items run the main window's handlers.
    void fillDocumentPopup(HostDocument *document);

    // Opens menu with its top-left corner at the top-right corner of button.
    static void dropDown(QMenu *menu, QWidget *button);

private:
    void buildMainMenu(QMenu *menu, const HtmlMenuLayout::Item *items);
    void buildPopup(QMenu *menu, const HtmlMenuLayout::Item *items);
    void buildDocumentItems(HostDocument *document, QMenu *menu, const HtmlMenuLayout::Item *items);
    void buildToolPanel();
    void bindAction(QAction *action, const QString &handler);
    void bindButton(QAbstractButton *button, const QString &handler);
    void track(QObject *itemOrButton, const QString &handler);
    static void setObjectEnabled(QObject *itemOrButton, bool enabled);
    void enableBound(const QString &handler);

    FeatureHost *m_host;
    QMenu *m_htmlElement = nullptr;
    QMenu *m_clockMenu = nullptr;
    QWidget *m_toolPanel = nullptr;
    QHash<QString, QAction *> m_mainItems; // main-menu item of each insert handler
    QHash<QString, std::function<void()>> m_provided;
    QHash<QString, QList<QPointer<QObject>>> m_bound; // disabled items and buttons by handler
};
