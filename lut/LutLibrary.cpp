#include "lut/LutLibrary.h"

#include "core/IUserPrompt.h"
#include "lut/LutFromPicture.h"
#include "lut/LutImport.h"
#include "lut/LutState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace
{
const QString kSuffix = QStringLiteral(".cube");

QString WithoutSuffixes(QString fileName)
{
    return fileName.remove(kSuffix, Qt::CaseInsensitive);
}
}  // namespace

QString CLutLibrary::DefaultFolder()
{
    return QDir::homePath() + "/" + "ProjectData" + "/" + "Lut" + "/";
}

CLutLibrary::CLutLibrary(const QString& folder) : m_sFolder(folder.isEmpty() ? DefaultFolder() : folder)
{
    if (!m_sFolder.endsWith('/'))
        m_sFolder += '/';
    Fill();
}

CLutLibrary::~CLutLibrary() = default;

void CLutLibrary::Fill()
{
    m_items = QStringList{tr("LUT einstellbar"), QString()};
    m_files = QStringList{QString(), QString()};
    m_iCurrent = kAdjustableIndex;

    const QDir folder(m_sFolder);
    QStringList files = folder.entryList({"*" + kSuffix}, QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::Name);
    files.sort(Qt::CaseSensitive);
    QStringList names;
    for (const QString& file : files)
        names << WithoutSuffixes(file);
    for (qsizetype i = 0; i < files.size(); ++i)
    {
        if (!files[i].contains(kSuffix, Qt::CaseInsensitive))
            continue;
        // Two files may lose their suffixes to the same name ("look.cube", "look.CUBE.cube");
        // such entries show their file name without the last suffix so each stays its own.
        QString name = names[i];
        if (name.isEmpty() || names.count(name) > 1)
            name = files[i].left(files[i].size() - kSuffix.size());
        m_items << name;
        m_files << files[i];
    }
}

QString CLutLibrary::ItemText(int index) const
{
    return index >= 0 && index < Count() ? m_items[index] : QString();
}

QString CLutLibrary::EntryPath(int index) const
{
    if (index < kFirstEntry || index >= Count())
        return {};
    return m_sFolder + m_files[index];
}

void CLutLibrary::SetCurrentIndex(int index)
{
    if (index >= 0 && index < Count())
        m_iCurrent = index;
}

bool CLutLibrary::FindAndSetCurrent(const QString& name)
{
    const int index = int(m_items.indexOf(name, kFirstEntry));
    if (index < kFirstEntry)
        return false;
    m_iCurrent = index;
    return true;
}

int CLutLibrary::IndexOfFile(const QString& fileName) const
{
    const int index = int(m_files.indexOf(fileName, kFirstEntry));
    return index >= kFirstEntry ? index : -1;
}

bool CLutLibrary::IsAcceptableName(const QString& name, QString* reason)
{
    QString why;
    if (name.isEmpty())
        why = tr("Der Name ist leer.");
    else if (name == "." || name == "..")
        why = tr("Der Name \"%1\" ist nicht erlaubt.").arg(name);
    else if (name.contains('/') || name.contains(QChar(0)))
        why = tr("Der Name darf weder \"/\" noch ein Nullzeichen enthalten.");
    else if ((name + kSuffix).toUtf8().size() > kMaxNameBytes + kSuffix.size())
        why = tr("Der Name ist zu lang.");
    if (reason)
        *reason = why;
    return why.isEmpty();
}

bool CLutLibrary::Select(int index, CLutState& state)
{
    if (index < kFirstEntry || index >= Count())
        return false;
    m_iCurrent = index;
    state.Clear();
    state.ReadCube(EntryPath(index), nullptr);
    return true;
}

bool CLutLibrary::Add(CLutState& state, IUserPrompt& prompt)
{
    QDir().mkpath(m_sFolder);
    state.Bake();
    QString name = state.Title();
    if (!prompt.TextInput(tr("LUT Add Database Dialog"), tr("LUT Enter Name:"), name))
        return false;
    QString error;
    if (!AddNamed(state, name, &error))
    {
        if (!error.isEmpty())
            prompt.Warning(tr("LUT Add Database Dialog"), error);
        return false;
    }
    return true;
}

bool CLutLibrary::AddNamed(CLutState& state, const QString& name, QString* error)
{
    if (!IsAcceptableName(name, error))
        return false;
    if (!QDir().mkpath(m_sFolder))
    {
        if (error)
            *error = tr("Der Ordner %1 kann nicht angelegt werden.").arg(m_sFolder);
        Fill();
        return false;
    }
    const QString fileName = name + kSuffix;
    // The resolved path must still name a file directly inside the folder.
    const QFileInfo target(m_sFolder + fileName);
    if (target.absoluteDir() != QDir(m_sFolder) || target.fileName() != fileName)
    {
        if (error)
            *error = tr("Der Name \"%1\" ist nicht erlaubt.").arg(name);
        return false;
    }
    QString reason;
    const bool written = state.SaveCube(target.absoluteFilePath(), &reason);
    if (!written && error)
        *error = tr("Die LUT \"%1\" kann nicht gespeichert werden: %2").arg(name, reason);
    Fill();
    const int index = IndexOfFile(fileName);
    if (index >= kFirstEntry)
        m_iCurrent = index;
    return written;
}

