// Structure textures of the exposure family: toning, dust, light leaks, a double exposure,
// projector light, a textured vignette, cloth, cracks, stone, paper, metal, puzzle, waves and
// linen, each drawn procedurally from seeded noise and patterns over the position in the full
// picture and laid over the image. Nothing is read from files; the same settings give the same
// texture on every frame, in a preview (scaled with it) and in a stripe.
//
// Every entry: 0 strength, 1 size (¼× … 4×), 2 pattern (one of a thousand seeds), 3 colour,
// 4 combo, 5 geometry.
#include "engine/kernels/exposure/ExposureShared.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

using namespace Exposure;

namespace
{
constexpr SSetLayout kStructureSets{-1, eCR_NONE, 4, 5};
constexpr float kTwoPi = 6.2831853f;

bool StructureHasEffect(const Params& p)
{
    return p.p[0][0] >= 0.001f;
}

/// How a texture value t meets the picture.
enum EBlend
{
    eBL_SOFT_LIGHT, // t = 0.5 leaves the picture; above lightens, below darkens (tinted by the colour)
    eBL_SCREEN,     // light of the colour × t added as a screen
    eBL_TONE,       // toned towards the colour at the pixel's own luminance, by t
    eBL_TOWARDS,    // moved towards the colour by t
    eBL_SPECKS,     // t > 0 towards the colour, t < 0 towards its dark tenth
    eBL_PROJECTOR,  // dimmed outside the light t and lit with the colour inside it
};

struct STextureArgs
{
    float fScale;          // preview factor: working pixel × 1 ÷ scale = full-picture pixel
    float fSize;           // size multiplier from set 1
    float fFullW, fFullH;  // full picture in its own pixels
    float fStrength, afColour[3], afLum[3];
    float fInverseHalfDiagonal;
    uint32_t uiSeed;
    int iWidth, iYOffset;
    const float* n0 = nullptr; // noise planes the texture asked for
    const float* n1 = nullptr;

    /// Distance from the picture's centre over the half diagonal.
    float Radial(float u, float v) const
    {
        const float dx = u - fFullW * 0.5f, dy = v - fFullH * 0.5f;
        return std::sqrt(dx * dx + dy * dy) * fInverseHalfDiagonal;
    }
    /// 0 when a pattern of `period` full pixels would alias in the working picture, 1 from 3 pixels up.
    float Visible(float period) const { return MP_Clamp01(period * fScale - 2.0f); }
    /// A noise plane for this texture: `cell` full pixels times the size slider.
    std::vector<float> Noise(const Params& p, int w, int h, float cell, int octaves, float gain, uint32_t salt,
                             float stretch = 1.0f) const
    {
        SNoiseShape shape;
        shape.fCell = cell * fSize;
        shape.iOctaves = octaves;
        shape.fGain = gain;
        shape.uiSeed = uiSeed + salt;
        shape.fStretch = stretch;
        return NoisePlane(p, w, h, shape);
    }
};

void Blend(EBlend blend, const STextureArgs& a, float t, const float* c0, float* ce)
{
    const float* col = a.afColour;
    switch (blend)
    {
    case eBL_SOFT_LIGHT:
        for (int c = 0; c < 3; ++c)
        {
            const float T = t * col[c] + (1.0f - col[c]) * 0.5f;
            const float lit = (1.0f - 2.0f * T) * c0[c] * c0[c] + 2.0f * T * c0[c];
            ce[c] = c0[c] + (lit - c0[c]) * a.fStrength;
        }
        break;
    case eBL_SCREEN:
        for (int c = 0; c < 3; ++c)
            ce[c] = 1.0f - (1.0f - c0[c]) * (1.0f - a.fStrength * t * col[c]);
        break;
    case eBL_TONE:
    {
        const float L = Luminance(c0, a.afLum), k = L / Max(Luminance(col, a.afLum), 0.001f);
        for (int c = 0; c < 3; ++c)
            ce[c] = c0[c] + (col[c] * k - c0[c]) * a.fStrength * t;
        break;
    }
    case eBL_TOWARDS:
        for (int c = 0; c < 3; ++c)
            ce[c] = c0[c] + (col[c] - c0[c]) * a.fStrength * t;
        break;
    case eBL_SPECKS:
        for (int c = 0; c < 3; ++c)
        {
            const float target = t >= 0.0f ? col[c] : col[c] * 0.1f;
            ce[c] = c0[c] + (target - c0[c]) * a.fStrength * std::fabs(t);
        }
        break;
    case eBL_PROJECTOR:
        for (int c = 0; c < 3; ++c)
            ce[c] = c0[c] * (1.0f - 0.6f * a.fStrength * (1.0f - t)) + 0.12f * a.fStrength * t * col[c];
        break;
    }
}

template <class Texture>
struct SStructureOp
{
    STextureArgs args;
    Texture texture;
    void Pixel(int x, int y, const uint16_t*, float* c0, float* ce) const
    {
        const float u = float(x) / args.fScale, v = float(y + args.iYOffset) / args.fScale;
        Blend(Texture::kBlend, args, texture(args, u, v, size_t(y) * args.iWidth + x), c0, ce);
    }
};

/// Reads the common sets, lets the texture make its noise planes, and runs it.
template <class Texture>
int RunStructure(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p, uint32_t salt)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    STextureArgs a{};
    a.fScale = PreviewScale(*p);
    a.fSize = std::exp2(4.0f * (MP_Clamp01(p->p[1][0]) - 0.5f));
    a.fFullW = float(p->width > 0 ? p->width : w) / a.fScale;
    a.fFullH = float(p->height > 0 ? p->height : h) / a.fScale;
    a.fInverseHalfDiagonal = 2.0f / std::fmax(std::sqrt(a.fFullW * a.fFullW + a.fFullH * a.fFullH), 1.0f);
    a.fStrength = MP_Clamp01(p->p[0][0]);
    for (int c = 0; c < 3; ++c)
        a.afColour[c] = MP_Clamp01(p->p[3][2 + c]);
    a.afLum[0] = p->lumr, a.afLum[1] = p->lumg, a.afLum[2] = p->lumb;
    a.uiSeed = SeedOf(p->p[2][0]) + salt;
    a.iWidth = w;
    a.iYOffset = p->y_offset;
    std::vector<float> n0, n1;
    Texture::MakeNoise(a, *p, w, h, n0, n1);
    a.n0 = n0.empty() ? nullptr : n0.data();
    a.n1 = n1.empty() ? nullptr : n1.data();
    SStructureOp<Texture> op{a, {}};
    if constexpr (requires { op.texture.Prepare(a); })
        op.texture.Prepare(a); // constants of the pattern, worked out once per call
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kStructureSets, *p), op);
}

