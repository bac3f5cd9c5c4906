#pragma once

#include "host/FeatureHost.h"

class TMainForm;

// The main window as the features' host.
class MainWindowHost : public FeatureHost
{
    Q_OBJECT
public:
    explicit MainWindowHost(TMainForm &main);

    QWidget *window() const override;
    ActionRegistry &actions() override;
    AppSettings &settings() override;
    HostDocument *activeDocument() const override;
    QList<HostDocument *> documents() const override;
    void insertText(const QString &text) override;
    HostDocument *makeDocument(const QString &name, const QString &text) override;
    HostDocument *makeHtmlDocument(const QString &text, int caretLine) override;
    QList<FileFilterEntry> fileFilter() override;
    int explorerFilterIndex() const override;
    QString explorerMask() const override;
    void openFile(const QString &fileName) override;
    QString workingFolder() const override;
    void setWorkingFolder(const QString &folder) override;
    QWidget *page(Page page) const override;
    void addToPage(Page page, QWidget *widget, int index = -1) override;
    void showPage(Page page, bool current) override;
    ProjectSettings project() const override;
    void setProject(const ProjectSettings &project) override;

private:
    TMainForm &m_main;
};
