#pragma once

#include <QString>

// What the program remembers of a file it read or wrote, to notice when another program has
// changed it since: its modification time and size. A file that does not exist has no stamp.
struct FileStamp {
    bool exists = false;
    qint64 mtimeNs = 0;
    qint64 size = 0;

    static FileStamp of(const QString &fileName);

    bool operator==(const FileStamp &o) const
    {
        return exists == o.exists && mtimeNs == o.mtimeNs && size == o.size;
    }
    bool operator!=(const FileStamp &o) const { return !(*this == o); }
};
