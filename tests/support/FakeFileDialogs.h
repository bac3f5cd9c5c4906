#pragma once

#include "platform/FileDialogs.h"

#include <QList>

#include <functional>

// Records every dialog request and answers from queues; an empty queue cancels.
class FakeFileDialogs : public FileDialogs
{
public:
    enum Kind { Open, Save, Folder, Color, Font, PrintSetup, Print, PageSetup };
    struct Call {
        Kind kind;
        Request request;   // caption and initialDir also for the folder dialog
        int pageCount = 0; // the print dialog's pages and selection
        bool hasSelection = false;
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
    // Starts the printer at all pages, then applies printChoice (the user's choice) on OK.
    bool printDialog(QWidget *parent, int pageCount, bool hasSelection) override;
    bool pageSetup(QWidget *parent) override;

    // Queues an accepted answer naming files.
    void answerFiles(const QStringList &files, int filterIndex = 1);

    QList<Call> calls;
    QList<Answer> fileAnswers; // open and save dialogs
    QStringList folderAnswers;
    QList<QColor> colorAnswers;
    QList<QFont> fontAnswers;
    bool printSetupResult = true;
    bool printResult = true; // the print dialog's answer
    std::function<void(QPrinter *)> printChoice;
    bool pageSetupResult = true; // the page set-up dialog's answer

private:
    FileDialogs *m_previous;
};
