// The LUT state (clearing, the new-LUT question, the chosen size, group resets) and the library
// model over it: the list over the folder, select/add/remove and their questions, the file actions
// and their start folder, and names that must never leave the library folder.
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
#include <QTemporaryDir>

#include <memory>
#include <tuple>

namespace
{
// An identity LUT of size n whose first red value marks it.
std::unique_ptr<CLutState> Loaded(int n, float mark, const QString& title)
{
    auto state = std::make_unique<CLutState>();
    state->CreateIdentity(n, title);
    state->Source().Data()[0] = mark;
    return state;
}

// The size and the marking first value of a state.
std::pair<int, float> Marked(const CLutState& state)
{
    return {state.Size(), state.Source().Data()[0]};
}

class LutLibraryTest : public ::testing::Test
{
protected:
    std::unique_ptr<CLutLibrary> Library()
    {
        auto library = std::make_unique<CLutLibrary>();
        library->SetSettings(&m_settings);
        return library;
    }

    // A marked identity cube: a name in the library folder, or a whole path.
    void WriteCube(const QString& fileName, int n, float mark, const QString& title = "t")
    {
        const QString path = fileName.startsWith('/') ? fileName : m_folder + fileName;
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()) && Loaded(n, mark, title)->SaveCube(path));
    }
    QStringList Files() const { return QDir(m_folder).entryList(QDir::Files | QDir::Hidden); }

    CTempHome m_home;
    const QString m_folder = m_home.Path() + "/ProjectData/Lut/";
    QSettings m_settings{m_home.Path() + "/settings.ini", QSettings::IniFormat};
};
}  // namespace

TEST(LutState, GroupResetClearCreateNewAndChosenSize)
{
    // A group reset touches only its own group.
    auto state = Loaded(5, 0.75f, "five");
    state->SetParameter(eLP_SATURATION, 0.1f);
    state->SetParameter(eLP_BALANCE_RED, 0.9f);
    state->SetParameter(eLP_PROTECT_SKY, 0.3f);
    state->ResetGroup(eLPG_BALANCE);
    const LutParameters& p = state->Parameters();
    EXPECT_TRUE(p[eLP_BALANCE_RED] == 0.5f && p[eLP_SATURATION] == 0.1f && p[eLP_PROTECT_SKY] == 0.3f);

    state->SetLayerMode(3);
    state->SetActive(false);
    state->SetReferencePicturePath("/tmp/picture.png");
    state->Bake();
    state->Clear();
    EXPECT_TRUE(state->Size() == 0 && state->Title().isEmpty() && state->ReferencePicturePath().isEmpty());
    EXPECT_TRUE(state->IsActive() && state->LayerMode() == 0);
    EXPECT_EQ(state->Parameters().afValue, LutParameters::Defaults().afValue);
    for (size_t i = 0; i < LutLattice::kFloatCount; i += 4099)
        ASSERT_TRUE(state->Source().Data()[i] == 0.f && state->Baked().Data()[i] == 0.f) << i;

    // Without a LUT there is nothing to lose, so nothing is asked; with one, "no" keeps it and
    // "yes" replaces it (the question with the option off: the LUT panel's test).
    CScriptedPrompt prompt;
    ASSERT_TRUE(state->CreateNew(prompt, true));
    EXPECT_TRUE(state->Size() == 32 && state->Title() == "LUT Name create new");
    EXPECT_EQ(state->Source().Data()[LutLattice::Offset(31, 1, 30, 32)], 1.f);
    EXPECT_EQ(state->Source().Data()[LutLattice::Offset(31, 1, 30, 32) + 1], 1.f / 31.f);
    state = Loaded(5, 0.75f, "five");
    prompt.ExpectQuestion("neuen leeren LUT Fotostil", IUserPrompt::eNo);
    EXPECT_FALSE(state->CreateNew(prompt, true));
    EXPECT_EQ(Marked(*state), std::pair(5, 0.75f));
    prompt.ExpectQuestion("neuen leeren LUT Fotostil", IUserPrompt::eYes);
    EXPECT_TRUE(state->CreateNew(prompt, true));
    EXPECT_EQ(state->Size(), 32);
    EXPECT_EQ(prompt.Log()[0], "question|LUT neu erstellen|Wollen Sie einen neuen leeren LUT Fotostil erstellen und "
                               "Ihre aktuellen Einstellungen verwerfen?");

    // The first checked of 64, 32, 25 wins, else 17.
    const std::tuple<bool, bool, bool, int> sizes[] = {
        {false, false, false, 17}, {true, false, false, 25}, {true, true, false, 32}, {true, false, true, 64}, {false, true, true, 64}};
    for (const auto& [b25, b32, b64, expected] : sizes)
    {
        state->SetChosenSizeButtons(b25, b32, b64);
        EXPECT_EQ(state->ChosenSize(), expected) << b25 << b32 << b64;
    }
}

