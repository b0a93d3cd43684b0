// The preset library: which files are presets, in which order, and the file operations of the
// presets dock.
#include "session/PresetLibrary.h"

#include "core/AppLog.h"
#include "core/AtomicFile.h"
#include "core/IUserPrompt.h"
#include "core/IniSource.h"
#include "core/Paths.h"
#include "core/Timing.h"
#include "engine/OperatorCatalogue.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>

namespace
{
const QString kUserPrefix = QStringLiteral("vantropepp_vu_");
const QString kSystemPattern = QStringLiteral("vantropepp_v%1_*.ini").arg(2);

/// Presets are a few kilobytes; the import reads no file larger than this.
constexpr qint64 kMaxImportBytes = 16 * 1024 * 1024;

/// (VersionMajor × 100 + VersionMinor) × 100000 + VersionBuild of the newest preset this
/// version reads: 1.14.3607.
constexpr qint64 kNewestVersion = 11403607;

QStringList FilesIn(const QString& folder, const QString& pattern)
{
    QStringList paths;
    for (const QFileInfo& info : QDir(folder).entryInfoList({pattern}, QDir::Files, QDir::Name))
        paths << info.filePath();
    return paths;
}

struct SHeader
{
    QString stamp, name, category;
};

/// The three header values that identify a preset, as text.
SHeader Header(const QSettings& ini)
{
    return {ini.value("TimeStamp").toString().trimmed(), ini.value("DisplayName").toString(),
            ini.value("Category").toString()};
}

/// The same of a preset file (empty when unreadable).
SHeader ReadHeader(const QString& path)
{
    const CIniSource source(path, kMaxImportBytes);
    return Header(QSettings(source.Path(), QSettings::IniFormat));
}

QString Timed(const QString& what, double stamp)
{
    return QStringLiteral("%1 ms - %2").arg(MP_ElapsedMs(stamp), 0, 'f', 2).arg(what);
}
}  // namespace

CPresetLibrary::CPresetLibrary(const QString& systemFolder, const QString& userFolder, IUserPrompt& prompt,
                               const COperatorCatalogue& catalogue)
    : m_sSystemFolder(systemFolder), m_sUserFolder(userFolder), m_prompt(prompt), m_catalogue(catalogue)
{
}

CPresetLibrary::CPresetLibrary(IUserPrompt& prompt)
    : CPresetLibrary(ProgramSystemFolder(), Helper::UserDirectory(), prompt, COperatorCatalogue::Shared())
{
}

CPresetLibrary::~CPresetLibrary() = default;

QString CPresetLibrary::ProgramSystemFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/settings/");
}

QStringList CPresetLibrary::AddonFolders(const QString& systemFolder)
{
    QStringList folders;
    const QDir addons(QDir(systemFolder).filePath(QStringLiteral("Addons")));
    for (const QString& name : addons.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name).mid(0, 128))
        folders << addons.filePath(name);
    return folders;
}

bool CPresetLibrary::Load(SPreset& preset)
{
    preset.bBroken = !preset.chain->Load(&m_catalogue);
    return !preset.bBroken;
}

int CPresetLibrary::Add(const QString& path, EPresetOrigin origin)
{
    SPreset preset;
    preset.chain = std::make_unique<CPostProcessing>();
    preset.chain->SetPath(path);
    preset.eOrigin = origin;
    Load(preset);
    m_presets.push_back(std::move(preset));
    return Count() - 1;
}

bool CPresetLibrary::LoadAll(const QStringList& addonFolders)
{
    m_presets.clear();
    double start = MP_TimeStamp();
    const QStringList system = FilesIn(m_sSystemFolder, kSystemPattern);
    Helper::AppLog(Timed("System getPresetsFromFolder", start));
    if (system.isEmpty())
    {
        m_prompt.Warning(tr("Critical error"), tr("No post-processing presets found! Please reinstall..."));
        return false;
    }
    start = MP_TimeStamp();
    for (const QString& path : system)
        Add(path, EPresetOrigin::eSYSTEM);
    Helper::AppLog(Timed("System CreatePresetGroupBoxes", start));

    for (const QString& folder : addonFolders.mid(0, 128)) // add-on slots
    {
        start = MP_TimeStamp();
        for (const QString& path : FilesIn(folder, QStringLiteral("*.ini")))
            if (Find(QFileInfo(path).fileName()) < 0)
                Add(path, EPresetOrigin::eADDON);
        Helper::AppLog(Timed(QStringLiteral("Addon %1 CreatePresetGroupBoxes").arg(QDir(folder).dirName()), start));
    }

    start = MP_TimeStamp();
    const QStringList user = FilesIn(m_sUserFolder, kUserPrefix + QStringLiteral("*.ini"));
    Helper::AppLog(Timed("User getPresetsFromFolder", start));
    start = MP_TimeStamp();
    for (const QString& path : user)
        Add(path, EPresetOrigin::eUSER);
    Helper::AppLog(Timed("User CreatePresetGroupBoxes", start));
    return true;
}

