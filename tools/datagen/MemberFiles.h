#pragma once

#include <QString>
#include <QStringList>

// Makes the class member files of "completion/" with the JDK's javap: one file per class
// ("String.cmp"), one member a line, and "toc.cmp" listing the classes in the given order.
class MemberFiles
{
public:
    struct Figures {
        int classes = 0;     // member files written
        int memberLines = 0; // lines in them
        int classesRead = 0; // classes javap described, superclasses included
        int javapRuns = 0;
        QStringList notFound; // listed classes or superclasses javap did not know
    };

    // The qualified names of a class list file: one a line; blank lines and "#" lines skipped.
    static QStringList readClassList(const QString &fileName, QString *error);

    // Runs javap over the classes and their superclasses and writes the files into
    // completionFolder, which it owns: every ".cmp" file there is replaced.
    static bool generate(const QString &javap, const QStringList &classNames,
                         const QString &completionFolder, Figures &figures, QString *error);
};
