// The LUT library model: the list over the folder, select/add/remove and their questions, the
// file actions and their start folder, and names that must never leave the library folder.
#include "lut/CubeFile.h"
#include "lut/LutLibrary.h"
#include "lut/LutState.h"
#include "tests/support/FileBytes.h"
#include "tests/support/InvariantCheck.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempHome.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>

#include <memory>

namespace
{
class LutLibraryTest : public ::testing::Test
{
protected:
    std::unique_ptr<CLutLibrary> Library()
    {
        auto library = std::make_unique<CLutLibrary>();
        library->SetSettings(&m_settings);
        return library;
    }

    // An identity cube of size n whose first red value marks which file it is (a name in the
    // library folder, or a whole path).
    void WriteCube(const QString& fileName, int n, float mark, const QString& title = "t")
    {
        QDir().mkpath(m_folder);
        std::vector<float> lattice(size_t(n) * n * n * 3);
        LutLattice::WriteIdentity(lattice.data(), n);
        lattice[0] = mark;
        ASSERT_TRUE(CubeFile::WriteFile(fileName.startsWith('/') ? fileName : m_folder + fileName, lattice.data(), n, title));
    }

    static std::unique_ptr<CLutState> Loaded(int n, float mark, const QString& title)
    {
        auto state = std::make_unique<CLutState>();
        state->CreateIdentity(n, title);
        state->Source().Data()[0] = mark;
        return state;
    }
    // The size and the marking first value of a state.
    static std::pair<int, float> Marked(const CLutState& state) { return {state.Size(), state.Source().Data()[0]}; }
    QStringList Files() const { return QDir(m_folder).entryList(QDir::Files | QDir::Hidden); }

    CTempHome m_home;
    const QString m_folder = m_home.Path() + "/ProjectData/Lut/";
    QSettings m_settings{m_home.Path() + "/settings.ini", QSettings::IniFormat};
};
}  // namespace

TEST_F(LutLibraryTest, FixedItemsListOrderAndBrowsing)
{
    // A missing folder, then an empty one: only the two fixed items, and nothing to browse.
    auto library = Library();
    EXPECT_EQ(library->Folder(), m_folder);
    CScriptedPrompt prompt;
    auto state = Loaded(4, 0.5f, "x");
    for (int pass = 0; pass < 2; ++pass, QDir().mkpath(m_folder), library->Fill())
    {
        EXPECT_EQ(library->Count(), 2);
        EXPECT_EQ(library->ItemText(0), "LUT einstellbar");
        EXPECT_EQ(library->ItemText(1), "");
        EXPECT_TRUE(library->EntryPath(0).isEmpty() && library->EntryPath(1).isEmpty());
        EXPECT_FALSE(library->MayBrowse(*state, prompt));
        EXPECT_EQ(prompt.Log().value(pass), "information|kein LUT vorhanden|Es sind keine LUT Stile gespeichert.");
    }

    WriteCube("b.cube", 2, 0.1f);
    WriteCube("A.cube", 2, 0.2f);
    WriteCube("B2.cube", 2, 0.3f);
    WriteCube("Upper.CUBE", 2, 0.4f);
    ASSERT_TRUE(WriteFileBytes(m_folder + "notes.txt", ""));
    QDir().mkpath(m_folder + "folder.cube");
    QFile::link(m_folder + "A.cube", m_folder + "link.cube");
    library->Fill();
    EXPECT_EQ(library->EntryNames(), (QStringList{"A", "B2", "Upper", "b"}));
    EXPECT_EQ(library->EntryPath(2), m_folder + "A.cube");
    EXPECT_EQ(library->EntryPath(4), m_folder + "Upper.CUBE");
    EXPECT_TRUE(library->EntryPath(6).isEmpty());

    library->SetConfirmDestructive(true);
    prompt.ExpectQuestion("trotz Verlust", IUserPrompt::eNo);
    EXPECT_FALSE(library->MayBrowse(*state, prompt));
    state->Clear();
    EXPECT_TRUE(library->MayBrowse(*state, prompt)); // nothing to lose, nothing asked
    EXPECT_EQ(prompt.Unanswered(), 0);
}

