#include "video/FrameBlend.h"

#include "core/EngineState.h"
#include "core/WorkerSplit.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

namespace
{
constexpr float kScale = 3.051851e-5f; // 1 ÷ 32767
constexpr float kFloor = 0.001f;
constexpr int kMaxFrames = 64;

uint16_t ToSample(float value)
{
    // Truncation toward zero, kept inside the sample range (NaN counts as 0).
    if (!(value > 0.0f))
        return 0;
    if (value >= 65535.0f)
        return 65535;
    return uint16_t(value);
}

// The common quantities of one pixel channel: the integer mean and the half deviations.
struct SChannel
{
    int n = 0;
    uint32_t sum = 0;
    uint16_t s[kMaxFrames];
    int32_t d[kMaxFrames];

    void Load(const uint16_t* const* frames, int frames_n, size_t offset)
    {
        n = frames_n;
        sum = 0;
        for (int k = 0; k < n; ++k)
        {
            s[k] = frames[k][offset];
            sum += s[k];
        }
        const int32_t mean = n > 0 ? int32_t(sum / uint32_t(n)) : 0;
        for (int k = 0; k < n; ++k)
            d[k] = (mean - int32_t(s[k])) >> 1;
    }
    float SquaredDeviation(int k) const
    {
        const float dk = float(d[k]);
        return (dk * dk) * (kScale * kScale);
    }
    float WeightedMean(const float* w) const
    {
        float weighted = 0.0f, total = 0.0f;
        for (int k = 0; k < n; ++k)
        {
            weighted += float(s[k]) * w[k];
            total += w[k];
        }
        return weighted / std::max(kFloor, total);
    }
    // Σ (dk² × k² + ε) ÷ n, the spread before its root.
    float Variance() const
    {
        float total = 0.0f;
        for (int k = 0; k < n; ++k)
            total += SquaredDeviation(k) + kFloor;
        return total / float(std::max(n, 1));
    }
};

uint16_t BlendChannel(const SChannel& c, int mode)
{
    float w[kMaxFrames];
    switch (mode)
    {
    case 1:
        return uint16_t(c.sum / uint32_t(std::max(c.n, 1)));
    case 2:
        return c.n == 0 ? 65535 : *std::min_element(c.s, c.s + c.n);
    case 3:
        return c.n == 0 ? 0 : *std::max_element(c.s, c.s + c.n);
    case 4:
        for (int k = 0; k < c.n; ++k)
            w[k] = c.SquaredDeviation(k) + kFloor;
        return ToSample(c.WeightedMean(w));
    case 5:
        for (int k = 0; k < c.n; ++k)
            w[k] = 1.0f - std::sqrt(c.SquaredDeviation(k)) + kFloor;
        return ToSample(c.WeightedMean(w));
    case 6:
        return ToSample(std::sqrt(c.Variance()) * 65535.0f);
    case 8:
    {
        if (c.n == 0)
            return 0;
        uint16_t sorted[kMaxFrames];
        std::copy(c.s, c.s + c.n, sorted);
        std::nth_element(sorted, sorted + c.n / 2, sorted + c.n);
        return sorted[c.n / 2];
    }
    case 9:
        if (c.n == 0)
            return 0;
        return uint16_t((uint32_t(*std::min_element(c.s, c.s + c.n)) + *std::max_element(c.s, c.s + c.n)) >> 1);
    case 10:
    {
        const float span = float(std::max(c.n - 1, 1));
        for (int k = 0; k < c.n; ++k)
        {
            const float a = 1.0f - float(k) / span;
            w[k] = a * a;
        }
        return ToSample(c.WeightedMean(w));
    }
    case 11:
    {
        float total = 0.0f;
        for (int k = 0; k < c.n; ++k)
            total += c.SquaredDeviation(k);
        const float sigma = std::sqrt(total / float(std::max(c.n, 1)));
        float q = 0.0f;
        if (sigma != 0.0f)
        {
            for (int k = 0; k < c.n; ++k)
            {
                const float z = float(c.d[k]) * kScale / sigma;
                q += (z * z) * (z * z);
            }
            q /= float(c.n);
        }
        return ToSample(std::min(q, 256.0f) * (1.0f / 256.0f) * 65535.0f);
    }
    default:
        return 0;
    }
}

// Motion heat map: the summed spread of the three channels picks a colour on a five-step ramp;
// false leaves the pixel as it is (too much motion to show).
bool HeatColour(const SChannel* channels, uint16_t* pixel)
{
    static const float ramp[6][3] = {
        {64, 64, 64}, {0, 0, 255}, {0, 255, 255}, {0, 255, 0}, {255, 255, 0}, {255, 0, 0},
    };
    const float t = (channels[0].Variance() + channels[1].Variance() + channels[2].Variance()) * 0.33333f * 8.0f;
    if (!(t < 1.0f))
        return false;
    static const float starts[5] = {0.0f, 0.2f, 0.4f, 0.6f, 0.8f};
    int seg = 4;
    while (seg > 0 && t < starts[seg])
        --seg;
    const float a = 1.0f - (t - starts[seg]) / 0.2f;
    for (int c = 0; c < 3; ++c)
    {
        const float v = a * ramp[seg][c] + (1.0f - a) * ramp[seg + 1][c];
        pixel[c] = ToSample(std::max(v, 0.0f) * 256.0f);
    }
    return true;
}

int Workers(int width, int height)
{
    return MP_MT_CapFullImageWorkers(MP_UI_GetThreadCount(), int64_t(width) * height);
}

void Lighten(uint16_t* pixel)
{
    for (int c = 0; c < 3; ++c)
        pixel[c] = uint16_t(pixel[c] / 2 + 32767);
}
}  // namespace