TEST_F(LutLibraryTest, ListsRegularCubeFilesInOrderAndBrowsesOnlyWithEntries)
{
    // A missing folder: only the two fixed items, and nothing to browse (the message: the library
    // panel's test).
    auto library = Library();
    EXPECT_EQ(library->Folder(), m_folder);
    EXPECT_TRUE(library->Count() == 2 && library->ItemText(0) == "LUT einstellbar" && library->ItemText(1).isEmpty() &&
                library->EntryPath(0).isEmpty() && library->EntryPath(1).isEmpty());
    CScriptedPrompt prompt;
    auto state = Loaded(4, 0.5f, "x");
    EXPECT_FALSE(library->MayBrowse(*state, prompt));

    for (const char* name : {"b.cube", "A.cube", "B2.cube", "Upper.CUBE"})
        WriteCube(name, 2, 0.1f);
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

TEST_F(LutLibraryTest, SelectLoadsRemoveAsksAndIndexZeroChangesNothing)
{
    WriteCube("look.cube", 3, 0.25f, "Look Title");
    WriteCube("keep.cube", 2, 0.1f);
    ASSERT_TRUE(WriteFileBytes(m_folder + "bad.cube", "LUT_3D_SIZE 99\n"));
    auto library = Library();
    auto state = Loaded(5, 0.75f, "mine");
    state->SetParameter(eLP_CONTRAST, 0.9f);
    EXPECT_FALSE(library->Select(0, *state));
    EXPECT_FALSE(library->Select(1, *state));
    EXPECT_TRUE(Marked(*state) == std::pair(5, 0.75f) && state->Parameters()[eLP_CONTRAST] == 0.9f);
    EXPECT_EQ(library->CurrentIndex(), 0);

    ASSERT_TRUE(library->FindAndSetCurrent("look"));
    const int look = library->CurrentIndex();
    library->SetCurrentIndex(0);
    ASSERT_TRUE(library->Select(look, *state));
    EXPECT_EQ(library->CurrentIndex(), look);
    EXPECT_TRUE(Marked(*state) == std::pair(3, 0.25f) && state->Title() == "Look Title");
    EXPECT_EQ(state->Parameters()[eLP_CONTRAST], LutParameters::Defaults()[eLP_CONTRAST]);

    // Removing the current entry asks when the option is on, and keeps the LUT in use.
    library->SetConfirmDestructive(true);
    CScriptedPrompt prompt;
    prompt.ExpectQuestion("Voreinstellung löschen", IUserPrompt::eNo);
    EXPECT_FALSE(library->Remove(prompt));
    EXPECT_EQ(Files(), (QStringList{"bad.cube", "keep.cube", "look.cube"}));
    prompt.ExpectQuestion("Voreinstellung löschen", IUserPrompt::eYes);
    EXPECT_TRUE(library->Remove(prompt));
    EXPECT_EQ(Files(), (QStringList{"bad.cube", "keep.cube"}));
    EXPECT_TRUE(library->EntryNames() == (QStringList{"bad", "keep"}) && library->CurrentIndex() == 0);
    EXPECT_EQ(Marked(*state), std::pair(3, 0.25f));
    EXPECT_FALSE(library->Remove(prompt)); // index 0: nothing to remove, nothing asked

    // An unreadable entry leaves the state cleared, silently; without the option removing asks nothing.
    ASSERT_TRUE(library->FindAndSetCurrent("bad"));
    ASSERT_TRUE(library->Select(library->CurrentIndex(), *state));
    EXPECT_EQ(state->Size(), 0);
    EXPECT_FALSE(library->FindAndSetCurrent("missing"));
    library->SetConfirmDestructive(false);
    EXPECT_TRUE(library->Remove(prompt));
    EXPECT_TRUE(library->EntryNames() == QStringList{"keep"} && prompt.Unanswered() == 0);
}

TEST_F(LutLibraryTest, AddReplacesSilentlyLoadFromFileAndExport)
{
    auto library = Library();
    auto state = Loaded(3, 0.5f, "Sunset");
    state->SetParameter(eLP_BRIGHTNESS, 1.f);
    CScriptedPrompt prompt;
    prompt.QueueText(""); // cancelled
    EXPECT_FALSE(library->Add(*state, prompt));
    EXPECT_TRUE(QDir(m_folder).exists() && Files().isEmpty()); // the folder is made before the dialog

    prompt.QueueText("Evening");
    ASSERT_TRUE(library->Add(*state, prompt));
    EXPECT_TRUE(prompt.Log().contains("input|LUT Add Database Dialog|LUT Enter Name:"));
    EXPECT_EQ(library->EntryNames(), QStringList{"Evening"});
    EXPECT_EQ(library->ItemText(library->CurrentIndex()), "Evening");

    // The file holds the baked lattice under the state's title, not the entered name.
    auto reread = std::make_unique<CLutState>();
    ASSERT_TRUE(reread->ReadCube(m_folder + "Evening.cube", nullptr).bOk);
    EXPECT_EQ(reread->Title(), "Sunset");
    EXPECT_NE(state->Baked().Data()[13 * 3], state->Source().Data()[13 * 3]); // brightness moved the middle
    for (size_t i = 0; i < 27 * 3; ++i)
        ASSERT_NEAR(reread->Source().Data()[i], state->Baked().Data()[i], 1e-6f) << i;

    // The same name again: replaced without a question (a question would fail the script).
    prompt.QueueText("Evening");
    ASSERT_TRUE(library->Add(*Loaded(2, 0.125f, "Other"), prompt));
    ASSERT_TRUE(reread->ReadCube(m_folder + "Evening.cube", nullptr).bOk);
    EXPECT_TRUE(reread->Size() == 2 && reread->Title() == "Other");
    EXPECT_EQ(Files(), QStringList{"Evening.cube"}); // no temporary left

    // Loading from a file: the start folder is home until a file was chosen.
    QTemporaryDir elsewhere;
    const QString good = elsewhere.filePath("good.cube"), broken = elsewhere.filePath("broken.cube");
    WriteCube(good, 3, 0.f, "Good");
    ASSERT_TRUE(WriteFileBytes(broken, "TITLE \"x\"\nLUT_3D_SIZE 1\n0 0 0\n"));
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
    EXPECT_TRUE(loaded && state->Size() == 3 && state->Title() == "Good" && library->CurrentIndex() == 0);

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
    prompt.QueueText(library->EntryPath(2)); // a file from another folder is not remembered now
    EXPECT_TRUE(library->LoadFromFile(*state, prompt));
    EXPECT_EQ(m_settings.value("lastDialogPath").toString(), elsewhere.path());
}

TEST_F(LutLibraryTest, NamesNeverReachOutsideTheFolderAndCollidingNamesStayDistinct)
{
    WriteCube("../x.cube", 2, 0.9f);
    WriteCube("../sub/y.cube", 2, 0.9f);
    CInvariantCheck unchanged;
    unchanged.WatchFolder(m_home.Path());
    auto library = Library();
    auto state = Loaded(3, 0.5f, "t");
    for (const QString& name : {QString("../x"), QString("../../x"), QString("../sub/y"), m_home.Path() + "/abs", QString("/abs"),
                                QString("a/b"), QString(""), QString("."), QString(".."), QString(300, 'n'), QString("a") + QChar(0) + "b"})
    {
        QString reason;
        EXPECT_FALSE(CLutLibrary::IsAcceptableName(name, &reason) || reason.isEmpty()) << name.toStdString();
        EXPECT_FALSE(library->AddNamed(*state, name) || library->RemoveNamed(name)) << name.toStdString();
    }
    // A title taken from a cube file is only a pre-filled suggestion: accepted as it is, it is
    // refused with a message.
    state->SetTitle("../../evil");
    CScriptedPrompt prompt;
    prompt.QueueText(state->Title());
    EXPECT_FALSE(library->Add(*state, prompt));
    EXPECT_TRUE(prompt.Log().last().startsWith("warning|LUT Add Database Dialog|"));
    EXPECT_EQ(unchanged.Violations(), QStringList());

    // Names that look odd but are plain file names stay inside the folder.
    for (const QString& name : {QString("..x"), QString(" spaced "), QString("a\\b"), QString("-dash")})
    {
        EXPECT_TRUE(library->AddNamed(*state, name)) << name.toStdString();
        unchanged.ExpectOutput(m_folder + name + ".cube");
    }
    EXPECT_EQ(library->EntryCount(), 4);
    EXPECT_EQ(unchanged.Violations(), QStringList());

    // Files that lose their suffixes to the same name keep apart; removing one deletes no other.
    for (const QString& file : Files())
        QFile::remove(m_folder + file);
    WriteCube("look.cube", 2, 0.1f);
    WriteCube("look.CUBE.cube", 3, 0.2f);
    WriteCube("my.cube.old.cube", 2, 0.3f);
    library->Fill();
    EXPECT_EQ(library->EntryNames(), (QStringList{"look.CUBE", "look", "my.old"}));
    ASSERT_TRUE(library->FindAndSetCurrent("look.CUBE"));
    EXPECT_TRUE(library->Remove(prompt));
    EXPECT_EQ(Files(), (QStringList{"look.cube", "my.cube.old.cube"}));
    EXPECT_EQ(library->EntryNames(), (QStringList{"look", "my.old"}));
    // Adding under a name with the suffix inside makes that entry current.
    ASSERT_TRUE(library->AddNamed(*state, "x.cube.y"));
    EXPECT_TRUE(library->ItemText(library->CurrentIndex()) == "x.y" && QFile::exists(m_folder + "x.cube.y.cube"));
}
