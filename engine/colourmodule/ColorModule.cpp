#include "engine/colourmodule/ColorModule.h"

#include "core/AppLog.h"

#include <cstring>

bool CColorModule::SetImage(const uint16_t* pixels, int width, int height)
{
    DropCache();
    if (!pixels || width < 1 || height < 1)
        return false;
    const QSize size(width, height);
    if (!m_input.TryCreate(size, Helper::eCP_NO_CLEAR) || !m_result.TryCreate(size, Helper::eCP_NO_CLEAR) ||
        !m_maskSource.TryCreate(size, Helper::eCP_NO_CLEAR) || !m_mask.TryCreate(size, Helper::eCP_ON_CREATE))
    {
        m_input.Destroy();
        return false;
    }
    std::memcpy(m_input.GetData(), pixels, size_t(width) * size_t(height) * 3 * sizeof(uint16_t));
    return true;
}

bool CColorModule::HasActiveLayers() const
{
    for (int i = 0; i < m_controls.Count(); ++i)
        if (m_controls.Layer(i).Data().m_bActive)
            return true;
    return false;
}

int CColorModule::LayerLimit(ECMCalcKind kind) const
{
    if (kind == eMASK)
        return m_controls.MaskLayer();
    bool source = false;
    const int picking = m_controls.PickingLayer(&source);
    if (picking >= 0 && source)
        return picking;
    const int mask = m_controls.MaskLayer();
    return mask >= 0 ? mask + 1 : -1;
}

SCMEffectParams CColorModule::BuildRecord(const ColorModule::CColorControls& controls, ECMCalcKind kind, int limit,
                                          const SImageRef& source, const SImageRef& target)
{
    if (!source.IsValid() || !target.IsValid() || source.iWidth != target.iWidth || source.iHeight != target.iHeight)
        throw Helper::CExceptionInvalidImageMetric();
    SCMEffectParams p;
    p.iWidth = source.iWidth;
    p.iHeight = source.iHeight;
    p.pSource = source.pData;
    p.pTarget = target.pData;
    p.eKind = kind;
    const int count = std::min(controls.Count(), MP_CM_LAYER_SLOTS);
    for (int i = 0; i < count; ++i)
    {
        const SColorLayerData& d = controls.Layer(i).Data();
        if (!d.m_bActive || (limit >= 0 && i >= limit))
            continue;
        p.aiActive[i] = 1;
        p.afHueMin[i] = d.m_fSrcHueMin;
        p.afHueMax[i] = d.m_fSrcHueMax;
        p.afSatMin[i] = d.m_fSrcSatMin;
        p.afSatMax[i] = d.m_fSrcSatMax;
        p.afValMin[i] = d.m_fSrcVal;
        p.afSoftness[i] = d.m_fSrcSoftness;
        p.aiInvert[i] = d.m_bInverted ? 1 : 0;
        p.afDstHue[i] = d.m_fDstHue;
        p.afDstSat[i] = d.m_fDstSat;
        p.afDstVal[i] = d.m_fDstVal;
        p.afSatContrast[i] = d.m_fDstSatContrast;
        p.afValContrast[i] = d.m_fDstValContrast;
    }
    return p;
}

SCMEffectParams CColorModule::BuildRecord(ECMCalcKind kind, int limit)
{
    Helper::CRGB48Buffer& target = kind == eMASK ? m_maskSource : m_result;
    return BuildRecord(m_controls, kind, limit, {m_input.GetData(), m_input.Width(), m_input.Height()},
                       {target.GetData(), target.Width(), target.Height()});
}

bool CColorModule::CalcImage(const SCMEffectParams& record)
{
    const int slot = Slot(ECMCalcKind(record.eKind));
    if (m_bKept[slot] && record.SameLayers(m_kept[slot]))
    {
        Helper::AppLog("CColorModule::CalcImage() -> Calculation skipped since data haven't changed.");
        return true;
    }
    if (MP_UI_CalcCMEffects(&record) != MP_SUCCESS)
        return false;
    m_kept[slot] = record;
    m_bKept[slot] = true;
    return true;
}

bool CColorModule::CalcResult()
{
    if (!HasImage())
        return false;
    return CalcImage(BuildRecord(eRESULT, LayerLimit(eRESULT)));
}

bool CColorModule::CalcMask(bool pickability)
{
    const int layer = m_controls.MaskLayer();
    if (layer < 0 || !HasImage())
        return false;
    if (!CalcImage(BuildRecord(eMASK, layer)))
        return false;
    const int w = m_maskSource.Width(), h = m_maskSource.Height();
    if (pickability)
        return MP_CM_CreateGrey16MaskByPickablilty(0.1f, 1.f, 0.1f, 1.f, m_maskSource.GetData(), m_mask.GetData(), w,
                                                   h) == MP_SUCCESS;
    const SColorLayerData& d = m_controls.Layer(layer).Data();
    return MP_CM_CreateGrey16MaskBySelection(d.m_fSrcHueMin, d.m_fSrcHueMax, d.m_fSrcSatMin, d.m_fSrcSatMax,
                                             d.m_fSrcVal, d.m_fSrcSoftness, d.m_bInverted, m_maskSource.GetData(),
                                             m_mask.GetData(), w, h) == MP_SUCCESS;
}

bool CColorModule::ApplyInPlace(uint16_t* pixels, int width, int height)
{
    const SImageRef frame{pixels, width, height};
    if (!frame.IsValid())
        return false;
    const SCMEffectParams record = BuildRecord(m_controls, eRESULT, -1, frame, frame);
    return MP_UI_CalcCMEffects(&record) == MP_SUCCESS;
}

void CColorModule::DropCache()
{
    m_bKept[0] = m_bKept[1] = false;
}
