#pragma once

#include <QDialog>

class FeatureHost;
class QCheckBox;
class QListWidget;
class QPushButton;

// "Frames": OK writes the chosen frameset layout into a new HTML document and, on request,
// makes a new document for each frame page first, so the frameset document ends up active.
// Needs no open document.
class TFramesValgFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TFramesValgFrm(FeatureHost &host, QWidget *parent = nullptr);

    QListWidget *ListView1;
    QCheckBox *CheckBox1, *CheckBox2;
    QPushButton *Button1, *Button2, *Button3;

public slots:
    void Button1Click(); // OK
    void Button3Click(); // Help

private:
    // The page number for the layout's pages: drawn from the random numbers, and drawn again
    // while an open document's caption is one of the page names.
    int drawNumber(int layout, bool createPages) const;
    bool nameTaken(const QStringList &pageNames) const;

    FeatureHost &m_host;
};
