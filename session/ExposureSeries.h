// The picture set being graded. This program grades one picture at a time, the loaded still or
// the shown frame of the loaded clip; the set keeps its file, its size, the preview size and the
// scaling factor between them for the project ("ExposureSeries/…", "Exposure%04i/…"), and per
// picture a record "CMap%04i.dat" of the file as it was when saved (its size and time), so a
// project can tell when its picture changed or went missing since.
#pragma once

#include "core/IProject.h"

#include <QSize>
#include <QString>

#include <cstdint>
#include <vector>

class CExposureSeries : public IProject
{
public:
    /// Picture numbers have four digits.
    static constexpr int kMaxPictures = 9999;
    /// Sides above this are not a picture this program could have loaded.
    static constexpr int kMaxSide = 1 << 20;

    struct SPicture
    {
        QString sFileName;
        QString sFilePath;
        bool bActive = true;
        bool bMaster = true;
        bool bDark = false;
        bool bFlat = false;
        bool bSynthetic = false;
        float fGlobalWeight = 1.0f;
        float fExposureValue = 0.0f;
        float fAvgLuminance = 0.0f; // mean Rec. 709 luminance, 0…1
    };
    enum class EFileState
    {
        eUnchanged, // as when the project was saved (or nothing to compare with)
        eChanged,
        eMissing,
    };

    void Clear();
    /// The one picture of the set: its file, full size, the preview size and, when given, its
    /// pixels (packed 16-bit RGB at full size) for the mean luminance.
    void SetPicture(const QString& path, QSize size, QSize previewSize, const uint16_t* pixels = nullptr);
    const std::vector<SPicture>& Pictures() const { return m_pictures; }
    /// The first picture's path; empty for an empty set.
    QString SourcePath() const { return m_pictures.empty() ? QString() : m_pictures.front().sFilePath; }
    QSize Size() const { return m_size; }
    QSize PreviewSize() const { return m_previewSize; }
    /// Preview width ÷ width (1 for an empty set).
    double ScalingFactor() const { return m_dScalingFactor; }
    /// After a load: the state of picture i's file against its saved record.
    EFileState FileState(int i) const;

    void SaveProject(QSettings& settings, const QString& dataFolder) override;
    /// Relative paths are taken from the project's folder (the data folder's parent).
    void LoadProject(QSettings& settings, const QString& dataFolder) override;

private:
    std::vector<SPicture> m_pictures;
    std::vector<EFileState> m_states;
    QSize m_size, m_previewSize;
    double m_dScalingFactor = 1.0;
};