int CPresetLibrary::Find(const QString& name) const
{
    for (int i = 0; i < Count(); ++i)
    {
        const QString file = QFileInfo(Chain(i).Path()).fileName();
        if (file == name || QFileInfo(file).completeBaseName() == name)
            return i;
    }
    for (int i = 0; i < Count(); ++i)
        if (Chain(i).DisplayName() == name || Chain(i).DisplayNameKey() == name)
            return i;
    return -1;
}

QString CPresetLibrary::NextUserFileName(const QString& userFolder)
{
    const QStringList files = QDir(userFolder).entryList({kUserPrefix + QStringLiteral("*.ini")}, QDir::Files, QDir::Name);
    int next = 0;
    if (!files.isEmpty())
    {
        QString last = files.last();
        last = last.mid(kUserPrefix.size());
        last.chop(4);
        next = last.toInt() + 1;
    }
    return kUserPrefix + QStringLiteral("%1.ini").arg(next, 6, 10, QLatin1Char('0'));
}

QString CPresetLibrary::NextUserPath() const
{
    return QDir(m_sUserFolder).filePath(NextUserFileName(m_sUserFolder));
}

EPresetImportCode CPresetLibrary::Classify(const QString& path, const QString& systemFolder, const QString& userFolder)
{
    const CIniSource source(path, kMaxImportBytes);
    const QSettings ini(source.Path(), QSettings::IniFormat);
    if (!ini.contains("Category"))
        return ePIC_NO_CATEGORY;
    if (!ini.contains("DisplayName"))
        return ePIC_NO_DISPLAYNAME;
    if (!ini.contains("TimeStamp"))
        return ePIC_NO_TIMESTAMP;
    const char* const versionKeys[] = {"VersionMajor", "VersionMinor", "VersionBuild", "VersionFamily"};
    if (std::all_of(std::begin(versionKeys), std::end(versionKeys), [&](const char* k) { return ini.contains(k); }))
    {
        const auto number = [&](const char* key) { return ini.value(key).toString().trimmed().toLongLong(); };
        const qint64 version = (number("VersionMajor") * 100 + number("VersionMinor")) * 100000 + number("VersionBuild");
        if (number("VersionFamily") != 17 || version > kNewestVersion)
            return ePIC_INCOMPATIBLE;
    }
    if (QFileInfo(path).fileName().contains(QLatin1String("pp_va_")))
        return ePIC_ADDON;
    const SHeader header = Header(ini);
    for (const QString& present :
         FilesIn(systemFolder, kSystemPattern) + FilesIn(userFolder, kUserPrefix + QStringLiteral("*.ini")))
    {
        const SHeader other = ReadHeader(present);
        if (other.stamp == header.stamp && other.name == header.name && other.category == header.category)
            return ePIC_PRESENT;
    }
    return ePIC_IMPORTABLE;
}

SPresetImport CPresetLibrary::ImportFiles(const QStringList& paths)
{
    SPresetImport result;
    for (const QString& path : paths)
    {
        EPresetImportCode code = Classify(path, m_sSystemFolder, m_sUserFolder);
        if (code == ePIC_IMPORTABLE)
        {
            // The bytes that were classified are the bytes copied, whole or not at all.
            const CIniSource source(path, kMaxImportBytes);
            const QString target = NextUserPath();
            if (source.Problem() != CIniSource::eNONE || !Helper::EnsureUserDirectory() ||
                !AtomicFile::Write(target, source.Text()))
                code = ePIC_NO_CATEGORY;
            else
                result.added << Add(target, EPresetOrigin::eUSER);
        }
        result.byCode[code] << QFileInfo(path).fileName();
    }
    return result;
}

