// Settings files read through the INI source: binary values however they are spelt (escapes,
// quotes, continued lines) arrive as text, a point and every ordinary value arrive unchanged.
#include "core/IniSource.h"

#include <QFile>
#include <QPointF>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{
QString Write(const QTemporaryDir& dir, const QByteArray& text)
{
    static int counter = 0;
    const QString path = dir.filePath(QStringLiteral("f%1.ini").arg(++counter));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return {};
    return path;
}
}  // namespace

TEST(IniSource, BinaryValuesInAnySpellingReadAsText)
{
    QTemporaryDir dir;
    // A list of 2^31 − 1 entries: decoded, the reader would have to allocate for it.
    const char* const payload = "\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)";
    const QByteArray spellings[] = {
        QByteArray("@Variant(") + payload,
        QByteArray("@Vari\\\nant(") + payload,          // a continued line
        QByteArray("@Vari\\\r\nant(") + payload,        // the same with CR LF
        QByteArray("\\x40Variant(") + payload,          // "@" as a hex escape
        QByteArray("\\x10040Variant(") + payload,       // … with digits beyond 16 bits
        QByteArray("\\100Variant(") + payload,          // … as an octal escape
        QByteArray("@\\x56ariant(") + payload,          // a letter of the name escaped
        QByteArray("\"@Variant(") + payload + "\"",     // quoted
        QByteArray("a, @Variant(") + payload,           // inside a list
        QByteArray("@DateTime(\\0\\0\\0\\x7f)"),
    };
    for (const QByteArray& value : spellings)
    {
        const QString path = Write(dir, "[g]\nk=" + value + "\nj=7\n");
        const CIniSource source(path, 4096);
        ASSERT_EQ(source.Problem(), CIniSource::eNONE) << value.constData();
        QSettings ini(source.Path(), QSettings::IniFormat);
        const QVariant v = ini.value("g/k");
        EXPECT_TRUE(v.typeId() == QMetaType::QString || v.typeId() == QMetaType::QStringList)
            << value.constData() << " read as " << v.typeName();
        EXPECT_EQ(ini.value("g/j").toInt(), 7) << value.constData();
    }
}

TEST(IniSource, OrdinaryFilesAndPointsPassUnchanged)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("written.ini");
    {
        QSettings ini(path, QSettings::IniFormat);
        ini.setValue("g/point", QPointF(0.25, 10.0));
        ini.setValue("g/path", QStringLiteral("/a\\b@c/\"d\"\n"));
        ini.setValue("g/at", QStringLiteral("@start"));
        ini.setValue("g/bytes", QByteArray("\0\x40\xff", 3));
    }
    const CIniSource source(path, 4096);
    EXPECT_EQ(source.Path(), path); // nothing to neutralise: the file itself is read
    QSettings ini(source.Path(), QSettings::IniFormat);
    EXPECT_EQ(ini.value("g/point").toPointF(), QPointF(0.25, 10.0));
    EXPECT_EQ(ini.value("g/path").toString(), QStringLiteral("/a\\b@c/\"d\"\n"));
    EXPECT_EQ(ini.value("g/at").toString(), QStringLiteral("@start"));
    EXPECT_EQ(ini.value("g/bytes").toByteArray(), QByteArray("\0\x40\xff", 3));

    // Not regular files, and files beyond the size limit, are not read at all.
    EXPECT_EQ(CIniSource(dir.path(), 4096).Problem(), CIniSource::eUNREADABLE);
    EXPECT_EQ(CIniSource("/dev/zero", 4096).Problem(), CIniSource::eUNREADABLE);
    EXPECT_EQ(CIniSource(path, 8).Problem(), CIniSource::eTOO_LARGE);
    EXPECT_EQ(CIniSource(path, 8).Path(), QStringLiteral("/dev/null"));
    // A private copy on request, with the same text.
    const CIniSource copy(path, 4096, true);
    EXPECT_NE(copy.Path(), path);
    EXPECT_EQ(QSettings(copy.Path(), QSettings::IniFormat).value("g/at").toString(), QStringLiteral("@start"));
}
