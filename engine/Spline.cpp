#include "engine/Spline.h"

#include "engine/Params.h"

void MP_SplineCoefficients(const float* values, float* a, float* b, float* c, float* d, float* xp)
{
    constexpr int n = 6;
    float x[8] = {}, T[8] = {}, Ta[8] = {}, Tl[8] = {}, Tu[8] = {}, Tz[8] = {};
    for (int i = 1; i <= n; ++i)
    {
        x[i] = values[2 * (i - 1)];
        a[i] = values[2 * (i - 1) + 1];
    }
    a[0] = b[0] = c[0] = d[0] = 0.0f;
    x[1] = -0.01f;
    x[n] = 1.01f;
    for (int i = 1; i < n; ++i)
        T[i] = x[i + 1] - x[i];
    for (int i = 2; i < n; ++i)
        Ta[i] = 3.0f * (a[i + 1] * T[i - 1] - a[i] * (x[i + 1] - x[i - 1]) + a[i - 1] * T[i]) /
                (T[i] * T[i - 1]);
    Tl[1] = 1.0f;
    Tu[1] = 0.0f;
    Tz[1] = 0.0f;
    for (int i = 2; i < n; ++i)
    {
        Tl[i] = 2.0f * (x[i + 1] - x[i - 1]) - T[i - 1] * Tu[i - 1];
        if (Tl[i] == 0.0f)
            Tl[i] = 0.001f;
        Tu[i] = T[i] / Tl[i];
        Tz[i] = (Ta[i] - T[i - 1] * Tz[i - 1]) / Tl[i];
    }
    c[n] = 0.0f;
    b[n] = 0.0f;
    d[n] = 0.0f;
    for (int j = n - 1; j >= 1; --j)
    {
        c[j] = Tz[j] - Tu[j] * c[j + 1];
        if (T[j] == 0.0f)
            T[j] = 0.001f;
        b[j] = (a[j + 1] - a[j]) / T[j] - T[j] * (c[j + 1] + 2.0f * c[j]) / 3.0f;
        d[j] = (c[j + 1] - c[j]) / (3.0f * T[j]);
    }
    for (int i = 0; i <= n; ++i)
        xp[i] = x[i];
}

void MP_SplineCoefficients(const float* values, Params& params)
{
    MP_SplineCoefficients(values, params.a, params.b, params.c, params.d, params.xp);
}

float MP_SplineEval(const float* a, const float* b, const float* c, const float* d,
                    const float* xp, float x)
{
    int idx = 1;
    for (int i = 6; i >= 1; --i)
        if (x >= xp[i])
        {
            idx = i;
            break;
        }
    const float t = x - xp[idx];
    const float y = ((d[idx] * t + c[idx]) * t + b[idx]) * t + a[idx];
    // NaN (from a degenerate curve) counts as 0, so no table ever holds a non-finite value.
    if (!(y > 0.0f))
        return 0.0f;
    return y < 1.0f ? y : 1.0f;
}

void MP_SplineTable(const float* values, float* table)
{
    float a[7], b[7], c[7], d[7], xp[7];
    MP_SplineCoefficients(values, a, b, c, d, xp);
    for (int i = 0; i < 65536; ++i)
        table[i] = MP_SplineEval(a, b, c, d, xp, float(i) / 65535.0f);
}

bool MP_SplineIsFlatOne(const float* values)
{
    for (int i = 1; i < 12; i += 2)
        if (values[i] != 1.0f)
            return false;
    return true;
}
