// Helpers of the exposure family's tests: call records from the catalogue's defaults with some
// values changed, flat and structured test pictures, and runs through the dispatcher.
#pragma once

#include "EngineTestUtil.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>

namespace ExposureTest
{
/// Value `index` of set `set`.
struct SValue
{
    int set, index;
    float value;
};

/// The record of `kernel` at the catalogue's defaults with `values` changed, luminance weights
/// ¼, ½, ¼ (exact in binary, so worked examples stay simple) and the preview factor `scale`.
inline std::unique_ptr<Params> Record(CEngineContext& engine, const std::string& kernel,
                                      std::initializer_list<SValue> values = {}, float scale = 1.0f)
{
    EXPECT_NE(COperatorCatalogue::Shared().FindKernel(QString::fromStdString(kernel)), nullptr) << kernel;
    auto p = Defaults(engine, kernel.c_str(), scale);
    p->lumr = 0.25f, p->lumg = 0.5f, p->lumb = 0.25f;
    for (const SValue& v : values)
        p->p[v.set][v.index] = v.value;
    return p;
}

/// Runs `kernel` in place through the dispatcher (effect test included).
inline int RunOn(const std::string& kernel, Params& p, std::vector<uint16_t>& image, int w, int h)
{
    return RunKernel(kernel.c_str(), w, h, image.data(), image.data(), 6, 6, &p, -1, 0.0f, 0.0f, true, true);
}

/// A smooth picture with features of several sizes: two gradients, a bright disc, a dark bar and
/// a fine checker patch, so local operators have edges and detail at every scale.
inline std::vector<uint16_t> Scene(int w, int h)
{
    std::vector<uint16_t> image(size_t(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            const float u = float(x) / float(w), v = float(y) / float(h);
            float c[3] = {0.15f + 0.5f * u, 0.2f + 0.4f * v, 0.45f - 0.3f * u * v};
            const float d = std::hypot(u - 0.7f, v - 0.35f);
            for (float& k : c)
            {
                k += d < 0.15f ? 0.4f : 0.0f;
                k *= u > 0.2f && u < 0.3f ? 0.3f : 1.0f;
                if (u > 0.4f && u < 0.55f && v > 0.6f && v < 0.85f)
                    k += ((x / 4 + y / 4) & 1) ? 0.08f : -0.08f;
            }
            for (int ch = 0; ch < 3; ++ch)
                image[(size_t(y) * w + x) * 3 + ch] = uint16_t(std::clamp(c[ch], 0.0f, 1.0f) * 65535.0f);
        }
    return image;
}

}  // namespace ExposureTest
