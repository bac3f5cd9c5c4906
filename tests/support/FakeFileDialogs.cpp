#include "FakeFileDialogs.h"

#include <QPrinter>

FakeFileDialogs::FakeFileDialogs() : m_previous(FileDialogs::instance())
{
    FileDialogs::setInstance(this);
}

FakeFileDialogs::~FakeFileDialogs()
{
    FileDialogs::setInstance(m_previous);
}

void FakeFileDialogs::answerFiles(const QStringList &files, int filterIndex)
{
    fileAnswers.append({true, files, filterIndex});
}

FileDialogs::Answer FakeFileDialogs::getOpenFileName(QWidget *, const Request &req)
{
    calls.append({Open, req});
    return fileAnswers.isEmpty() ? Answer {false, {}, req.filterIndex} : fileAnswers.takeFirst();
}

FileDialogs::Answer FakeFileDialogs::getSaveFileName(QWidget *, const Request &req)
{
    calls.append({Save, req});
    return fileAnswers.isEmpty() ? Answer {false, {}, req.filterIndex} : fileAnswers.takeFirst();
}

QString FakeFileDialogs::getExistingDirectory(QWidget *, const QString &caption, const QString &dir)
{
    Request req;
    req.caption = caption;
    req.initialDir = dir;
    calls.append({Folder, req});
    return folderAnswers.isEmpty() ? QString() : folderAnswers.takeFirst();
}

bool FakeFileDialogs::getColor(QWidget *, QColor &color)
{
    calls.append(Call {Color, Request()});
    if (colorAnswers.isEmpty())
        return false;
    color = colorAnswers.takeFirst();
    return true;
}

bool FakeFileDialogs::getFont(QWidget *, QFont &font)
{
    calls.append(Call {Font, Request()});
    if (fontAnswers.isEmpty())
        return false;
    font = fontAnswers.takeFirst();
    return true;
}

bool FakeFileDialogs::printSetup(QWidget *)
{
    calls.append(Call {PrintSetup, Request()});
    return printSetupResult;
}

bool FakeFileDialogs::printDialog(QWidget *, int pageCount, bool hasSelection)
{
    calls.append(Call {Print, Request(), pageCount, hasSelection});
    printer()->setPrintRange(QPrinter::AllPages);
    printer()->setPageRanges(QPageRanges());
    if (printResult && printChoice)
        printChoice(printer());
    return printResult;
}

bool FakeFileDialogs::pageSetup(QWidget *)
{
    calls.append(Call {PageSetup, Request()});
    return pageSetupResult;
}
