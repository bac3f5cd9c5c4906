#pragma once

#include <QObject>
#include <QStringList>

class QAction;
class QMenu;

// The language items of the two "Custom language document" submenus (File, New and the
// new-document pop-up). Both hold the same items at the same places: the languages, newest
// first, above the designed "(empty)" item, a separator and "Define new custom language..".
// A language item's caption is the name (with "&" doubled) and its data the name itself;
// its click asks for a new document of the language.
class CustomLanguageMenus : public QObject
{
    Q_OBJECT
public:
    CustomLanguageMenus(QMenu *fileNewMenu, QMenu *popupMenu, QObject *parent = nullptr);

    // Start-up: one item per language of the table of contents whose file exists, so that the
    // last of the table stands first. A name listed already (without regard to case) is
    // skipped. The "(empty)" items show only when the table names no language.
    void LoadCustomLanglistFromFile();
    // A new language at the top of both submenus.
    void addLanguage(const QString &name);
    // The items of name (without regard to case) leave both submenus.
    void removeLanguage(const QString &name);
    // The "(empty)" items show while the submenus hold no language.
    void updateEmptyItems();

    // The language names of the File, New submenu, top first.
    QStringList languages() const;
    static QString nameOf(const QAction *item); // empty for a designed item

signals:
    void languageChosen(const QString &name);

private:
    void insertItem(QMenu *menu, const QString &name);
    void setEmptyVisible(bool visible);

    QMenu *m_menus[2];
};
