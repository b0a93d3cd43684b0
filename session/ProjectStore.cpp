#include "session/ProjectStore.h"

#include "core/AppLog.h"
#include "core/FileTree.h"
#include "core/IProject.h"
#include "core/IniSource.h"
#include "session/ProjectTransaction.h"

#include <QFileInfo>

namespace
{
/// Project files are a few kilobytes; anything this large is not one.
constexpr qint64 kMaxProjectBytes = 16 * 1024 * 1024;
}  // namespace

namespace ProjectStore
{
SWriteResult Write(const QString& projectPath, const ProjectFile::SHeader& header, CProjectRegistry& registry,
                   const FExtras& extras)
{
    const QString project = QFileInfo(projectPath).absoluteFilePath();
    const QString dataFolder = ProjectFile::DataFolder(project);
    CProjectTransaction transaction(project);
    if (!transaction.Begin())
        return {false, project};
    const QString staged = transaction.StagedDataFolder();
    // Components name their files in the staged folder; the user knows them by their final place.
    const auto shown = [&](const QString& path) { return QString(path).replace(staged, dataFolder); };
    {
        QSettings settings(transaction.StagedProjectFile(), QSettings::IniFormat);
        settings.clear();
        header.Write(settings);
        if (!registry.SaveAll(settings, staged))
            return {false, shown(registry.Failures().first())};
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return {false, project};
    }
    if (extras && !extras(staged))
        return {false, dataFolder};
    if (!transaction.Commit())
        return {false, project};
    return {true, QString()};
}

COpened::COpened(const QString& projectPath)
    : m_sDataFolder(ProjectFile::DataFolder(QFileInfo(projectPath).absoluteFilePath())),
      m_sFolder(QFileInfo(projectPath).absolutePath())
{
}

COpened::~COpened() = default;

EOpen Open(const QString& projectPath, std::unique_ptr<COpened>& opened)
{
    opened.reset();
    const QString project = QFileInfo(projectPath).absoluteFilePath();
    CProjectTransaction::Recover(project);
    // A data folder that is a link leads elsewhere: nothing is read through it.
    if (!QFileInfo(project).isFile() || !Helper::IsRealFolder(ProjectFile::DataFolder(project)))
        return EOpen::eIncomplete;
    auto result = std::make_unique<COpened>(project);
    result->m_source = std::make_unique<CIniSource>(project, kMaxProjectBytes, true);
    if (result->m_source->Problem() != CIniSource::eNONE)
        return EOpen::eIncomplete;
    result->m_settings = std::make_unique<QSettings>(result->m_source->Path(), QSettings::IniFormat);
    result->m_header = ProjectFile::SHeader::Read(*result->m_settings);
    Helper::AppLog(QStringLiteral("Loading with Mode: %1").arg(result->m_header.iSaveMode));
    if (result->m_header.iVersion > ProjectFile::kVersion)
        return EOpen::eIncompatible;
    opened = std::move(result);
    return EOpen::eOk;
}
}  // namespace ProjectStore
