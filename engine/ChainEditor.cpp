#include "engine/ChainEditor.h"

#include <algorithm>
#include <cmath>
#include <cstring>

CChainEditor::CChainEditor(CPostProcessing& chain, const COperatorCatalogue& catalogue)
    : m_chain(chain), m_catalogue(catalogue)
{
}

bool CChainEditor::IsValid(int index, int set) const
{
    return IsValid(index) && set >= 0 && set < int(m_chain.Operators()[index].aParams.size());
}

int CChainEditor::Add(const QString& kernel, int position)
{
    const SCatalogueEntry* entry = m_catalogue.FindKernel(kernel);
    if (!entry)
        return -1;
    if (position < 0 || position > Count())
        position = Count();
    m_chain.Operators().insert(position, m_catalogue.CreateOperator(*entry));
    m_chain.SetPending(true);
    return position;
}

bool CChainEditor::Remove(int index)
{
    if (!IsValid(index))
        return false;
    m_chain.Operators().removeAt(index);
    m_chain.SetPending(true);
    return true;
}

bool CChainEditor::Move(int from, int to)
{
    if (!IsValid(from) || !IsValid(to))
        return false;
    if (from != to)
    {
        m_chain.Operators().move(from, to);
        m_chain.SetPending(true);
    }
    return true;
}

bool CChainEditor::SetActive(int index, bool active)
{
    if (!IsValid(index))
        return false;
    m_chain.Operators()[index].bActive = active;
    m_chain.SetPending(true);
    return true;
}

const SCatalogueEntry* CChainEditor::Entry(int index) const
{
    return IsValid(index) ? m_catalogue.FindKernel(m_chain.Operators()[index].Kernel) : nullptr;
}

const SCatalogueControl* CChainEditor::Control(int index, int set) const
{
    const SCatalogueEntry* entry = Entry(index);
    if (!entry || !IsValid(index, set) || set >= entry->controls.size())
        return nullptr;
    const SCatalogueControl& c = entry->controls[set];
    return c.eSetType == SetType(index, set) ? &c : nullptr;
}

int CChainEditor::SetCount(int index) const
{
    return IsValid(index) ? int(m_chain.Operators()[index].aParams.size()) : 0;
}

int32_t CChainEditor::SetType(int index, int set) const
{
    const CPostProcessing::SParam* p = Set(index, set);
    return p ? p->eType : -1;
}

CPostProcessing::SParam* CChainEditor::Set(int index, int set)
{
    return IsValid(index, set) ? &m_chain.Operators()[index].aParams[size_t(set)] : nullptr;
}

const CPostProcessing::SParam* CChainEditor::Set(int index, int set) const
{
    return IsValid(index, set) ? &m_chain.Operators()[index].aParams[size_t(set)] : nullptr;
}

float CChainEditor::Value(int index, int set, int value) const
{
    const CPostProcessing::SParam* p = Set(index, set);
    return p && value >= 0 && value < MP_PARAM_VALUES ? p->afValues[value] : 0.0f;
}

const float* CChainEditor::Values(int index, int set) const
{
    const CPostProcessing::SParam* p = Set(index, set);
    return p ? p->afValues : nullptr;
}

bool CChainEditor::SetValue(int index, int set, int value, float v)
{
    CPostProcessing::SParam* p = Set(index, set);
    if (!p || value < 0 || value >= CPostProcessing::ValueCount(p->eType))
        return false;
    p->afValues[value] = v;
    CPostProcessing::ClampToRange(p->eType, p->afValues);
    m_chain.SetPending(true);
    return true;
}

bool CChainEditor::SetValues(int index, int set, const float* values, int count)
{
    CPostProcessing::SParam* p = Set(index, set);
    if (!p || !values || count < 0 || count > MP_PARAM_VALUES)
        return false;
    std::copy(values, values + count, p->afValues);
    CPostProcessing::ClampToRange(p->eType, p->afValues);
    m_chain.SetPending(true);
    return true;
}