bool CLutLibrary::Remove(IUserPrompt& prompt)
{
    if (m_iCurrent <= kAdjustableIndex)
        return false;
    if (m_bConfirm && prompt.Question(tr("LUT Preset löschen"),
                                      tr("LUT Wollen Sie die aktuell ausgewählte Voreinstellung löschen?")) !=
                          IUserPrompt::eYes)
        return false;
    const QString path = EntryPath(m_iCurrent);
    const bool removed = !path.isEmpty() && QFileInfo(path).isFile() && QFile::remove(path);
    Fill();
    return removed;
}

bool CLutLibrary::RemoveNamed(const QString& name)
{
    const int index = int(m_items.indexOf(name, kFirstEntry));
    if (index < kFirstEntry)
        return false;
    const QString path = EntryPath(index);
    const bool removed = QFileInfo(path).isFile() && QFile::remove(path);
    Fill();
    return removed;
}

QSettings& CLutLibrary::Settings() const
{
    if (m_pSettings)
        return *m_pSettings;
    if (!m_ownSettings)
        m_ownSettings = std::make_unique<QSettings>();
    return *m_ownSettings;
}

QString CLutLibrary::StartFolder() const
{
    if (!m_sFixedFolder.isEmpty())
        return m_sFixedFolder;
    const QString last = Settings().value("lastDialogPath").toString();
    return last.isEmpty() ? QDir::homePath() : last;
}

void CLutLibrary::RememberFolder(const QString& path) const
{
    if (m_sFixedFolder.isEmpty())
        Settings().setValue("lastDialogPath", QFileInfo(path).absolutePath());
}

bool CLutLibrary::LoadFromFile(CLutState& state, IUserPrompt& prompt, bool* loaded)
{
    if (loaded)
        *loaded = false;
    const QString path =
        prompt.OpenFile(tr("LUT-Datei einladen"), StartFolder(), tr("LUT-Datei") + " (*.cube)");
    if (path.isEmpty())
        return false;
    RememberFolder(path);
    state.Clear();
    const bool ok = CLutImport::Load(state, path, &prompt).bOk;
    if (ok)
        m_iCurrent = kAdjustableIndex;
    if (loaded)
        *loaded = ok;
    return true;
}

bool CLutLibrary::ImportFromFile(CLutState& state, IUserPrompt& prompt, bool* loaded)
{
    if (loaded)
        *loaded = false;
    const QString path = prompt.OpenFile(tr("LUT importieren"), StartFolder(),
                                         tr("LUT-Datei") + " (" + CLutImport::NameFilter() + ")");
    if (path.isEmpty())
        return false;
    RememberFolder(path);
    const CLutImport::SResult result = CLutImport::Import(state, path);
    if (!result.bOk)
        prompt.Information(tr("LUT importieren"), result.sError);
    else if (!CLutImport::PointsKeptText(result).isEmpty())
        prompt.Information(tr("LUT importieren"), CLutImport::PointsKeptText(result));
    if (result.bOk)
        m_iCurrent = kAdjustableIndex;
    if (loaded)
        *loaded = result.bOk;
    return true;
}

bool CLutLibrary::Export(CLutState& state, IUserPrompt& prompt)
{
    const QString name = state.Title().isEmpty() ? tr("My LUT style") : state.Title();
    const QString path = prompt.SaveFile(tr("LUT speichern"), StartFolder() + "/" + name, ".cube (*.cube)");
    if (path.isEmpty())
        return false;
    return state.SaveCube(path);
}

bool CLutLibrary::FromPicture(CLutState& state, IUserPrompt& prompt, const QString& path, bool clearFirst, int method)
{
    if (clearFirst)
    {
        state.Clear();
        m_iCurrent = kAdjustableIndex;
    }
    QString picture = path;
    if (picture.isEmpty())
    {
        QStringList patterns = LutFromPicture::PicturePatterns();
        picture = prompt.OpenFile(tr("Bild einladen"), Settings().value("lastDialogPath").toString(),
                                  tr("Bilder") + " (" + patterns.join(' ') + ")");
        if (picture.isEmpty())
            return false;
    }
    return LutFromPicture::DeriveInto(state, picture, method, tr("My LUT Savename"));
}

bool CLutLibrary::StepPicture(CLutState& state, IUserPrompt& prompt, int step, int method)
{
    if (state.ReferencePicturePath().isEmpty())
        return false;
    const QString next = LutFromPicture::NeighbourPicture(state.ReferencePicturePath(), step);
    if (next.isEmpty())
        return false;
    return FromPicture(state, prompt, next, false, method);
}

bool CLutLibrary::MayBrowse(const CLutState& state, IUserPrompt& prompt) const
{
    if (EntryCount() <= 0)
    {
        prompt.Information(tr("kein LUT vorhanden"), tr("Es sind keine LUT Stile gespeichert."));
        return false;
    }
    if (state.Size() != 0 && m_bConfirm &&
        prompt.Question(tr("LUT Browser"), tr("LUT Browser trotz Verlust der aktuellen Einstellungen starten?")) !=
            IUserPrompt::eYes)
        return false;
    return true;
}
