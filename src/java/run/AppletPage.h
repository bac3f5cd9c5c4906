#pragma once

#include <QString>

// The page the applet viewer is given: one applet tag naming the document's class, written
// beside the class. It never replaces a file of the user: when "tmp.htm" exists the page
// takes the first free name of "tmp1.htm", "tmp2.htm", ... The page is removed again when
// this object is destroyed (or by remove()).
class AppletPage
{
public:
    AppletPage() = default;
    ~AppletPage();
    AppletPage(const AppletPage &) = delete;
    AppletPage &operator=(const AppletPage &) = delete;

    // The page's text for a class file name such as "Hello.class", ended by CR LF.
    static QString text(const QString &classFileName);
    // The class file name of a document: its bare file name with the extension ".class".
    static QString classFileName(const QString &documentFileName);

    // Writes the page for classFileName into folder. Returns false with the system's
    // reason in error when no page could be written.
    bool write(const QString &folder, const QString &classFileName, QString *error = nullptr);

    // The full path of the written page; empty before write() and after remove().
    QString fileName() const { return m_fileName; }

    // Deletes the page (once).
    void remove();

private:
    QString m_fileName;
};