// ---------------------------------------------------------------------------------------------
// The textures: t over the full picture's pixel position (u, v).

// Uneven toning: the picture toned towards the colour, more in some patches than others.
struct STone
{
    static constexpr EBlend kBlend = eBL_TONE;
    static void MakeNoise(const STextureArgs& a, const Params& p, int w, int h, std::vector<float>& n0, std::vector<float>&)
    {
        n0 = a.Noise(p, w, h, 300.0f, 3, 0.5f, 1);
    }
    float operator()(const STextureArgs& a, float, float, size_t i) const { return 0.6f + 0.4f * a.n0[i]; }
};

// Dust: round specks, some bright, some dark, about one in sixteen cells of 8 px.
struct SDust
{
    static constexpr EBlend kBlend = eBL_SPECKS;
    static void MakeNoise(const STextureArgs&, const Params&, int, int, std::vector<float>&, std::vector<float>&) {}
    float operator()(const STextureArgs& a, float u, float v, size_t) const
    {
        const float cell = 8.0f * a.fSize;
        const float cu = u / cell, cv = v / cell;
        const int ix = int(cu), iy = int(cv); // u, v ≥ 0
        if (HashUnit(ix, iy, a.uiSeed) > 0.06f)
            return 0.0f;
        const float r = 0.15f + 0.2f * HashUnit(ix, iy, a.uiSeed + 1);
        const float px = float(ix) + r + (1.0f - 2.0f * r) * HashUnit(ix, iy, a.uiSeed + 2);
        const float py = float(iy) + r + (1.0f - 2.0f * r) * HashUnit(ix, iy, a.uiSeed + 3);
        const float d = std::sqrt((cu - px) * (cu - px) + (cv - py) * (cv - py));
        const float cover = 1.0f - Smoothstep(r * 0.6f, r, d);
        return HashUnit(ix, iy, a.uiSeed + 4) < 0.5f ? cover : -cover;
    }
};

