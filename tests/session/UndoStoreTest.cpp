// Undo points: numbering and renumbering, the pictures of a point, the timeline title and icon,
// Undo and Redo over points made from each other, and histories read back from damaged data.
#include "core/FileTree.h"
#include "core/StillImage.h"
#include "session/UndoPicture.h"
#include "session/UndoStore.h"
#include "tests/session/SessionTestUtil.h"
#include "tests/support/InvariantCheck.h"

namespace
{
using SessionTest::ReadFile;
using SessionTest::WriteFile;

// A "snapshot" is a file holding a state number; loading one sets the state.
class UndoStore : public ::testing::Test
{
protected:
    bool Point()
    {
        const auto write = [this](const QString& file) { return WriteFile(file, QByteArray::number(m_iState)); };
        return m_store.SavePoint(write, m_picture.data(), QSize(16, 12), 300, 0);
    }
    CUndoStore::FLoadSnapshot Loader()
    {
        return [this](const QString& file) {
            const QByteArray state = ReadFile(file);
            m_iState = state.isEmpty() ? m_iState : state.toInt();
            return !state.isEmpty();
        };
    }
    int StateIn(int index) const
    {
        const QByteArray state = ReadFile(m_store.SnapshotFile(index));
        return state.isEmpty() ? -1 : state.toInt();
    }
    void Change(int state)
    {
        m_iState = state;
        m_store.CountChange();
    }

    QTemporaryDir m_dir;
    CUndoStore m_store{m_dir.path()};
    int m_iState = 0;
    const std::vector<uint16_t> m_picture = TestImages::Ramp(16, 12);
};
}  // namespace

TEST_F(UndoStore, DeletingTheFirstOfThreeRenumbersTheRest)
{
    for (int state : {10, 20, 30})
    {
        m_iState = state;
        ASSERT_TRUE(Point());
    }
    ASSERT_TRUE(m_store.SetNote(2, "dritter"));
    EXPECT_EQ(m_store.Counter(), 2);
    ASSERT_TRUE(m_store.Delete(0));
    EXPECT_EQ(m_store.Counter(), 1);
    EXPECT_EQ(StateIn(0), 20);
    EXPECT_EQ(StateIn(1), 30);
    EXPECT_FALSE(QFileInfo::exists(m_store.Folder(2)));
    EXPECT_EQ(m_store.Entries()[1].sLabel, QStringLiteral("dritter"));
    EXPECT_EQ(QSettings(m_store.Folder(1) + "/datetime.ini", QSettings::IniFormat).value("datetime").toString(),
              QStringLiteral("dritter"));
    // The second was made from the deleted first: it now starts the history.
    EXPECT_EQ(m_store.Entries()[0].iParent, -1);
    EXPECT_EQ(m_store.Entries()[1].iParent, 0);
    EXPECT_EQ(m_store.Current(), 1);
}

TEST_F(UndoStore, IconNamesFollowTheCounter)
{
    const std::pair<int, const char*> cases[] = {{-1, "UndoLaden"},  {0, "UndoLaden01"},  {1, "UndoLaden02"},
                                                 {8, "UndoLaden09"}, {9, "UndoLaden10"},  {10, "UndoLaden10p"},
                                                 {57, "UndoLaden10p"}};
    for (const auto& [counter, name] : cases)
        EXPECT_EQ(CUndoStore::IconName(counter), QLatin1String(name)) << counter;
}

TEST_F(UndoStore, PointPicturesAndTitle)
{
    EXPECT_EQ(UndoPicture::FittedSize(QSize(4000, 3000), QSize(640, 480)), QSize(640, 480));
    EXPECT_EQ(UndoPicture::FittedSize(QSize(320, 200), QSize(640, 480)), QSize(320, 200)); // never enlarged
    // 1000 × 300 on a 1920-pixel screen: a 640 × 480 box, the picture 640 × 192 in its middle.

    const std::vector<uint16_t> result(size_t(1000) * 300 * 3, 0xffff);
    ASSERT_TRUE(m_store.SavePoint([](const QString&) { return true; }, result.data(), QSize(1000, 300), 1920, 0x102030));
    EXPECT_EQ(QFileInfo(m_store.Folder(0) + "/undo.dat").size(), 115200);
    Helper::CRGB48Buffer box;
    QString error;
    ASSERT_TRUE(StillImage::Load(m_store.Folder(0) + "/undo.png", box, error)) << error.toStdString();
    ASSERT_EQ(box.GetSize(), QSize(640, 480));
    const uint16_t* p = box.GetData();
    const auto pixel = [&](int x, int y) { return p + (size_t(y) * 640 + x) * 3; };
    // An 8-bit picture read back: background bytes widened × 257, white inside.
    EXPECT_EQ(pixel(320, 143)[0], 0x10 * 257);
    EXPECT_EQ(pixel(320, 143)[2], 0x30 * 257);
    EXPECT_EQ(pixel(320, 144)[1], 0xffff);
    EXPECT_EQ(pixel(320, 335)[1], 0xffff);
    EXPECT_EQ(pixel(320, 336)[1], 0x20 * 257);
    EXPECT_TRUE(m_store.Tooltip(0).startsWith("<img src = '" + m_store.Folder(0) + "/undo.png'><H3>"));

    const QString one = m_store.Title("Timeline Window");
    EXPECT_TRUE(one.startsWith("Timeline Window - 1 Undo-Eintrag - ")) << one.toStdString();
    EXPECT_TRUE(one.contains(" GB (") && one.endsWith(" GB verfügbar)")) << one.toStdString();
    ASSERT_TRUE(Point());
    EXPECT_TRUE(m_store.Title("T").startsWith("T - 2 Undo-Einträge")) << m_store.Title("T").toStdString();
}

