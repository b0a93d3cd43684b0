#include "session/ExposureSeries.h"

#include "core/AtomicFile.h"
#include "session/ProjectFile.h"
#include "session/SettingsValue.h"

#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <cmath>

namespace
{
// "CMap%04i.dat": a fixed-size record of the picture's file when the project was saved.
constexpr char kRecordMagic[8] = {'V', 'T', 'C', 'M', 'A', 'P', '0', '1'};
constexpr qint64 kRecordBytes = 8 + 8 + 8 + 4 + 4;

struct SFileRecord
{
    qint64 iBytes = -1;
    qint64 iModifiedMs = 0;
    qint32 iWidth = 0, iHeight = 0;
};

QString Group(int i)
{
    return QStringLiteral("Exposure%1/").arg(i, 4, 10, QLatin1Char('0'));
}

QString RecordFile(const QString& dataFolder, int i)
{
    return dataFolder + QStringLiteral("/CMap%1.dat").arg(i, 4, 10, QLatin1Char('0'));
}

SFileRecord RecordOf(const QString& path, QSize size)
{
    const QFileInfo info(path);
    SFileRecord record;
    record.iBytes = info.isFile() ? info.size() : -1;
    record.iModifiedMs = info.isFile() ? info.lastModified().toMSecsSinceEpoch() : 0;
    record.iWidth = size.width();
    record.iHeight = size.height();
    return record;
}

bool WriteRecord(const QString& file, const SFileRecord& record)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setByteOrder(QDataStream::LittleEndian);
    stream.writeRawData(kRecordMagic, sizeof(kRecordMagic));
    stream << record.iBytes << record.iModifiedMs << record.iWidth << record.iHeight;
    return stream.status() == QDataStream::Ok && AtomicFile::Write(file, bytes);
}

bool ReadRecord(const QString& file, SFileRecord& record)
{
    QFile in(file);
    if (!ProjectFile::IsOwnFile(file) || in.size() != kRecordBytes || !in.open(QIODevice::ReadOnly))
        return false;
    QDataStream stream(&in);
    stream.setByteOrder(QDataStream::LittleEndian);
    char magic[sizeof(kRecordMagic)] = {};
    stream.readRawData(magic, sizeof(magic));
    stream >> record.iBytes >> record.iModifiedMs >> record.iWidth >> record.iHeight;
    return stream.status() == QDataStream::Ok && std::equal(magic, magic + sizeof(magic), kRecordMagic);
}

int ReadSide(const QSettings& settings, const QString& key)
{
    return std::clamp(SettingsValue::Int(settings, key).value_or(0), 0, CExposureSeries::kMaxSide);
}

float ReadFloat(const QSettings& settings, const QString& key, float fallback, float low, float high)
{
    bool ok = false;
    const float v = settings.value(key).toFloat(&ok);
    return ok && std::isfinite(v) ? std::clamp(v, low, high) : fallback;
}
}  // namespace

void CExposureSeries::Clear()
{
    m_pictures.clear();
    m_states.clear();
    m_size = m_previewSize = QSize();
    m_dScalingFactor = 1.0;
}

void CExposureSeries::SetPicture(const QString& path, QSize size, QSize previewSize, const uint16_t* pixels)
{
    Clear();
    SPicture picture;
    picture.sFilePath = QFileInfo(path).absoluteFilePath();
    picture.sFileName = QFileInfo(path).fileName();
    if (pixels && !size.isEmpty())
    {
        double sum = 0.0;
        const size_t count = size_t(size.width()) * size_t(size.height());
        for (size_t i = 0; i < count; ++i)
            sum += 0.2126 * pixels[3 * i] + 0.7152 * pixels[3 * i + 1] + 0.0722 * pixels[3 * i + 2];
        picture.fAvgLuminance = float(sum / double(count) / 65535.0);
    }
    m_pictures.push_back(picture);
    m_states.push_back(EFileState::eUnchanged);
    m_size = size;
    m_previewSize = previewSize;
    m_dScalingFactor = size.width() > 0 ? double(previewSize.width()) / size.width() : 1.0;
}