TEST_F(LutLibraryTest, SelectLoadsAndIndexZeroChangesNothing)
{
    WriteCube("look.cube", 3, 0.25f, "Look Title");
    ASSERT_TRUE(WriteFileBytes(m_folder + "bad.cube", "LUT_3D_SIZE 99\n"));

    auto library = Library();
    auto state = Loaded(5, 0.75f, "mine");
    state->SetParameter(eLP_CONTRAST, 0.9f);
    EXPECT_FALSE(library->Select(0, *state));
    EXPECT_FALSE(library->Select(1, *state));
    EXPECT_EQ(Marked(*state), std::pair(5, 0.75f));
    EXPECT_EQ(state->Parameters()[eLP_CONTRAST], 0.9f);
    EXPECT_EQ(library->CurrentIndex(), 0);

    ASSERT_TRUE(library->FindAndSetCurrent("look"));
    const int look = library->CurrentIndex();
    library->SetCurrentIndex(0);
    ASSERT_TRUE(library->Select(look, *state));
    EXPECT_EQ(library->CurrentIndex(), look);
    EXPECT_EQ(Marked(*state), std::pair(3, 0.25f));
    EXPECT_EQ(state->Title(), "Look Title");
    EXPECT_EQ(state->Parameters()[eLP_CONTRAST], LutParameters::Defaults()[eLP_CONTRAST]);

    // An unreadable entry leaves the state cleared, silently.
    ASSERT_TRUE(library->FindAndSetCurrent("bad"));
    ASSERT_TRUE(library->Select(library->CurrentIndex(), *state));
    EXPECT_EQ(state->Size(), 0);
    EXPECT_FALSE(library->FindAndSetCurrent("missing"));
}

TEST_F(LutLibraryTest, AddWritesBakedLookAndReplacesSilently)
{
    auto library = Library();
    auto state = Loaded(3, 0.5f, "Sunset");
    state->SetParameter(eLP_BRIGHTNESS, 1.f);

    CScriptedPrompt prompt;
    prompt.QueueText(""); // cancelled
    EXPECT_FALSE(library->Add(*state, prompt));
    EXPECT_FALSE(QDir(m_folder).exists("Sunset.cube"));
    EXPECT_TRUE(QDir(m_folder).exists()); // the folder is made before the dialog

    prompt.QueueText("Evening");
    ASSERT_TRUE(library->Add(*state, prompt));
    EXPECT_TRUE(prompt.Log().contains("input|LUT Add Database Dialog|LUT Enter Name:"));
    EXPECT_EQ(library->EntryNames(), QStringList{"Evening"});
    EXPECT_EQ(library->ItemText(library->CurrentIndex()), "Evening");

    // The file holds the baked lattice under the state's title, not the entered name.
    auto reread = std::make_unique<CLutState>();
    ASSERT_TRUE(reread->ReadCube(m_folder + "Evening.cube", nullptr).bOk);
    EXPECT_EQ(reread->Title(), "Sunset");
    int differences = 0;
    for (size_t i = 0; i < 27 * 3; ++i)
    {
        ASSERT_NEAR(reread->Source().Data()[i], state->Baked().Data()[i], 1e-6f) << i;
        differences += state->Baked().Data()[i] != state->Source().Data()[i];
    }
    EXPECT_GT(differences, 0);

    // The same name again: replaced without a question (a question would fail the script).
    auto other = Loaded(2, 0.125f, "Other");
    prompt.QueueText("Evening");
    ASSERT_TRUE(library->Add(*other, prompt));
    ASSERT_TRUE(reread->ReadCube(m_folder + "Evening.cube", nullptr).bOk);
    EXPECT_EQ(reread->Size(), 2);
    EXPECT_EQ(reread->Title(), "Other");
    EXPECT_EQ(library->EntryCount(), 1);
    EXPECT_EQ(Files(), QStringList{"Evening.cube"}); // no temporary left
}