// Light leaks: three soft blobs of light coming in from the picture's edges.
struct SLight
{
    static constexpr EBlend kBlend = eBL_SCREEN;
    static void MakeNoise(const STextureArgs&, const Params&, int, int, std::vector<float>&, std::vector<float>&) {}
    float operator()(const STextureArgs& a, float u, float v, size_t) const
    {
        const float side = std::fmax(a.fFullW, a.fFullH);
        float t = 0.0f;
        for (int k = 0; k < 3; ++k)
        {
            const int edge = int(HashUnit(k, 0, a.uiSeed) * 4.0f);
            const float along = HashUnit(k, 1, a.uiSeed);
            const float cx = edge == 0 ? 0.0f : edge == 1 ? a.fFullW : along * a.fFullW;
            const float cy = edge == 2 ? 0.0f : edge == 3 ? a.fFullH : along * a.fFullH;
            const float r = (0.12f + 0.2f * HashUnit(k, 2, a.uiSeed)) * side * a.fSize;
            const float d2 = ((u - cx) * (u - cx) + (v - cy) * (v - cy)) / (r * r);
            t += (0.5f + 0.4f * HashUnit(k, 3, a.uiSeed)) * std::exp(-d2);
        }
        return Min(t, 1.0f);
    }
};

// A second exposure of drifting clouds over the picture.
struct SDouble
{
    static constexpr EBlend kBlend = eBL_SCREEN;
    static void MakeNoise(const STextureArgs& a, const Params& p, int w, int h, std::vector<float>& n0, std::vector<float>&)
    {
        n0 = a.Noise(p, w, h, 250.0f, 5, 0.55f, 2);
    }
    float operator()(const STextureArgs& a, float, float, size_t i) const
    {
        return 0.8f * Smoothstep(-0.2f, 0.6f, a.n0[i]);
    }
};

// Projector light: a bright centre falling off to the corners, with faint bands and flicker.
struct SProjection
{
    static constexpr EBlend kBlend = eBL_PROJECTOR;
    static void MakeNoise(const STextureArgs& a, const Params& p, int w, int h, std::vector<float>& n0, std::vector<float>&)
    {
        n0 = a.Noise(p, w, h, 120.0f, 2, 0.5f, 3);
    }
    float operator()(const STextureArgs& a, float u, float v, size_t i) const
    {
        const float spot = 1.0f - 0.75f * Smoothstep(0.05f, 1.0f, a.Radial(u, v) / (0.5f + 0.5f * a.fSize));
        const float bands = 1.0f + 0.04f * SinCycles(v / (40.0f * a.fSize)) * a.Visible(40.0f * a.fSize);
        return MP_Clamp01(spot * bands + 0.05f * a.n0[i]);
    }
};

// A vignette with a ragged, irregular edge.
struct SVignette
{
    static constexpr EBlend kBlend = eBL_TOWARDS;
    static void MakeNoise(const STextureArgs& a, const Params& p, int w, int h, std::vector<float>& n0, std::vector<float>&)
    {
        n0 = a.Noise(p, w, h, 200.0f, 3, 0.5f, 4);
    }
    float operator()(const STextureArgs& a, float u, float v, size_t i) const
    {
        return Smoothstep(0.55f, 1.05f, a.Radial(u, v) / std::sqrt(a.fSize) + 0.18f * a.n0[i]);
    }
};

// Woven cloth: warp and weft threads of 10 px crossing over and under, with fibres along them.
struct SCloth
{
    static constexpr EBlend kBlend = eBL_SOFT_LIGHT;
    static void MakeNoise(const STextureArgs& a, const Params& p, int w, int h, std::vector<float>& n0, std::vector<float>& n1)
    {
        n0 = a.Noise(p, w, h, 1.5f, 2, 0.5f, 5, 6.0f);
        n1 = a.Noise(p, w, h, 1.5f, 2, 0.5f, 6, 1.0f / 6.0f);
    }
    float operator()(const STextureArgs& a, float u, float v, size_t i) const
    {
        const float period = 10.0f * a.fSize;
        const float cu = u / period, cv = v / period;
        const int iu = int(cu), iv = int(cv); // u, v ≥ 0
        const float fu = cu - float(iu), fv = cv - float(iv);
        const bool warpOnTop = ((iu + iv) & 1) == 0;
        // A thread's profile across its width: sin(π f).
        const float thread = warpOnTop ? SinCycles(0.5f * fu) + 0.25f * a.n1[i] : SinCycles(0.5f * fv) + 0.25f * a.n0[i];
        return 0.5f + (0.45f * thread - 0.2f) * a.Visible(period);
    }
};

