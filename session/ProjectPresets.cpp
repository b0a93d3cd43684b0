#include "session/ProjectPresets.h"

#include "session/ProjectFile.h"
#include "session/SettingsValue.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>

namespace
{
QStringList PresetFiles(const QString& folder, const QString& pattern)
{
    QStringList files;
    for (const QFileInfo& entry : QDir(folder).entryInfoList({pattern}, QDir::Files, QDir::Name))
        if (ProjectFile::IsOwnFile(entry.filePath()))
            files << entry.filePath();
    return files;
}

QString FileName(const QString& path)
{
    return QFileInfo(path).fileName();
}
}  // namespace

void CPresetBoxes::LoadFolders(const QString& systemFolder, const QString& userFolder)
{
    m_boxes.clear();
    for (const QString& path : PresetFiles(systemFolder, QStringLiteral("vantropepp_v2_*.ini")))
        Add(path);
    for (const QString& path : PresetFiles(userFolder, QStringLiteral("vantropepp_vu_*.ini")))
        Add(path);
}

void CPresetBoxes::Add(const QString& path)
{
    SBox box;
    box.preset = std::make_unique<CPostProcessing>();
    box.preset->SetPath(path);
    box.preset->Load();
    m_boxes.push_back(std::move(box));
}

void CPresetBoxes::SetScroll(int vertical, int horizontal)
{
    m_iScrollVer = vertical;
    m_iScrollHor = horizontal;
}

void CPresetBoxes::SetFilterButton(int i, bool checked)
{
    if (i >= 0 && i < kFilterButtons)
        m_abFilter[size_t(i)] = checked;
}

void CPresetBoxes::SaveProject(QSettings& settings, const QString& dataFolder)
{
    // The data folder is written fresh for every save, so no copy of an earlier save is left.
    for (const SBox& box : m_boxes)
    {
        if (!box.bEnabled)
            continue;
        const QString copy = dataFolder + "/" + FileName(box.preset->Path());
        if (!box.preset->SaveTo(copy, false))
            ReportSaveFailure(copy);
    }
    settings.setValue("PresetsDock/Selected", m_iSelected);
    settings.setValue("PresetsDock/ScrollVerPos", m_iScrollVer);
    settings.setValue("PresetsDock/ScrollHorPos", m_iScrollHor);
    for (int i = 0; i < kFilterButtons; ++i)
        settings.setValue(QStringLiteral("Filter/Button%1").arg(i), m_abFilter[size_t(i)]);
}

CPresetBoxes::SBox* CPresetBoxes::Match(const QString& fileName, const CPostProcessing& copy)
{
    for (SBox& box : m_boxes)
    {
        const QString own = FileName(box.preset->Path());
        const bool matches = fileName.contains("_vu_")   ? own.contains("_vu_") && box.preset->TimeStamp() == copy.TimeStamp()
                             : fileName.contains("_va_") ? box.preset->TimeStamp() == copy.TimeStamp()
                                                         : !own.contains("_vu_") && own == fileName;
        if (matches)
            return &box;
    }
    return nullptr;
}

void CPresetBoxes::LoadProject(QSettings& settings, const QString& dataFolder)
{
    QStringList copies;
    for (const char* pattern : {"vantropepp_v2_*.ini", "vantropepp_vu_*.ini", "*_va_*.ini"})
        copies << PresetFiles(dataFolder, QLatin1String(pattern));
    copies.removeDuplicates();
    for (const QString& path : copies)
    {
        CPostProcessing copy;
        copy.SetPath(path);
        copy.Load();
        SBox* box = Match(FileName(path), copy);
        if (!box)
            continue; // presets this installation does not have are ignored
        const QString own = box->preset->Path();
        *box->preset = copy;
        box->preset->SetPath(own);
        box->bEnabled = true;
    }
    for (int i = 0; i < kFilterButtons; ++i)
        m_abFilter[size_t(i)] = settings.value(QStringLiteral("Filter/Button%1").arg(i), m_abFilter[size_t(i)]).toBool();
    const int count = int(m_boxes.size());
    m_iSelected = std::clamp(SettingsValue::Int(settings, "PresetsDock/Selected").value_or(m_iSelected), -1, count - 1);
    m_iScrollVer = std::max(0, SettingsValue::Int(settings, "PresetsDock/ScrollVerPos").value_or(m_iScrollVer));
    m_iScrollHor = std::max(0, SettingsValue::Int(settings, "PresetsDock/ScrollHorPos").value_or(m_iScrollHor));
}
