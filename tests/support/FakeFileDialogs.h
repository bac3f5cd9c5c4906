#pragma once

#include "platform/FileDialogs.h"

#include <QList>

// Records every dialog request and answers from queues; an empty queue cancels.
class FakeFileDialogs : public FileDialogs
{
public:
    enum Kind { Open, Save, Folder, Color, Font, PrintSetup, Print, PageSetup };
    struct Call {
        Kind kind;
        Request request; // caption and initialDir also for the folder dialog
    };

    FakeFileDialogs();
    ~FakeFileDialogs() override;

    Answer getOpenFileName(QWidget *parent, const Request &req) override;
    Answer getSaveFileName(QWidget *parent, const Request &req) override;
    QString getExistingDirectory(QWidget *parent, const QString &caption,
                                 const QString &dir) override;
    bool getColor(QWidget *parent, QColor &color) override;
    bool getFont(QWidget *parent, QFont &font) override;
    bool printSetup(QWidget *parent) override;
    bool printDialog(QWidget *parent) override;
    bool pageSetup(QWidget *parent) override;

    // Queues an accepted answer naming files.
    void answerFiles(const QStringList &files, int filterIndex = 1);

    QList<Call> calls;
    QList<Answer> fileAnswers; // open and save dialogs
    QStringList folderAnswers;
    QList<QColor> colorAnswers;
    QList<QFont> fontAnswers;
    bool printSetupResult = true;
    bool printResult = true;     // the print dialog's answer
    bool pageSetupResult = true; // the page set-up dialog's answer

private:
    FileDialogs *m_previous;
};