void MP_MT_BlendFrames(const uint16_t* const* frames, int n, uint16_t* target, int width, int height, int mode)
{
    if (!frames || !target || n < 1 || n > kMaxFrames || width < 1 || height < 1 || mode < 1 || mode > 11)
        return;
    for (int k = 0; k < n; ++k)
        if (!frames[k])
            return;
    MP_MT_ForBands(height, Workers(width, height), [&](const TaskFuncParams& t) {
        SChannel channels[3];
        uint16_t out[3];
        for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
            for (int x = 0; x < width; ++x)
            {
                const size_t offset = (size_t(y) * width + x) * 3;
                for (int c = 0; c < 3; ++c)
                    channels[c].Load(frames, n, offset + c);
                if (mode == 7)
                {
                    if (HeatColour(channels, out))
                        std::memcpy(target + offset, out, sizeof out);
                    continue;
                }
                for (int c = 0; c < 3; ++c)
                    target[offset + c] = BlendChannel(channels[c], mode);
            }
    });
}

void MP_MT_SplitCompare(const uint16_t* source, uint16_t* target, int width, int height, int mode)
{
    if (!source || !target || width < 1 || height < 1 || (mode != 1 && mode != 2))
        return;
    MP_MT_ForBands(height, Workers(width, height), [&](const TaskFuncParams& t) {
        for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
        {
            const uint16_t* s = source + size_t(y) * width * 3;
            uint16_t* d = target + size_t(y) * width * 3;
            if (mode == 1)
            {
                const int half = int(float(width) * 0.5f);
                std::memcpy(d, s, size_t(std::min(half + 1, width)) * 3 * sizeof(uint16_t));
                for (int x : {half - 1, half})
                    if (x >= 0 && x < width)
                        Lighten(d + size_t(x) * 3);
                continue;
            }
            const int a = int(float(width) * 0.75f), b = int(float(width) * 0.25f);
            for (int x = a - 1; x >= b; --x)
                std::memcpy(d + size_t(x + width - a) * 3, d + size_t(x) * 3, 3 * sizeof(uint16_t));
            for (int x = b; x < a; ++x)
                std::memcpy(d + size_t(x - b) * 3, s + size_t(x) * 3, 3 * sizeof(uint16_t));
            const int divider = (a + b) / 2;
            if (divider < width)
                Lighten(d + size_t(divider) * 3);
        }
    });
}

int CFrameBlend::RingSizeForIndex(int index)
{
    static const int sizes[] = {1, 2, 3, 5};
    return index >= 0 && index < 4 ? sizes[index] : 1;
}

void CFrameBlend::SetRingSize(int frames)
{
    m_iRingSize = std::clamp(frames, 1, kMaxFrames);
    if (int(m_slots.size()) < m_iRingSize)
        m_slots.resize(size_t(m_iRingSize));
    m_iIndex %= m_iRingSize;
}

void CFrameBlend::Reset()
{
    m_slots.assign(size_t(m_iRingSize), {});
    m_iIndex = 0;
    m_iWidth = m_iHeight = 0;
}

bool CFrameBlend::Blend(uint16_t* image, int width, int height)
{
    const int c = m_iRingSize;
    if (c <= 1 || !image || width < 1 || height < 1)
        return true;
    if (width != m_iWidth || height != m_iHeight)
    {
        // Frames of another size cannot be mixed with the stored ones.
        m_slots.assign(m_slots.size(), {});
        m_iWidth = width;
        m_iHeight = height;
    }
    const size_t samples = size_t(width) * height * 3;
    std::vector<uint16_t>& slot = m_slots[size_t(m_iIndex)];
    try
    {
        slot.resize(samples);
    }
    catch (const std::bad_alloc&)
    {
        return false;
    }
    std::memcpy(slot.data(), image, samples * sizeof(uint16_t));

    const uint16_t* frames[kMaxFrames];
    int n = 0;
    for (int k = 0; k < c; ++k)
    {
        const std::vector<uint16_t>& candidate = m_slots[size_t((m_iIndex - k + c) % c)];
        if (!candidate.empty())
            frames[n++] = candidate.data();
    }
    MP_MT_BlendFrames(frames, n, image, width, height, m_iMode);
    if (m_iComparison > 0)
        MP_MT_SplitCompare(slot.data(), image, width, height, m_iComparison);
    m_iIndex = (m_iIndex + 1) % c;
    return true;
}
