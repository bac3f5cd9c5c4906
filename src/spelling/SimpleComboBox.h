#pragma once

#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;

// A combo box whose list is always open under its edit line. Choosing an item puts it in
// the edit line; the edit line's text is the box's text.
class SimpleComboBox : public QWidget
{
    Q_OBJECT
public:
    explicit SimpleComboBox(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);
    QStringList items() const;
    void setItems(const QStringList &items);

    QLineEdit *lineEdit() const { return m_edit; }
    QListWidget *listWidget() const { return m_list; }

private:
    QLineEdit *m_edit;
    QListWidget *m_list;
};