TEST_F(UndoStore, UndoReturnsToWhereAPointCameFromAndRedoGoesForward)
{
    m_iState = 1;
    ASSERT_TRUE(Point()); // 0: state 1
    Change(2);
    ASSERT_TRUE(Point()); // 1: state 2, made from 0
    EXPECT_FALSE(m_store.CanRedo());
    ASSERT_TRUE(m_store.CanUndo());

    // Undo with a change not recorded yet keeps it as a point of its own first.
    Change(3);
    Change(3);
    const auto saveFirst = [this] { return Point(); };
    ASSERT_TRUE(m_store.Undo(Loader(), saveFirst));
    EXPECT_EQ(m_iState, 2);
    EXPECT_EQ(m_store.Counter(), 2);
    ASSERT_TRUE(m_store.Undo(Loader(), saveFirst));
    EXPECT_EQ(m_iState, 1);
    EXPECT_FALSE(m_store.CanUndo());

    // A new branch from state 1: Redo follows the newest branch, Undo comes back to 1.
    Change(4);
    ASSERT_TRUE(Point()); // 3: state 4, made from 0
    ASSERT_TRUE(m_store.Undo(Loader(), saveFirst));
    EXPECT_EQ(m_iState, 1);
    ASSERT_TRUE(m_store.Redo(Loader()));
    EXPECT_EQ(m_iState, 4);
    EXPECT_FALSE(m_store.CanRedo());

    // The timeline's load button: after more than three changes the state is kept first.
    for (int i = 0; i < 2; ++i)
        Change(5);
    ASSERT_TRUE(m_store.LoadPoint(1, Loader(), saveFirst));
    EXPECT_EQ(m_store.Counter(), 4);
    EXPECT_EQ(StateIn(4), 5);
    EXPECT_EQ(m_iState, 2);
    EXPECT_EQ(m_store.Current(), 1);
    EXPECT_FALSE(m_store.LoadPoint(9, Loader())); // no such point: nothing happens
    EXPECT_EQ(m_iState, 2);
}

TEST_F(UndoStore, HistoryIsReadFromWhatADataFolderHolds)
{
    for (int state : {1, 2, 3, 4})
    {
        m_iState = state;
        ASSERT_TRUE(Point());
    }
    QTemporaryDir data;
    ASSERT_TRUE(m_store.CopyTo(data.path()));
    // Damage: a short thumbnail, a thumbnail that is a folder, a missing level, garbage labels,
    // a level far above what exists, and a link among the levels.
    ASSERT_TRUE(WriteFile(data.path() + "/temp0/undo.dat", QByteArray(10, '\x7f')));
    ASSERT_TRUE(QFile::remove(data.path() + "/temp1/undo.dat"));
    ASSERT_TRUE(QDir().mkpath(data.path() + "/temp1/undo.dat"));
    ASSERT_TRUE(Helper::RemoveTree(data.path() + "/temp2"));
    ASSERT_TRUE(WriteFile(data.path() + "/temp3/datetime.ini",
                          QByteArray("\0\xff[[[=\n@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)", 40)));
    ASSERT_TRUE(QFile::link(m_dir.path(), data.path() + "/temp4"));
    QSettings(data.path() + "/timeline.ini", QSettings::IniFormat).setValue("undolevel", 2147483647);

    CInvariantCheck outside;
    outside.WatchFolder(m_dir.path());
    QTemporaryDir user;
    CUndoStore restored(user.path());
    restored.RestoreFrom(data.path());
    ASSERT_EQ(restored.Entries().size(), 3u); // temp0, temp1, temp3; the gap closes
    EXPECT_EQ(restored.Entries()[0].thumbnail[0], 0x7f7f);
    EXPECT_EQ(restored.Entries()[0].thumbnail[5], 0); // zero-filled after the short file
    EXPECT_EQ(restored.Entries()[1].thumbnail, std::vector<uint16_t>(57600, 0));
    EXPECT_EQ(restored.Entries()[2].sLabel, QString());
    EXPECT_EQ(restored.Entries()[2].iParent, -1); // its parent (the missing level) is gone
    EXPECT_EQ(ReadFile(restored.SnapshotFile(2)), "4");
    EXPECT_TRUE(outside.Violations().isEmpty()) << outside.Violations().join("\n").toStdString();
}

TEST_F(UndoStore, CleanUpRemovesPointFoldersButNotWhatLinksLeadTo)
{
    ASSERT_TRUE(Point());
    ASSERT_TRUE(Point());
    QTemporaryDir elsewhere;
    ASSERT_TRUE(WriteFile(elsewhere.filePath("keep.txt"), "sentinel"));
    ASSERT_TRUE(QFile::link(elsewhere.path(), m_store.Folder(7)));
    ASSERT_TRUE(WriteFile(m_dir.filePath("template.txt"), "")); // not an undo folder

    m_store.CleanUp();
    EXPECT_TRUE(m_store.Entries().empty());
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System), QStringList{"template.txt"});
    EXPECT_TRUE(QFileInfo(elsewhere.filePath("keep.txt")).isFile());
}