// Craquelure: the picture crazed by a network of fine cracks.
struct SCrack
{
    static constexpr EBlend kBlend = eBL_SOFT_LIGHT;
    static void MakeNoise(const STextureArgs& a, const Params& p, int w, int h, std::vector<float>& n0, std::vector<float>&)
    {
        n0 = a.Noise(p, w, h, 20.0f, 2, 0.5f, 7);
    }
    // The crazing is a Voronoi pattern: one jittered point per cell of 70 px, the cracks where
    // the nearest and second-nearest points are about equally far. The points of every cell the
    // picture touches (and one around it) are worked out once per call.
    float fCell = 1.0f;
    int iCellsX = 0, iCellsY = 0;
    std::vector<float> points; // x, y in cells, for cells −1 … iCells − 2 each way
    void Prepare(const STextureArgs& a)
    {
        fCell = 70.0f * a.fSize;
        iCellsX = int(a.fFullW / fCell) + 3, iCellsY = int(a.fFullH / fCell) + 3;
        points.resize(size_t(iCellsX) * iCellsY * 2);
        for (int j = 0; j < iCellsY; ++j)
            for (int i = 0; i < iCellsX; ++i)
            {
                float* q = &points[(size_t(j) * iCellsX + i) * 2];
                q[0] = float(i - 1) + HashUnit(i - 1, j - 1, a.uiSeed);
                q[1] = float(j - 1) + HashUnit(i - 1, j - 1, a.uiSeed + 77u);
            }
    }
    float operator()(const STextureArgs& a, float u, float v, size_t i) const
    {
        const float x = u / fCell, y = v / fCell;
        const int ix = int(x), iy = int(y); // u, v ≥ 0
        float d1 = 64.0f, d2 = 64.0f; // squared distances to the two nearest points
        for (int j = iy - 1; j <= iy + 1; ++j)
            for (int k = ix - 1; k <= ix + 1; ++k)
            {
                const float* q = &points[(size_t(std::clamp(j + 1, 0, iCellsY - 1)) * iCellsX + std::clamp(k + 1, 0, iCellsX - 1)) * 2];
                const float d = (q[0] - x) * (q[0] - x) + (q[1] - y) * (q[1] - y);
                if (d < d1)
                    d2 = d1, d1 = d;
                else if (d < d2)
                    d2 = d;
            }
        const float width = Max(0.03f, 1.5f / (fCell * a.fScale));
        const float crack = 1.0f - Smoothstep(0.0f, width, std::sqrt(d2) - std::sqrt(d1) + 0.02f * a.n0[i]);
        return 0.5f - 0.45f * crack + 0.05f * a.n0[i];
    }
};

// Stone: veined, grainy rock from layered and ridged noise.
struct SStone
{
    static constexpr EBlend kBlend = eBL_SOFT_LIGHT;
    static void MakeNoise(const STextureArgs& a, const Params& p, int w, int h, std::vector<float>& n0, std::vector<float>& n1)
    {
        n0 = a.Noise(p, w, h, 150.0f, 5, 0.55f, 8);
        n1 = a.Noise(p, w, h, 40.0f, 3, 0.5f, 9);
    }
    float operator()(const STextureArgs& a, float, float, size_t i) const
    {
        return 0.5f + 0.35f * a.n0[i] + 0.2f * (0.5f - std::fabs(a.n1[i]));
    }
};

// Paper: fine grain, fibres and large, faint unevenness.
struct SPaper
{
    static constexpr EBlend kBlend = eBL_SOFT_LIGHT;
    static void MakeNoise(const STextureArgs& a, const Params& p, int w, int h, std::vector<float>& n0, std::vector<float>& n1)
    {
        n0 = a.Noise(p, w, h, 2.5f, 2, 0.5f, 10);
        n1 = a.Noise(p, w, h, 6.0f, 2, 0.5f, 11, 8.0f);
        const std::vector<float> uneven = a.Noise(p, w, h, 200.0f, 2, 0.5f, 12);
        for (size_t i = 0; i < n0.size(); ++i)
            n0[i] = 0.25f * n0[i] + 0.15f * uneven[i];
    }
    float operator()(const STextureArgs& a, float, float, size_t i) const { return 0.5f + a.n0[i] + 0.2f * a.n1[i]; }
};