CExposureSeries::EFileState CExposureSeries::FileState(int i) const
{
    return i >= 0 && i < int(m_states.size()) ? m_states[size_t(i)] : EFileState::eUnchanged;
}

void CExposureSeries::SaveProject(QSettings& settings, const QString& dataFolder)
{
    settings.setValue("ExposureSeries/Size", int(m_pictures.size()));
    settings.setValue("ExposureSeries/Width", m_size.width());
    settings.setValue("ExposureSeries/Height", m_size.height());
    settings.setValue("ExposureSeries/WidthPrev", m_previewSize.width());
    settings.setValue("ExposureSeries/HeightPrev", m_previewSize.height());
    settings.setValue("ExposureSeries/ScalingFactor", m_dScalingFactor);
    for (int i = 0; i < int(m_pictures.size()); ++i)
    {
        const SPicture& p = m_pictures[size_t(i)];
        const QString group = Group(i);
        settings.setValue(group + "FileName", p.sFileName);
        settings.setValue(group + "FilePath", p.sFilePath);
        settings.setValue(group + "Active", p.bActive);
        settings.setValue(group + "Master", p.bMaster);
        settings.setValue(group + "Dark", p.bDark);
        settings.setValue(group + "Flat", p.bFlat);
        settings.setValue(group + "Synthetic", p.bSynthetic);
        settings.setValue(group + "GlobalWeight", double(p.fGlobalWeight));
        settings.setValue(group + "ExposureValue", double(p.fExposureValue));
        settings.setValue(group + "AvgLuminance", double(p.fAvgLuminance));
        if (!WriteRecord(RecordFile(dataFolder, i), RecordOf(p.sFilePath, m_size)))
            ReportSaveFailure(RecordFile(dataFolder, i));
    }
}

void CExposureSeries::LoadProject(QSettings& settings, const QString& dataFolder)
{
    Clear();
    const QDir projectFolder = QFileInfo(dataFolder).dir();
    m_size = QSize(ReadSide(settings, "ExposureSeries/Width"), ReadSide(settings, "ExposureSeries/Height"));
    m_previewSize = QSize(ReadSide(settings, "ExposureSeries/WidthPrev"), ReadSide(settings, "ExposureSeries/HeightPrev"));
    m_dScalingFactor = ReadFloat(settings, "ExposureSeries/ScalingFactor", 1.0f, 0.0f, 1.0f);
    // The count is only an upper bound: the list ends at the first picture without a path.
    const int count = std::clamp(SettingsValue::Int(settings, "ExposureSeries/Size").value_or(0), 0, kMaxPictures);
    for (int i = 0; i < count; ++i)
    {
        const QString group = Group(i);
        const QString path = settings.value(group + "FilePath").toString();
        if (path.isEmpty())
            break;
        SPicture p;
        p.sFilePath = QDir::cleanPath(projectFolder.absoluteFilePath(path));
        p.sFileName = QFileInfo(p.sFilePath).fileName();
        p.bActive = settings.value(group + "Active", true).toBool();
        p.bMaster = settings.value(group + "Master", i == 0).toBool();
        p.bDark = settings.value(group + "Dark", false).toBool();
        p.bFlat = settings.value(group + "Flat", false).toBool();
        p.bSynthetic = settings.value(group + "Synthetic", false).toBool();
        p.fGlobalWeight = ReadFloat(settings, group + "GlobalWeight", 1.0f, 0.0f, 1.0f);
        p.fExposureValue = ReadFloat(settings, group + "ExposureValue", 0.0f, -100.0f, 100.0f);
        p.fAvgLuminance = ReadFloat(settings, group + "AvgLuminance", 0.0f, 0.0f, 1.0f);
        SFileRecord saved;
        EFileState state = EFileState::eUnchanged;
        const SFileRecord now = RecordOf(p.sFilePath, m_size);
        if (now.iBytes < 0)
            state = EFileState::eMissing;
        else if (ReadRecord(RecordFile(dataFolder, i), saved) &&
                 (saved.iBytes != now.iBytes || saved.iModifiedMs != now.iModifiedMs))
            state = EFileState::eChanged;
        m_pictures.push_back(p);
        m_states.push_back(state);
    }
}
