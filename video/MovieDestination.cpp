// The destination descriptor of an export job and its quality table.
#include "video/MovieHandling.h"

#include "core/AppLog.h"
#include "core/EngineState.h"

#include <QSettings>

using Helper::AppLog;

namespace
{
const char* const kCodecKeys[] = {"eCODEC0", "eCODEC1"};
const char* const kQualityKeys[] = {"eLOWEST", "eLOW", "eNORMAL", "eBETTER", "eBEST"};
const char* const kArtefactKeys[] = {"eUNCHANGED", "eSLIGHT", "eSTRONG", "eINTENSIVE", "eMAXIMAL"};

template <size_t N>
int KeyIndex(const char* const (&keys)[N], const QString& text, int fallback)
{
    for (size_t i = 0; i < N; ++i)
        if (text == QLatin1String(keys[i]))
            return int(i);
    return fallback;
}
}  // namespace

void CMovieHandling::SDstDesc::SetCodec(ECodec codec)
{
    m_eCodec = codec;
    m_eQuality = eNORMAL;
}

void CMovieHandling::SDstDesc::SetPath(const QString& path)
{
    // Only a dot inside the file name starts an extension: "/a.b/clip" keeps its folder, and a
    // name that begins with its only dot (".clip") is kept whole.
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    m_strPath = dot > 0 && dot > slash + 1 ? path.left(dot) : path;
}

QString CMovieHandling::SDstDesc::Folder() const
{
    const qsizetype slash = m_strPath.lastIndexOf(QLatin1Char('/'));
    return slash >= 1 ? m_strPath.left(slash) : QString();
}

void CMovieHandling::SDstDesc::SetResolution(int width, int height)
{
    const int modulo = std::max(MP_UI_GetVideoResolutionModulo(), 1);
    const QSize stored(width - width % modulo, height - height % modulo);
    if (stored != QSize(width, height))
        AppLog(QStringLiteral("CMovieHandling::SDstDesc()::SetResolution -> Resolution has been normalised (%1/%2 -> "
                              "%3/%4).")
                   .arg(width)
                   .arg(height)
                   .arg(stored.width())
                   .arg(stored.height()));
    m_iResolution = stored;
}

bool CMovieHandling::SDstDesc::IsValid() const
{
    if (!m_strPath.isEmpty())
        return true;
    AppLog("CMovieHandling::SDstDesc::IsValid() -> Failed.");
    return false;
}

void CMovieHandling::SDstDesc::Save(QSettings& settings) const
{
    settings.beginGroup("DstDesc");
    settings.setValue("m_eCodec", kCodecKeys[m_eCodec]);
    settings.setValue("m_eQuality", kQualityKeys[m_eQuality]);
    settings.setValue("m_eArtefact", kArtefactKeys[m_eArtefact]);
    settings.setValue("m_bCopyMetadata", m_bCopyMetadata);
    settings.setValue("m_bCopyAudio", m_bCopyAudio);
    settings.setValue("m_bFlipX", m_bFlipX);
    settings.setValue("m_bFlipY", m_bFlipY);
    settings.setValue("m_strPath", m_strPath);
    settings.setValue("m_iResolution", m_iResolution);
    settings.endGroup();
}

void CMovieHandling::SDstDesc::Load(QSettings& settings)
{
    *this = SDstDesc();
    settings.beginGroup("DstDesc");
    m_eCodec = ECodec(KeyIndex(kCodecKeys, settings.value("m_eCodec", kCodecKeys[m_eCodec]).toString(), eCODEC0));
    m_eQuality = EQuality(
        KeyIndex(kQualityKeys, settings.value("m_eQuality", kQualityKeys[m_eQuality]).toString(), eNORMAL));
    m_eArtefact = EArtefact(
        KeyIndex(kArtefactKeys, settings.value("m_eArtefact", kArtefactKeys[m_eArtefact]).toString(), eUNCHANGED));
    m_bCopyMetadata = settings.value("m_bCopyMetadata", m_bCopyMetadata).toBool();
    m_bCopyAudio = settings.value("m_bCopyAudio", m_bCopyAudio).toBool();
    m_bFlipX = settings.value("m_bFlipX", m_bFlipX).toBool();
    m_bFlipY = settings.value("m_bFlipY", m_bFlipY).toBool();
    m_strPath = settings.value("m_strPath", m_strPath).toString();
    const QVariant size = settings.value("m_iResolution", m_iResolution);
    if (size.canConvert<QSize>())
        m_iResolution = size.toSize();
    settings.endGroup();
}

QString CMovieHandling::SDstDesc::CodecExtension(ECodec codec)
{
    return codec == eCODEC1 ? QStringLiteral("avi") : QStringLiteral("mp4");
}

QString CMovieHandling::SDstDesc::CodecName(ECodec codec)
{
    return codec == eCODEC1 ? QStringLiteral("uncompressed") : QStringLiteral("mpeg4");
}

int CMovieHandling::QualityParameter(ECodec codec, EQuality quality)
{
    static const int crf[2][5] = {{37, 31, 23, 13, 1}, {-2, -2, -2, -2, -2}};
    if (codec < eCODEC0 || codec > eCODEC1 || quality < eLOWEST || quality > eBEST)
        return -1;
    return crf[codec][quality];
}