// Brushed metal: fine streaks along the rows and a broad sheen.
struct SMetal
{
    static constexpr EBlend kBlend = eBL_SOFT_LIGHT;
    static void MakeNoise(const STextureArgs& a, const Params& p, int w, int h, std::vector<float>& n0, std::vector<float>& n1)
    {
        n0 = a.Noise(p, w, h, 1.5f, 2, 0.5f, 13, 40.0f);
        n1 = a.Noise(p, w, h, 300.0f, 2, 0.5f, 14);
    }
    float operator()(const STextureArgs& a, float, float v, size_t i) const
    {
        const float sheen = SinCycles(v / (300.0f * a.fSize) + 0.32f * a.n1[i]);
        return 0.5f + 0.3f * a.n0[i] + 0.1f * sheen;
    }
};

// Puzzle: pieces of 120 px whose edges carry round tabs, out or in as the pattern decides.
struct SPuzzle
{
    static constexpr EBlend kBlend = eBL_SOFT_LIGHT;
    static void MakeNoise(const STextureArgs&, const Params&, int, int, std::vector<float>&, std::vector<float>&) {}

    /// Distance (in cells) from (a, b) to the outline of the edge at a = 0 (b along the edge)
    /// whose tab, a circle of radius 0.1 around (0.1 × side, 0.5), bulges to the side `side`:
    /// the edge line with a gap for the neck, the two short neck sides and the tab's outer arc.
    static float EdgeDistance(float a, float b, float side)
    {
        constexpr float r = 0.1f, neckA = 0.03f, neckB = 0.0714f; // the arc meets the neck at (0.03, ±0.0714)
        const float db = std::fabs(b - 0.5f);
        const float sa = a * side; // the tab lies at sa > 0
        const float line = db >= neckB ? std::fabs(a) : std::sqrt(a * a + (db - neckB) * (db - neckB));
        const float neck = std::sqrt((db - neckB) * (db - neckB) + (sa < 0.0f ? sa * sa : sa > neckA ? (sa - neckA) * (sa - neckA) : 0.0f));
        const float ca = sa - 0.1f, radial = std::sqrt(ca * ca + db * db);
        // The nearest circle point lies on the outer arc when it is beyond the neck.
        const float arc = radial > 0.0f && 0.1f + ca * r / radial > neckA ? std::fabs(radial - r) : 1.0f;
        return Min(line, Min(neck, arc));
    }
    float operator()(const STextureArgs& a, float u, float v, size_t) const
    {
        const float cell = 120.0f * a.fSize;
        const float cu = u / cell, cv = v / cell;
        const int ix = int(cu), iy = int(cv); // u, v ≥ 0
        const float fx = cu - float(ix), fy = cv - float(iy);
        const float width = 1.5f / (cell * a.fScale);
        // No outline comes nearer than the nearest edge less the tab's reach of 0.2 cells.
        if (Min(Min(fx, 1.0f - fx), Min(fy, 1.0f - fy)) - 0.2f > width * 1.5f)
            return 0.5f;
        // The tab of the edge shared by two pieces bulges into one of them.
        auto side = [&](int x, int y, uint32_t salt) { return HashUnit(x, y, a.uiSeed + salt) < 0.5f ? 1.0f : -1.0f; };
        const float d = Min(Min(EdgeDistance(fx, fy, side(ix - 1, iy, 1)), EdgeDistance(1.0f - fx, fy, -side(ix, iy, 1))),
                            Min(EdgeDistance(fy, fx, side(ix, iy - 1, 2)), EdgeDistance(1.0f - fy, fx, -side(ix, iy, 2))));
        return 0.5f - 0.4f * (1.0f - Smoothstep(width * 0.5f, width * 1.5f, d));
    }
};

// Waves: ripples of three wave trains with a slow, noisy drift.
struct SWave
{
    static constexpr EBlend kBlend = eBL_SOFT_LIGHT;
    static void MakeNoise(const STextureArgs& a, const Params& p, int w, int h, std::vector<float>& n0, std::vector<float>&)
    {
        n0 = a.Noise(p, w, h, 200.0f, 2, 0.5f, 15);
    }
    float afKx[3] = {}, afKy[3] = {}; // wave vectors in cycles per pixel
    void Prepare(const STextureArgs& a)
    {
        for (int k = 0; k < 3; ++k)
        {
            const float angle = HashUnit(k, 7, a.uiSeed) * kTwoPi, lambda = 40.0f * a.fSize * (1.0f + 0.3f * float(k));
            afKx[k] = std::cos(angle) / lambda, afKy[k] = std::sin(angle) / lambda;
        }
    }
    float operator()(const STextureArgs& a, float u, float v, size_t i) const
    {
        const float weights[3] = {0.5f, 0.3f, 0.2f}, drift = 0.48f * a.n0[i];
        float sum = 0.0f;
        for (int k = 0; k < 3; ++k)
            sum += weights[k] * SinCycles(u * afKx[k] + v * afKy[k] + drift);
        return 0.5f + 0.4f * sum * a.Visible(40.0f * a.fSize);
    }
};

