#include "TestFiles.h"
#include "html/text/ImgSize.h"

#include <QTemporaryDir>
#include <QtTest>

using ImgSize::Result;

Q_DECLARE_METATYPE(ImgSize::Result)

namespace {

QByteArray be16(int v)
{
    return QByteArray(1, char((v >> 8) & 0xFF)) + char(v & 0xFF);
}
QByteArray le16(int v)
{
    return QByteArray(1, char(v & 0xFF)) + char((v >> 8) & 0xFF);
}
QByteArray be32(quint32 v)
{
    return be16(int(v >> 16)) + be16(int(v & 0xFFFF));
}

// A segment: marker, length (counting itself) and payload.
QByteArray segment(quint8 marker, const QByteArray &payload)
{
    return QByteArray("\xFF") + char(marker) + be16(payload.size() + 2) + payload;
}

QByteArray frame(quint8 marker, int width, int height)
{
    return segment(marker,
                   QByteArray("\x08") + be16(height) + be16(width)
                       + QByteArray("\x03\x01\x22\x00", 4));
}

const QByteArray soi("\xFF\xD8", 2);
const QByteArray app0 = segment(0xE0, QByteArray("JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 14));

QByteArray png(quint32 width, quint32 height)
{
    return QByteArray("\x89PNG\r\n\x1A\n", 8) + be32(13) + "IHDR" + be32(width) + be32(height)
        + QByteArray("\x08\x02\0\0\0", 5) + be32(0);
}

QByteArray gif(const char *signature, quint8 flags, const QByteArray &afterTable, int tableEntries)
{
    QByteArray g = QByteArray(signature) + le16(999) + le16(888) + char(flags) + '\0' + '\0';
    g += QByteArray(3 * tableEntries, '\x11');
    return g + afterTable;
}

QByteArray imageDescriptor(int width, int height)
{
    return QByteArray(",") + le16(0) + le16(0) + le16(width) + le16(height) + '\0';
}

} // namespace

class TestImgSize : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_counter = 0;

    QString write(const QByteArray &bytes, const QString &ext)
    {
        const QString name = m_dir.filePath(QStringLiteral("pic%1.%2").arg(++m_counter).arg(ext));
        return TestFiles::write(name, bytes) ? name : QString();
    }

private slots:
    void readers_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Result>("result");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");

        const auto measured = [](const char *name, const char *format, const QByteArray &bytes,
                                 int width, int height) {
            QTest::newRow(name) << QString(format) << bytes << Result::Measured << width << height;
        };
        // Unmeasured JPEG and PNG keep the caller's 111 x 222; GIF always starts from 0 x 0.
        const auto noSize = [](const char *name, const char *format, const QByteArray &bytes) {
            const bool gif = qstrcmp(format, "gif") == 0;
            QTest::newRow(name) << QString(format) << bytes << Result::NoSize << (gif ? 0 : 111)
                                << (gif ? 0 : 222);
        };
        measured("jpeg baseline", "jpg", soi + app0 + frame(0xC0, 640, 480), 640, 480);
        measured("jpeg progressive, fill bytes", "jpg",
                 soi + app0.left(1) + QByteArray(3, '\xFF') + app0.mid(1)
                     + QByteArray("\xFF\xFF\xFF", 3) + frame(0xC2, 300, 200).mid(1),
                 300, 200);
        measured("jpeg restart marker before frame", "jpg",
                 soi + QByteArray("\xFF\xD3", 2) + frame(0xC0, 12, 34), 12, 34);
        noSize("jpeg lossless frame", "jpg", soi + frame(0xC3, 64, 64));
        noSize("jpeg segment not followed by marker", "jpg",
               soi + app0 + QByteArray("\x00", 1) + frame(0xC0, 5, 5));
        noSize("jpeg truncated in frame", "jpg", soi + app0 + frame(0xC0, 640, 480).left(8));
        noSize("jpeg truncated in segment", "jpg", soi + app0.left(10));
        noSize("jpeg zero segment length", "jpg",
               soi + QByteArray("\xFF\xE1\x00\x00", 4) + frame(0xC0, 5, 5));
        noSize("png named jpeg", "jpg", png(10, 20));

        measured("png", "png", png(800, 600), 800, 600);
        measured("png 70000 wide", "png", png(70000, 3), 4464, 3);
        noSize("jpeg named png", "png", soi + frame(0xC0, 1, 2));
        noSize("png truncated in height", "png", png(800, 600).left(23));

        measured("gif with colour table", "gif", gif("GIF89a", 0x81, imageDescriptor(320, 240), 4),
                 320, 240);
        measured("gif with colour table holding 2C bytes", "gif",
                 gif("GIF89a", 0x80, imageDescriptor(7, 9), 0).insert(13, QByteArray(6, ',')), 7,
                 9);
        measured("gif without colour table", "gif", gif("GIF87a", 0x00, imageDescriptor(16, 17), 0),
                 16, 17);
        measured("gif separator inside extension taken", "gif",
                 gif("GIF89a", 0x00,
                     QByteArray("\x21\xFE\x01,", 4) + le16(1) + le16(2) + le16(3) + le16(4) + '\0'
                         + imageDescriptor(50, 60),
                     0),
                 3, 4);
        noSize("gif lower-case signature", "gif", gif("gif89a", 0x00, imageDescriptor(16, 17), 0));
        noSize("gif truncated colour table", "gif", gif("GIF89a", 0x87, QByteArray(), 100));
        noSize("gif truncated descriptor", "gif",
               gif("GIF89a", 0x00, imageDescriptor(16, 17).left(9), 0));
        noSize("gif without image", "gif", gif("GIF89a", 0x00, QByteArray(";"), 0));
        noSize("gif short header", "gif", QByteArray("GIF89a\x01\x00", 8));
    }

    void readers()
    {
        QFETCH(QString, format);
        QFETCH(QByteArray, bytes);
        QFETCH(Result, result);
        QFETCH(int, width);
        QFETCH(int, height);

        const QString name = write(bytes, format);
        quint16 w = 111;
        quint16 h = 222;
        Result r = Result::OpenFailed;
        if (format == QLatin1String("jpg"))
            r = ImgSize::GetJPGSize(name, w, h);
        else if (format == QLatin1String("png"))
            r = ImgSize::GetPNGSize(name, w, h);
        else
            r = ImgSize::GetGIFSize(name, w, h);
        QCOMPARE(r, result);
        QCOMPARE(int(w), width);
        QCOMPARE(int(h), height);
    }

    void missingFiles()
    {
        const QString missing = m_dir.filePath(QStringLiteral("none.jpg"));
        quint16 w = 5;
        quint16 h = 6;
        QCOMPARE(ImgSize::GetJPGSize(missing, w, h), Result::OpenFailed);
        QCOMPARE(ImgSize::GetPNGSize(missing, w, h), Result::OpenFailed);
        QCOMPARE(w, quint16(5));
        QCOMPARE(h, quint16(6));
        QCOMPARE(ImgSize::GetGIFSize(missing, w, h), Result::OpenFailed);
        QCOMPARE(w, quint16(0));
        w = h = 9;
        QCOMPARE(ImgSize::GetGIFSize(QString(), w, h), Result::NoSize);
        QCOMPARE(h, quint16(0));
    }
};

QTEST_GUILESS_MAIN(TestImgSize)
#include "tst_imgsize.moc"