TEST_F(LutLibraryTest, RemoveKeepsTheLutInUse)
{
    WriteCube("keep.cube", 2, 0.1f);
    WriteCube("drop.cube", 4, 0.6f);
    auto library = Library();
    library->SetConfirmDestructive(true);
    auto state = std::make_unique<CLutState>();
    ASSERT_TRUE(library->FindAndSetCurrent("drop"));
    ASSERT_TRUE(library->Select(library->CurrentIndex(), *state));

    CScriptedPrompt prompt;
    prompt.ExpectQuestion("Voreinstellung löschen", IUserPrompt::eNo);
    EXPECT_FALSE(library->Remove(prompt));
    EXPECT_EQ(Files(), (QStringList{"drop.cube", "keep.cube"}));

    prompt.ExpectQuestion("Voreinstellung löschen", IUserPrompt::eYes);
    EXPECT_TRUE(library->Remove(prompt));
    EXPECT_EQ(Files(), QStringList{"keep.cube"});
    EXPECT_EQ(library->EntryNames(), QStringList{"keep"});
    EXPECT_EQ(library->CurrentIndex(), 0);
    EXPECT_EQ(Marked(*state), std::pair(4, 0.6f));

    // At index 0 there is nothing to remove and nothing is asked.
    EXPECT_FALSE(library->Remove(prompt));
    EXPECT_EQ(prompt.Unanswered(), 0);
    // Without the option nothing is asked either.
    library->SetConfirmDestructive(false);
    library->SetCurrentIndex(2);
    EXPECT_TRUE(library->Remove(prompt));
    EXPECT_EQ(library->EntryCount(), 0);
}

TEST_F(LutLibraryTest, NamesNeverReachOutsideTheFolder)
{
    QDir().mkpath(m_folder);
    QDir().mkpath(m_home.Path() + "/ProjectData/sub");
    WriteCube("../x.cube", 2, 0.9f);
    WriteCube("../sub/y.cube", 2, 0.9f);
    CInvariantCheck unchanged;
    unchanged.WatchFolder(m_home.Path());

    auto library = Library();
    auto state = Loaded(3, 0.5f, "t");
    const QString longName(300, 'n');
    const QString withNul = QString("a") + QChar(0) + "b";
    for (const QString& name : {QString("../x"), QString("../../x"), QString("../sub/y"), m_home.Path() + "/abs",
                                QString("/abs"), QString("a/b"), QString(""), QString("."), QString(".."), longName, withNul})
    {
        QString reason;
        EXPECT_FALSE(CLutLibrary::IsAcceptableName(name, &reason)) << name.toStdString();
        EXPECT_FALSE(reason.isEmpty());
        EXPECT_FALSE(library->AddNamed(*state, name)) << name.toStdString();
        EXPECT_FALSE(library->RemoveNamed(name)) << name.toStdString();
    }
    // A title taken from a cube file is only a pre-filled suggestion: accepted as it is, it is
    // refused with a message.
    state->SetTitle("../../evil");
    CScriptedPrompt prompt;
    prompt.QueueText(state->Title());
    EXPECT_FALSE(library->Add(*state, prompt));
    EXPECT_TRUE(prompt.Log().last().startsWith("warning|LUT Add Database Dialog|"));
    EXPECT_EQ(unchanged.Violations(), QStringList());
    EXPECT_EQ(library->EntryCount(), 0);

    // Names that look odd but are plain file names stay inside the folder.
    for (const QString& name : {QString("..x"), QString(" spaced "), QString("a\\b"), QString("-dash")})
    {
        EXPECT_TRUE(library->AddNamed(*state, name)) << name.toStdString();
        unchanged.ExpectOutput(m_folder + name + ".cube");
    }
    EXPECT_EQ(library->EntryCount(), 4);
    EXPECT_EQ(unchanged.Violations(), QStringList());
}