// Linen: a fine, even weave of 3.5 px whose threads thicken and thin along their length.
struct SLinen
{
    static constexpr EBlend kBlend = eBL_SOFT_LIGHT;
    static void MakeNoise(const STextureArgs& a, const Params& p, int w, int h, std::vector<float>& n0, std::vector<float>& n1)
    {
        n0 = a.Noise(p, w, h, 3.0f, 1, 0.5f, 16, 10.0f);
        n1 = a.Noise(p, w, h, 3.0f, 1, 0.5f, 17, 0.1f);
    }
    float operator()(const STextureArgs& a, float u, float v, size_t i) const
    {
        const float period = 3.5f * a.fSize;
        const float across = SinCycles(u / period) * (1.0f + 0.5f * a.n1[i]);
        const float along = SinCycles(v / period) * (1.0f + 0.5f * a.n0[i]);
        return 0.5f + 0.18f * (across + along) * a.Visible(period);
    }
};
}  // namespace

int MP_calcPixelStructureTone(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunStructure<STone>(w, h, src, dst, ss, ts, p, 0x100u);
}
int MP_calcPixelStructureDust(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunStructure<SDust>(w, h, src, dst, ss, ts, p, 0x200u);
}
int MP_calcPixelStructureLight(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunStructure<SLight>(w, h, src, dst, ss, ts, p, 0x300u);
}
int MP_calcPixelStructureDouble(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunStructure<SDouble>(w, h, src, dst, ss, ts, p, 0x400u);
}
int MP_calcPixelStructureProjection(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunStructure<SProjection>(w, h, src, dst, ss, ts, p, 0x500u);
}
int MP_calcPixelStructureVignette(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunStructure<SVignette>(w, h, src, dst, ss, ts, p, 0x600u);
}
int MP_calcPixelStructureCloth(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunStructure<SCloth>(w, h, src, dst, ss, ts, p, 0x700u);
}
int MP_calcPixelStructureCrack(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunStructure<SCrack>(w, h, src, dst, ss, ts, p, 0x800u);
}
int MP_calcPixelStructureStone(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunStructure<SStone>(w, h, src, dst, ss, ts, p, 0x900u);
}
int MP_calcPixelStructurePaper(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunStructure<SPaper>(w, h, src, dst, ss, ts, p, 0xa00u);
}
int MP_calcPixelStructureMetal(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunStructure<SMetal>(w, h, src, dst, ss, ts, p, 0xb00u);
}
int MP_calcPixelStructurePuzzle(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunStructure<SPuzzle>(w, h, src, dst, ss, ts, p, 0xc00u);
}
int MP_calcPixelStructureWave(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunStructure<SWave>(w, h, src, dst, ss, ts, p, 0xd00u);
}
int MP_calcPixelStructureLinen(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunStructure<SLinen>(w, h, src, dst, ss, ts, p, 0xe00u);
}

namespace
{
#define MP_STRUCTURE(fn) {MP_KERNEL(fn), SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_POSITION, nullptr, StructureHasEffect, kStructureSets}
const SKernelEntry kStructureKernels[] = {
    // every row: border 0, processor only, per pixel, reads the position, effect: strength > 0
    MP_STRUCTURE(MP_calcPixelStructureTone),
    MP_STRUCTURE(MP_calcPixelStructureDust),
    MP_STRUCTURE(MP_calcPixelStructureLight),
    MP_STRUCTURE(MP_calcPixelStructureDouble),
    MP_STRUCTURE(MP_calcPixelStructureProjection),
    MP_STRUCTURE(MP_calcPixelStructureVignette),
    MP_STRUCTURE(MP_calcPixelStructureCloth),
    MP_STRUCTURE(MP_calcPixelStructureCrack),
    MP_STRUCTURE(MP_calcPixelStructureStone),
    MP_STRUCTURE(MP_calcPixelStructurePaper),
    MP_STRUCTURE(MP_calcPixelStructureMetal),
    MP_STRUCTURE(MP_calcPixelStructurePuzzle),
    MP_STRUCTURE(MP_calcPixelStructureWave),
    MP_STRUCTURE(MP_calcPixelStructureLinen),
};
#undef MP_STRUCTURE
}  // namespace

std::span<const SKernelEntry> ExposureStructureKernels()
{
    return kStructureKernels;
}