void CChainEditor::DefaultValues(int32_t setType, const SCatalogueControl* control, float* values)
{
    std::fill(values, values + MP_PARAM_VALUES, 0.0f);
    if (control && control->eSetType == setType)
        std::copy(control->afDefault, control->afDefault + 12, values);
    else if (setType == CPostProcessing::eSPLINE)
        COperatorCatalogue::DefaultCurve(1, values);
    if (setType == CPostProcessing::eCOMBO)
    {
        values[0] = 0.0f;
        values[1] = 100.0f;
    }
    else if (setType == CPostProcessing::eGEO)
        std::fill(values, values + MP_PARAM_VALUES, 0.0f);
    CPostProcessing::ClampToRange(setType, values);
}

bool CChainEditor::ResetSet(int index, int set)
{
    CPostProcessing::SParam* p = Set(index, set);
    if (!p)
        return false;
    DefaultValues(p->eType, Control(index, set), p->afValues);
    m_chain.SetPending(true);
    return true;
}

bool CChainEditor::IsDefault(int index, int set) const
{
    const CPostProcessing::SParam* p = Set(index, set);
    if (!p)
        return false;
    float initial[MP_PARAM_VALUES];
    DefaultValues(p->eType, Control(index, set), initial);
    const int count = CPostProcessing::ValueCount(p->eType);
    for (int i = 0; i < count; ++i)
        if (std::fabs(initial[i] - p->afValues[i]) >= 0.001f)
            return false;
    return true;
}

int CChainEditor::AddShape(int index, int set, const SGeometryShape& shape)
{
    CPostProcessing::SParam* p = Set(index, set);
    if (!p || p->eType != CPostProcessing::eGEO)
        return -1;
    const int slot = GeometrySet::Add(p->afValues, shape);
    if (slot >= 0)
        m_chain.SetPending(true);
    return slot;
}

bool CChainEditor::SetShape(int index, int set, int shape, const SGeometryShape& value)
{
    CPostProcessing::SParam* p = Set(index, set);
    if (!p || p->eType != CPostProcessing::eGEO || shape < 0 || shape >= GeometrySet::kMaxShapes)
        return false;
    GeometrySet::Write(p->afValues, shape, value);
    m_chain.SetPending(true);
    return true;
}

bool CChainEditor::RemoveShape(int index, int set, int shape)
{
    CPostProcessing::SParam* p = Set(index, set);
    if (!p || p->eType != CPostProcessing::eGEO || !GeometrySet::Remove(p->afValues, shape))
        return false;
    m_chain.SetPending(true);
    return true;
}

float CChainEditor::ShownValue(const SCatalogueControl& control, float position)
{
    return control.fMin + std::clamp(position, 0.0f, 1.0f) * (control.fMax - control.fMin);
}

float CChainEditor::SliderPosition(const SCatalogueControl& control, float shown)
{
    const float span = control.fMax - control.fMin;
    if (span == 0.0f)
        return 0.0f;
    return std::clamp((shown - control.fMin) / span, 0.0f, 1.0f);
}

int CChainEditor::JoinedSets(int index, int set) const
{
    int joined = 0;
    for (const SCatalogueControl* c = Control(index, set + 1); c && c->bJoined; c = Control(index, set + 1 + joined))
        ++joined;
    return joined;
}

void CChainEditor::MoveCurvePoint(float* curve, int point, float x, float y, bool periodic)
{
    if (!curve || point < 0 || point > 5)
        return;
    // Interior points keep a small gap to their neighbours so the spline's intervals never
    // collapse (the coefficients divide by them).
    constexpr float kGap = 0.01f;
    if (!std::isfinite(x))
        x = curve[2 * point];
    if (point == 0)
        x = 0.0f;
    else if (point == 5)
        x = 1.0f;
    else
    {
        const float lo = curve[2 * (point - 1)] + kGap;
        const float hi = curve[2 * (point + 1)] - kGap;
        x = lo <= hi ? std::clamp(x, lo, hi) : curve[2 * point];
    }
    curve[2 * point] = x;
    curve[2 * point + 1] = std::isfinite(y) ? std::clamp(y, 0.0f, 1.0f) : 0.0f;
    if (periodic && (point == 0 || point == 5))
        curve[point == 0 ? 11 : 1] = curve[2 * point + 1];
}
