#include "spelling/SimpleComboBox.h"

#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

SimpleComboBox::SimpleComboBox(QWidget *parent)
    : QWidget(parent), m_edit(new QLineEdit(this)), m_list(new QListWidget(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_edit);
    layout->addWidget(m_list, 1);
    setFocusProxy(m_edit);
    m_list->setFocusPolicy(Qt::ClickFocus);
    connect(m_list, &QListWidget::currentTextChanged, this, [this](const QString &t) {
        if (!t.isEmpty())
            m_edit->setText(t);
    });
}

QString SimpleComboBox::text() const
{
    return m_edit->text();
}

void SimpleComboBox::setText(const QString &text)
{
    m_edit->setText(text);
}

QStringList SimpleComboBox::items() const
{
    QStringList out;
    for (int i = 0; i < m_list->count(); ++i)
        out.append(m_list->item(i)->text());
    return out;
}

void SimpleComboBox::setItems(const QStringList &items)
{
    const QString keep = m_edit->text();
    m_list->clear();
    m_list->addItems(items);
    m_edit->setText(keep);
}
