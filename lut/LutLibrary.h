// The personal LUT library: a folder of cube files, the list the panel shows over it, and the
// panel's file actions (select, add, remove, load from a file, export, LUT from a picture).
// Questions and file dialogs go through IUserPrompt, so the flows run the same in tests.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <memory>

class CLutState;
class IUserPrompt;
class QSettings;

class CLutLibrary
{
    Q_DECLARE_TR_FUNCTIONS(HDRPostProcessingDockWidget)

public:
    /// List positions: the LUT being adjusted, a separator, then the entries.
    static constexpr int kAdjustableIndex = 0;
    static constexpr int kSeparatorIndex = 1;
    static constexpr int kFirstEntry = 2;
    /// Longest entry name accepted (the file name must stay within 255 bytes).
    static constexpr int kMaxNameBytes = 240;

    /// home + "/ProjectData/Lut/".
    static QString DefaultFolder();

    /// A library over `folder` (the default folder when empty); the list is filled at once.
    explicit CLutLibrary(const QString& folder = QString());
    ~CLutLibrary();

    const QString& Folder() const { return m_sFolder; }

    /// Program settings holding "lastDialogPath"; the application's default settings when null.
    void SetSettings(QSettings* settings) { m_pSettings = settings; }
    /// The option that asks before destructive actions.
    void SetConfirmDestructive(bool on) { m_bConfirm = on; }
    bool ConfirmDestructive() const { return m_bConfirm; }
    /// A fixed start folder from the options; empty means "lastDialogPath" is used and kept.
    void SetFixedDefaultFolder(const QString& folder) { m_sFixedFolder = folder; }

    /// Re-reads the folder: the two fixed items, then the entries; index 0 becomes current.
    void Fill();
    int Count() const { return int(m_items.size()); }
    int EntryCount() const { return Count() - kFirstEntry; }
    /// Item text: the translation of "LUT einstellbar", an empty separator, then entry names.
    QString ItemText(int index) const;
    QStringList EntryNames() const { return m_items.mid(kFirstEntry); }
    /// File path of the entry at a list index; empty for the fixed items and outside the list.
    QString EntryPath(int index) const;
    int CurrentIndex() const { return m_iCurrent; }
    /// Makes an index current without loading anything (the list's signals blocked).
    void SetCurrentIndex(int index);
    /// Makes the entry with exactly this name current, without loading; false when there is none.
    bool FindAndSetCurrent(const QString& name);

    /// True when `name` can become a file of the library folder: not empty, not "." or "..", no
    /// folder separator, no NUL, at most kMaxNameBytes bytes. `reason` says why not.
    static bool IsAcceptableName(const QString& name, QString* reason = nullptr);

    /// Selecting list index i: below 2 nothing happens (false); otherwise the state is cleared
    /// and the entry's file read without a message (true: the state changed, even when the read
    /// failed and the state stays cleared).
    bool Select(int index, CLutState& state);
    /// Add the current look: bakes, asks for a name pre-filled with the title and writes the
    /// baked lattice under that name (replacing a file of that name). True when written.
    bool Add(CLutState& state, IUserPrompt& prompt);
    /// The writing step of Add with a given name; refuses names that are not acceptable, with
    /// the reason in `error` (as for a file that cannot be written). The list is filled again
    /// and the new entry made current.
    bool AddNamed(CLutState& state, const QString& name, QString* error = nullptr);
    /// Removes the current entry (asking first when the option is on). The LUT state is not
    /// touched. True when a file was deleted.
    bool Remove(IUserPrompt& prompt);
    /// Removes the entry with this name; false when there is none or it cannot be deleted.
    bool RemoveNamed(const QString& name);

    /// Start folder of the file dialogs: the fixed folder, else "lastDialogPath", else home.
    QString StartFolder() const;
    /// "LUTLoadFromFile": asks for a cube file and reads it with the failure message. True when
    /// a file was chosen (the state was cleared); `loaded` tells whether the read succeeded.
    bool LoadFromFile(CLutState& state, IUserPrompt& prompt, bool* loaded = nullptr);
    /// "LUT importieren": asks for a LUT file of any format the import path reads and imports it
    /// (the message says why it failed, or how many points were kept). Like LoadFromFile.
    bool ImportFromFile(CLutState& state, IUserPrompt& prompt, bool* loaded = nullptr);
    /// "LUTExport": asks for a path and writes the baked look there. True when written.
    bool Export(CLutState& state, IUserPrompt& prompt);

    /// "LUT from Image": with an empty path asks for a picture first. With `clearFirst` the
    /// state is cleared and list index 0 made current before anything else. True when a lattice
    /// was derived (method 1 or 2, the state's chosen size).
    bool FromPicture(CLutState& state, IUserPrompt& prompt, const QString& path, bool clearFirst, int method);
    /// "LUTPrevImage"/"LUTNextImage": the picture `step` places from the state's reference
    /// picture in its folder, wrapping around, derived without clearing. False when there is
    /// no reference picture or nothing could be derived.
    bool StepPicture(CLutState& state, IUserPrompt& prompt, int step, int method);

    /// The browse preconditions: no entries → the "kein LUT vorhanden" information and false;
    /// a LUT present and the option on → the question, anything but yes gives false.
    bool MayBrowse(const CLutState& state, IUserPrompt& prompt) const;

private:
    QSettings& Settings() const;
    int IndexOfFile(const QString& fileName) const;
    void RememberFolder(const QString& path) const;

    QString m_sFolder;
    QStringList m_items;   // display texts, the two fixed items first
    QStringList m_files;   // file names of the entries, parallel to m_items from index 2
    int m_iCurrent = 0;
    QSettings* m_pSettings = nullptr;
    mutable std::unique_ptr<QSettings> m_ownSettings;
    bool m_bConfirm = false;
    QString m_sFixedFolder;
};