QString CPresetLibrary::ImportReport(const SPresetImport& import)
{
    const auto list = [](const QStringList& names, const char* bullet) {
        QString text;
        for (const QString& name : names)
            text += QLatin1String(bullet) + name.toHtmlEscaped();
        return text;
    };
    QStringList parts;
    if (!import.byCode[ePIC_IMPORTABLE].isEmpty())
        parts << QStringLiteral("<font color=\"#5fbf5f\">") + tr("Importierte Presets:") +
                     list(import.byCode[ePIC_IMPORTABLE], "<br/> - ") + QStringLiteral("</font>");
    const auto refused = [&](const QString& title, const QStringList& names, const char* bullet) {
        if (!names.isEmpty())
            parts << QStringLiteral("<font color=\"#bf5f5f\">") + title + list(names, bullet) + QStringLiteral("</font>");
    };
    refused(tr("Bereits vorhandene Presets:"), import.byCode[ePIC_PRESENT], "<br/> - ");
    refused(tr("Inkompatible Presets:"), import.byCode[ePIC_INCOMPATIBLE], "<br/> -  ");
    refused(tr("Fehlerhafte Presets:"),
            import.byCode[ePIC_NO_TIMESTAMP] + import.byCode[ePIC_NO_DISPLAYNAME] + import.byCode[ePIC_NO_CATEGORY],
            "<br/> - ");
    refused(tr("Zu Addons gehörende Presets:"), import.byCode[ePIC_ADDON], "<br/> - ");
    return parts.join(QStringLiteral("<br/><br/>"));
}

int CPresetLibrary::Import(const QString& startFolder)
{
    const QStringList files = m_prompt.OpenFiles(tr("Presets importieren"), startFolder, tr("ini (*.ini)"));
    if (files.isEmpty())
        return -1;
    const SPresetImport import = ImportFiles(files);
    m_prompt.Information(tr("Preset Import Messagetitle"), ImportReport(import));
    return import.added.isEmpty() ? -1 : import.added.last();
}

bool CPresetLibrary::ExportTo(int index, const QString& path)
{
    return IsValid(index) && Chain(index).SaveTo(path, true);
}

bool CPresetLibrary::Export(int index, const QString& startFolder)
{
    if (!IsValid(index))
        return false;
    const QString path = m_prompt.SaveFile(tr("Preset exportieren"), QDir(startFolder).filePath(tr("MyPreset")),
                                           tr("ini (*.ini)"));
    return !path.isEmpty() && ExportTo(index, path);
}

QString CPresetLibrary::Ask(const QString& title, const QString& label, const QString& proposal)
{
    QString value = proposal;
    if (!m_prompt.TextInput(title, label, value))
        return QString();
    return value.trimmed();
}

int CPresetLibrary::CopyAs(int index, const QString& name)
{
    if (!IsValid(index) || name.isEmpty() || !Helper::EnsureUserDirectory())
        return -1;
    // The copy gets a stamp of its own, so the project files tell it from its source.
    CPostProcessing copy(Chain(index));
    copy.SetTimeStamp(uint32_t(QDateTime::currentSecsSinceEpoch()));
    const QString temp = QDir(m_sUserFolder).filePath(QStringLiteral("temp.ini"));
    const QString target = NextUserPath();
    QFile::remove(temp);
    if (!copy.SaveTo(temp, false) || !QFile::rename(temp, target))
    {
        QFile::remove(temp);
        return -1;
    }
    const int added = Add(target, EPresetOrigin::eUSER);
    CPostProcessing& chain = Chain(added);
    chain.SetDisplayName(name);
    chain.SetCategory(QStringLiteral("user"));
    chain.Save(false);
    return added;
}

int CPresetLibrary::Copy(int index)
{
    if (!IsValid(index))
        return -1;
    const QString name = Ask(tr("Voreinstellung kopieren"), tr("Vergeben sie einen Namen:"),
                             Chain(index).DisplayName() + QStringLiteral(" (") + tr("Kopie") + QStringLiteral(")"));
    return name.isEmpty() ? -1 : CopyAs(index, name);
}

bool CPresetLibrary::RenameTo(int index, const QString& name)
{
    if (!IsValid(index) || At(index).eOrigin != EPresetOrigin::eUSER || name.isEmpty())
        return false;
    Chain(index).SetDisplayName(name);
    return Chain(index).Save(false);
}

