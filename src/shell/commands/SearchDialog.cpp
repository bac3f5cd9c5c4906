#include "shell/commands/SearchDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

SearchDialog::SearchDialog(Kind kind, QWidget *parent) : QDialog(parent), m_kind(kind)
{
    const bool replacing = kind == Replace;
    setObjectName(replacing ? QStringLiteral("ReplaceDialog1") : QStringLiteral("FindDialog1"));
    setWindowTitle(replacing ? QStringLiteral("Replace") : QStringLiteral("Find"));
    setModal(false);

    auto *fields = new QGridLayout;
    auto addField = [&](int row, const QString &caption, const QString &name) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(name);
        auto *label = new QLabel(caption, this);
        label->setBuddy(edit);
        fields->addWidget(label, row, 0);
        fields->addWidget(edit, row, 1);
        return edit;
    };
    m_findText = addField(0, QStringLiteral("Find what:"), QStringLiteral("FindText"));
    if (replacing)
        m_replaceText = addField(1, QStringLiteral("Replace with:"), QStringLiteral("ReplaceText"));

    m_wholeWord = new QCheckBox(QStringLiteral("Match whole word only"), this);
    m_wholeWord->setObjectName(QStringLiteral("WholeWord"));
    m_matchCase = new QCheckBox(QStringLiteral("Match case"), this);
    m_matchCase->setObjectName(QStringLiteral("MatchCase"));
    auto *checks = new QVBoxLayout;
    checks->addWidget(m_wholeWord);
    checks->addWidget(m_matchCase);
    auto *options = new QHBoxLayout;
    options->addLayout(checks);
    if (!replacing) {
        auto *direction = new QGroupBox(QStringLiteral("Direction"), this);
        direction->setObjectName(QStringLiteral("Direction"));
        m_up = new QRadioButton(QStringLiteral("Up"), direction);
        m_up->setObjectName(QStringLiteral("Up"));
        m_down = new QRadioButton(QStringLiteral("Down"), direction);
        m_down->setObjectName(QStringLiteral("Down"));
        m_down->setChecked(true);
        auto *directionLayout = new QHBoxLayout(direction);
        directionLayout->addWidget(m_up);
        directionLayout->addWidget(m_down);
        options->addWidget(direction);
    }

    auto *left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(options);
    left->addStretch(1);

    auto *buttons = new QVBoxLayout;
    auto addButton = [&](const QString &caption, const QString &name) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        buttons->addWidget(b);
        return b;
    };
    m_findNext = addButton(QStringLiteral("Find Next"), QStringLiteral("FindNextButton"));
    m_findNext->setDefault(true);
    connect(m_findNext, &QPushButton::clicked, this, &SearchDialog::FindNextClick);
    if (replacing) {
        m_replace = addButton(QStringLiteral("Replace"), QStringLiteral("ReplaceButton"));
        connect(m_replace, &QPushButton::clicked, this, &SearchDialog::ReplaceClick);
        m_replaceAllButton =
            addButton(QStringLiteral("Replace All"), QStringLiteral("ReplaceAllButton"));
        connect(m_replaceAllButton, &QPushButton::clicked, this, &SearchDialog::ReplaceAllClick);
    }
    QPushButton *cancel = addButton(QStringLiteral("Cancel"), QStringLiteral("CancelButton"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addStretch(1);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(m_findText, &QLineEdit::textChanged, this, &SearchDialog::updateButtons);
    updateButtons();
}

void SearchDialog::updateButtons()
{
    const bool any = !m_findText->text().isEmpty();
    for (QPushButton *b : {m_findNext, m_replace, m_replaceAllButton})
        if (b)
            b->setEnabled(any);
}

QString SearchDialog::findText() const
{
    return m_findText->text();
}
void SearchDialog::setFindText(const QString &text)
{
    m_findText->setText(text);
}
QString SearchDialog::replaceText() const
{
    return m_replaceText ? m_replaceText->text() : QString();
}
void SearchDialog::setReplaceText(const QString &text)
{
    if (m_replaceText)
        m_replaceText->setText(text);
}
bool SearchDialog::matchCase() const
{
    return m_matchCase->isChecked();
}
void SearchDialog::setMatchCase(bool on)
{
    m_matchCase->setChecked(on);
}
bool SearchDialog::wholeWord() const
{
    return m_wholeWord->isChecked();
}
void SearchDialog::setWholeWord(bool on)
{
    m_wholeWord->setChecked(on);
}
bool SearchDialog::down() const
{
    return !m_up || !m_up->isChecked();
}
void SearchDialog::setDown(bool down)
{
    if (m_up)
        (down ? m_down : m_up)->setChecked(true);
}

void SearchDialog::FindNextClick()
{
    m_replaceAll = false;
    emit find();
}

void SearchDialog::ReplaceClick()
{
    m_replaceAll = false;
    emit replace();
}

void SearchDialog::ReplaceAllClick()
{
    m_replaceAll = true;
    emit replace();
}
