#include "session/ScopesModel.h"

#include "core/EngineState.h"
#include "scopes/Scope.h"
#include "session/PreviewModel.h"
#include "session/SettingsValue.h"

#include <QSettings>

#include <algorithm>
#include <cmath>
#include <cstring>

CScopesModel::CScopesModel(CPreviewModel& preview, QObject* parent) : QObject(parent), m_preview(preview)
{
    m_worker.setMaxThreadCount(1);
    connect(&m_preview, &CPreviewModel::updated, this, &CScopesModel::PreviewUpdated);
}

CScopesModel::~CScopesModel()
{
    m_worker.waitForDone();
}

int CScopesModel::AddView(const SScopeSettings& settings)
{
    m_views.push_back(std::make_unique<SView>());
    m_views.back()->settings = settings;
    RequestUpdate();
    return ViewCount() - 1;
}

const SScopeSettings& CScopesModel::Settings(int view) const
{
    return m_views.at(size_t(view))->settings;
}

void CScopesModel::SetSettings(int view, const SScopeSettings& settings)
{
    SView& v = *m_views.at(size_t(view));
    if (v.settings == settings)
        return;
    v.settings = settings;
    RequestUpdate();
}

bool CScopesModel::IsEnabled(int view) const
{
    return m_views.at(size_t(view))->bEnabled;
}

void CScopesModel::SetEnabled(int view, bool enabled)
{
    if (std::exchange(m_views.at(size_t(view))->bEnabled, enabled) != enabled)
        RequestUpdate();
}

void CScopesModel::SetVisible(int view, bool visible)
{
    if (std::exchange(m_views.at(size_t(view))->bVisible, visible) != visible)
        RequestUpdate();
}

bool CScopesModel::AnyActive() const
{
    return std::any_of(m_views.begin(), m_views.end(), [](const auto& v) { return v->bEnabled && v->bVisible; });
}

bool CScopesModel::IsActive(int view) const
{
    const SView& v = *m_views.at(size_t(view));
    return v.bEnabled && v.bVisible;
}

void CScopesModel::SetSource(ESource source, double split)
{
    split = std::clamp(split, 0.0, 1.0);
    if (source == m_eSource && (source != eSplit || split == m_dSplit))
        return;
    m_eSource = source;
    m_dSplit = split;
    m_bPictureMissed = true; // composed anew from the preview's pictures
    RequestUpdate();
}

const SScope& CScopesModel::Scope(int view) const
{
    return m_views.at(size_t(view))->shown;
}

void CScopesModel::RequestUpdate()
{
    if (m_bRunning)
    {
        m_bPending = true; // one more run after this one, of whatever is newest then
        return;
    }
    Start();
}

void CScopesModel::PreviewUpdated()
{
    m_bPictureMissed = !AnyActive();
    if (!m_bPictureMissed)
        TakePicture();
    RequestUpdate();
}

void CScopesModel::TakePicture()
{
    m_bPictureMissed = false;
    const QSize size = m_preview.Graded().size();
    auto& graded = const_cast<Helper::CRGB48Buffer&>(m_preview.Result());
    const uint16_t* original = m_eSource == eGraded ? nullptr : m_preview.OriginalPixels();
    if (size.isEmpty() || graded.GetSize() != size || (m_eSource != eGraded && !original))
        return;
    const int target = m_iReading < 0 ? std::max(m_iNewest, 0) : 1 - m_iReading;
    Helper::CRGB48Buffer& picture = m_pictures[target];
    picture.Create(size, Helper::eCP_NO_CLEAR);
    const size_t row = size_t(size.width()) * 3;
    const int split = m_eSource == eOriginal ? size.width()
                      : m_eSource == eSplit  ? int(std::lround(m_dSplit * size.width()))
                                             : 0;
    for (int y = 0; y < size.height(); ++y)
    {
        uint16_t* out = picture.GetData() + y * row;
        if (split > 0)
            std::memcpy(out, original + y * row, size_t(split) * 3 * sizeof(uint16_t));
        if (split < size.width())
            std::memcpy(out + size_t(split) * 3, graded.GetData() + y * row + size_t(split) * 3,
                        size_t(size.width() - split) * 3 * sizeof(uint16_t));
    }
    m_iNewest = target;
}

void CScopesModel::Start()
{
    m_bPending = false;
    std::vector<std::pair<SView*, SScopeSettings>> job;
    for (const std::unique_ptr<SView>& view : m_views)
        if (view->bEnabled && view->bVisible)
            job.emplace_back(view.get(), view->settings);
    if (job.empty())
        return;
    if (m_bPictureMissed)
        TakePicture();
    if (m_iNewest < 0)
        return;
    m_bRunning = true;
    m_iReading = m_iNewest;
    const Helper::CRGB48Buffer* picture = &m_pictures[m_iReading];
    const int bands = MP_UI_GetThreadCount();
    m_worker.start([this, job, picture, bands] {
        auto& pixels = const_cast<Helper::CRGB48Buffer&>(*picture);
        for (const auto& [view, settings] : job)
            MakeScope(pixels.GetData(), pixels.Width(), pixels.Height(), settings, bands, view->next);
        QMetaObject::invokeMethod(this, [this, job] {
            for (const auto& entry : job)
                std::swap(entry.first->shown, entry.first->next);
            Finished();
        }, Qt::QueuedConnection);
    });
}

void CScopesModel::Finished()
{
    m_bRunning = false;
    m_iReading = -1;
    ++m_iComputations;
    emit scopesChanged();
    if (m_bPending)
        Start();
}

void CScopesModel::LoadView(int view, const QSettings& settings, const QString& key)
{
    SView& v = *m_views.at(size_t(view));
    SScopeSettings s = v.settings;
    if (const std::optional<int> kind = SettingsValue::Int(settings, key + "/kind"); kind && *kind >= 0 && *kind < kScopeKindCount)
        s.eKind = EScopeKind(*kind);
    bool ok = false;
    const float gain = settings.value(key + "/gain").toFloat(&ok);
    if (ok && std::isfinite(gain) && gain >= kMinScopeGain && gain <= kMaxScopeGain)
        s.fGain = gain;
    if (const std::optional<int> log = SettingsValue::Int(settings, key + "/logarithmic"); log && (*log == 0 || *log == 1))
        s.bLogarithmic = *log == 1;
    if (const std::optional<int> enabled = SettingsValue::Int(settings, key + "/enabled"); enabled && (*enabled == 0 || *enabled == 1))
        SetEnabled(view, *enabled == 1);
    SetSettings(view, s);
}

void CScopesModel::SaveView(int view, QSettings& settings, const QString& key) const
{
    const SView& v = *m_views.at(size_t(view));
    settings.setValue(key + "/kind", int(v.settings.eKind));
    settings.setValue(key + "/gain", double(v.settings.fGain));
    settings.setValue(key + "/logarithmic", int(v.settings.bLogarithmic));
    settings.setValue(key + "/enabled", int(v.bEnabled));
}