bool CPresetLibrary::Rename(int index)
{
    if (!IsValid(index) || At(index).eOrigin != EPresetOrigin::eUSER)
        return false;
    const QString name = Ask(tr("Voreinstellung umbenennen"), tr("Vergeben sie einen neuen Namen:"), Chain(index).DisplayName());
    return !name.isEmpty() && RenameTo(index, name);
}

bool CPresetLibrary::Delete(int index)
{
    if (!IsValid(index) || At(index).eOrigin != EPresetOrigin::eUSER)
        return false;
    if (m_prompt.Question(tr("Voreinstellung löschen?"),
                          tr("Soll die Voreinstellung \"%1\" wirklich gelöscht werden?").arg(Chain(index).DisplayName())) !=
        IUserPrompt::eYes)
        return false;
    if (QFile::exists(Chain(index).Path()) && !QFile::remove(Chain(index).Path()))
        return false;
    m_presets.erase(m_presets.begin() + index);
    return true;
}

bool CPresetLibrary::Reset(int index)
{
    if (!IsValid(index))
        return false;
    if (m_prompt.Question(tr("Voreinstellung zurücksetzen"),
                          tr("Soll die Voreinstellung \"%1\" wirklich zurückgesetzt werden?").arg(Chain(index).DisplayName())) !=
        IUserPrompt::eYes)
        return false;
    ReloadFrom(index, Chain(index).Path());
    return true;
}

bool CPresetLibrary::ReloadFrom(int index, const QString& path)
{
    if (!IsValid(index))
        return false;
    SPreset& preset = m_presets[size_t(index)];
    const QString own = preset.chain->Path();
    preset.chain->SetPath(path);
    Load(preset);
    preset.chain->SetPath(own);
    preset.bEnabled = true;
    return !preset.bBroken;
}

bool CPresetLibrary::SaveOperators(int index, const CPostProcessing& chain)
{
    if (!IsValid(index) || At(index).eOrigin != EPresetOrigin::eUSER)
        return false;
    Chain(index).Operators() = chain.Operators();
    m_presets[size_t(index)].bBroken = false;
    return Chain(index).Save(false);
}

bool CPresetLibrary::Swap(int index, int other)
{
    if (!IsValid(index) || !IsValid(other) || At(index).eOrigin != EPresetOrigin::eUSER ||
        At(other).eOrigin != EPresetOrigin::eUSER)
        return false;
    CPostProcessing& a = Chain(index);
    CPostProcessing& b = Chain(other);
    const QString pathA = a.Path();
    a.SetPath(b.Path());
    b.SetPath(pathA);
    const bool saved = a.Save(false) && b.Save(false);
    std::swap(m_presets[size_t(index)], m_presets[size_t(other)]);
    return saved;
}

QList<int> CPresetLibrary::Combinable() const
{
    QList<int> list;
    for (int i = 0; i < Count(); ++i)
        if (!At(i).bBroken)
            list << i;
    return list;
}

std::unique_ptr<CPostProcessing> CPresetLibrary::Combine(int a, int b)
{
    if (!IsValid(a) || !IsValid(b) || At(a).bBroken || At(b).bBroken || !Helper::EnsureUserDirectory())
        return nullptr;
    const QDir user(m_sUserFolder);
    const QString tempA = user.filePath(QStringLiteral("_tempA.ini"));
    const QString tempB = user.filePath(QStringLiteral("_tempB.ini"));
    if (!Chain(a).SaveTo(tempA, false) || !Chain(b).SaveTo(tempB, false))
        return nullptr;
    auto combined = std::make_unique<CPostProcessing>();
    combined->LoadOperatorsOnly(tempA, &m_catalogue);
    combined->LoadOperatorsOnly(tempB, &m_catalogue);
    combined->SetDisplayName(Chain(a).DisplayName() + QStringLiteral(" + ") + Chain(b).DisplayName());
    combined->SetCategory(QStringLiteral("user"));
    combined->SetTimeStamp(uint32_t(QDateTime::currentSecsSinceEpoch()));
    return combined;
}

QStringList CPresetLibrary::SearchTags() const
{
    QStringList tags;
    for (const SPreset& p : m_presets)
        if (!p.chain->SearchTag().isEmpty() && !tags.contains(p.chain->SearchTag()))
            tags << p.chain->SearchTag();
    std::sort(tags.begin(), tags.end());
    return tags;
}