TEST_F(LutLibraryTest, NamesThatCollideStayDistinct)
{
    WriteCube("look.cube", 2, 0.1f);
    WriteCube("look.CUBE.cube", 3, 0.2f);
    WriteCube("my.cube.old.cube", 2, 0.3f);
    auto library = Library();
    EXPECT_EQ(library->EntryNames(), (QStringList{"look.CUBE", "look", "my.old"}));

    // Removing the second entry deletes that file and no other.
    ASSERT_TRUE(library->FindAndSetCurrent("look.CUBE"));
    CScriptedPrompt prompt;
    EXPECT_TRUE(library->Remove(prompt));
    EXPECT_EQ(Files(), (QStringList{"look.cube", "my.cube.old.cube"}));
    EXPECT_EQ(library->EntryNames(), (QStringList{"look", "my.old"}));

    // Adding under a name with the suffix inside makes that entry current.
    auto state = Loaded(2, 0.5f, "t");
    ASSERT_TRUE(library->AddNamed(*state, "x.cube.y"));
    EXPECT_EQ(library->ItemText(library->CurrentIndex()), "x.y");
    EXPECT_TRUE(QFile::exists(m_folder + "x.cube.y.cube"));
}

TEST_F(LutLibraryTest, LoadFromFileAndExport)
{
    QTemporaryDir elsewhere;
    const QString good = elsewhere.filePath("good.cube");
    WriteCube(good, 3, 0.f, "Good");
    const QString broken = elsewhere.filePath("broken.cube");
    ASSERT_TRUE(WriteFileBytes(broken, "TITLE \"x\"\nLUT_3D_SIZE 1\n0 0 0\n"));
    WriteCube("lib.cube", 2, 0.1f);
    auto library = Library();
    auto state = std::make_unique<CLutState>();
    CScriptedPrompt prompt;

    // Start folder: home until a file was chosen.
    prompt.QueueText("");
    EXPECT_FALSE(library->LoadFromFile(*state, prompt));
    EXPECT_EQ(prompt.Log().last(), "open|LUT-Datei einladen|" + QDir::homePath());

    library->SetCurrentIndex(2);
    prompt.QueueText(broken);
    bool loaded = true;
    EXPECT_TRUE(library->LoadFromFile(*state, prompt, &loaded));
    EXPECT_FALSE(loaded);
    EXPECT_EQ(prompt.Log().last(), "information|" + CubeFile::FailureTitle() + "|" + CubeFile::FailureText(broken, 1));
    EXPECT_EQ(state->Size(), 0);
    EXPECT_EQ(library->CurrentIndex(), 2); // a failed read does not move the list
    EXPECT_EQ(m_settings.value("lastDialogPath").toString(), elsewhere.path());

    prompt.QueueText(good);
    EXPECT_TRUE(library->LoadFromFile(*state, prompt, &loaded));
    EXPECT_TRUE(loaded);
    EXPECT_EQ(state->Size(), 3);
    EXPECT_EQ(library->CurrentIndex(), 0);

    // Export: the title as default name in the remembered folder, then a fixed folder wins.
    const QString out = elsewhere.filePath("out.cube");
    prompt.QueueText(out);
    ASSERT_TRUE(library->Export(*state, prompt));
    EXPECT_EQ(prompt.Log().last(), "save|LUT speichern|" + elsewhere.path() + "/Good");
    EXPECT_TRUE(QFile::exists(out));
    state->SetTitle("");
    library->SetFixedDefaultFolder("/fixed");
    prompt.QueueText("");
    EXPECT_FALSE(library->Export(*state, prompt));
    EXPECT_EQ(prompt.Log().last(), "save|LUT speichern|/fixed/My LUT style");
    prompt.QueueText(good);
    EXPECT_TRUE(library->LoadFromFile(*state, prompt));
    EXPECT_EQ(m_settings.value("lastDialogPath").toString(), elsewhere.path());
}
