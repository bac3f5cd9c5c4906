#include "spelling/SpellCheckUnit.h"

#include "spelling/SimpleComboBox.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

TSpellCheckFrm *SpellCheckFrm = nullptr;

TSpellCheckFrm::TSpellCheckFrm(QWidget *parent)
    : QDialog(parent,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                  | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("SpellCheckFrm"));
    setWindowTitle(QStringLiteral("Spell check"));
    setModal(true);
    setFixedSize(432, 243);

    lbUnknown = new QLabel(QStringLiteral("Unknown word:"), this);
    lbUnknown->setObjectName(QStringLiteral("lbUnknown"));
    lbUnknown->setGeometry(8, 8, 316, 16);
    editUnknown = new QLineEdit(this);
    editUnknown->setObjectName(QStringLiteral("editUnknown"));
    editUnknown->setGeometry(8, 26, 316, 24);
    lbUnknown->setBuddy(editUnknown);

    lbSuggestions = new QLabel(QStringLiteral("Suggestions:"), this);
    lbSuggestions->setObjectName(QStringLiteral("lbSuggestions"));
    lbSuggestions->setGeometry(8, 58, 316, 16);
    SuggestionsCombo = new SimpleComboBox(this);
    SuggestionsCombo->setObjectName(QStringLiteral("SuggestionsCombo"));
    SuggestionsCombo->setGeometry(8, 76, 316, 159);
    lbSuggestions->setBuddy(SuggestionsCombo);

    btnChange = addButton("btnChange", QStringLiteral("&Change"), mrOk, 26);
    btnIgnore = addButton("btnIgnore", QStringLiteral("&Ignore"), mrNo, 60);
    btnIgnoreAll = addButton("btnIgnoreAll", QStringLiteral("I&gnore All"), mrNoToAll, 94);
    btnAdd = addButton("btnAdd", QStringLiteral("&Add"), mrAll, 128);
    btnAbort = addButton("btnAbort", QStringLiteral("&Abort"), mrAbort, 211);

    // A double click on a suggestion takes it at once.
    connect(SuggestionsCombo->listWidget(), &QListWidget::itemDoubleClicked, btnChange,
            &QPushButton::click);

    setTabOrder(editUnknown, SuggestionsCombo);
    setTabOrder(SuggestionsCombo, btnChange);
    setTabOrder(btnChange, btnIgnore);
    setTabOrder(btnIgnore, btnIgnoreAll);
    setTabOrder(btnIgnoreAll, btnAdd);
    setTabOrder(btnAdd, btnAbort);
}

QPushButton *TSpellCheckFrm::addButton(const char *name, const QString &caption, int result,
                                       int top)
{
    auto *b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(336, top, 88, 26);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, result] { done(result); });
    return b;
}

void TSpellCheckFrm::prepare(const QString &word, const QStringList &suggestions)
{
    editUnknown->setText(word);
    SuggestionsCombo->setItems(suggestions);
    SuggestionsCombo->setText(suggestions.isEmpty() ? word : suggestions.first());
}

void TSpellCheckFrm::showEvent(QShowEvent *event)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    // The first control in the tab order, as in every dialog.
    editUnknown->setFocus();
    SuggestionsCombo->lineEdit()->selectAll();
    QDialog::showEvent(event);
}
