// Motif overlays: Halloween figures, national flags and football motifs drawn from vector shapes
// (signed distances, anti-aliased over one pixel) at the size and place the operator gives.
#include "engine/kernels/colour/ColourShared.h"

#include <cmath>
#include <cstdint>
#include <iterator>
#include <span>

using namespace ColourFamily;

namespace
{
float Length(float x, float y)
{
    return std::sqrt(x * x + y * y);
}

float Circle(float u, float v, float cx, float cy, float r)
{
    return Length(u - cx, v - cy) - r;
}

/// An ellipse's distance, close enough for anti-aliasing (exact on the axes).
float Ellipse(float u, float v, float cx, float cy, float rx, float ry)
{
    return (Length((u - cx) / rx, (v - cy) / ry) - 1.0f) * std::fmin(rx, ry);
}

float Box(float u, float v, float cx, float cy, float hx, float hy)
{
    const float dx = std::fabs(u - cx) - hx, dy = std::fabs(v - cy) - hy;
    return Length(std::fmax(dx, 0.0f), std::fmax(dy, 0.0f)) + std::fmin(std::fmax(dx, dy), 0.0f);
}

/// A stroke of half width `hw` from a to b.
float Segment(float u, float v, float ax, float ay, float bx, float by, float hw)
{
    const float px = u - ax, py = v - ay, dx = bx - ax, dy = by - ay;
    const float t = Clamp((px * dx + py * dy) / (dx * dx + dy * dy + 1e-12f), 0.0f, 1.0f);
    return Length(px - t * dx, py - t * dy) - hw;
}

/// A convex polygon, corners in either order: the largest distance to its edge lines (outside
/// positive).
float Polygon(float u, float v, const float (*pts)[2], int n)
{
    float area = 0.0f;
    for (int i = 0; i < n; ++i)
        area += pts[i][0] * pts[(i + 1) % n][1] - pts[(i + 1) % n][0] * pts[i][1];
    const float orientation = area > 0.0f ? 1.0f : -1.0f;
    float d = -1e9f;
    for (int i = 0; i < n; ++i)
    {
        const float ex = pts[(i + 1) % n][0] - pts[i][0], ey = pts[(i + 1) % n][1] - pts[i][1];
        const float outward = (ey * (u - pts[i][0]) - ex * (v - pts[i][1])) / (Length(ex, ey) + 1e-12f);
        d = std::fmax(d, orientation * outward);
    }
    return d;
}

/// A regular polygon of `n` corners with radius r, the first corner at angle a0.
float RegularPolygon(float u, float v, float cx, float cy, float r, int n, float a0)
{
    float pts[8][2];
    for (int i = 0; i < n; ++i)
        pts[i][0] = cx + r * std::cos(a0 + 6.2831853f * float(i) / float(n)),
        pts[i][1] = cy + r * std::sin(a0 + 6.2831853f * float(i) / float(n));
    return Polygon(u, v, pts, n);
}

/// Layers painted over each other, premultiplied; a pixel is `px` units wide.
struct SCanvas
{
    float px;
    float rgb[3] = {0.0f, 0.0f, 0.0f};
    float alpha = 0.0f;
    void Fill(float distance, uint32_t colour, float opacity = 1.0f)
    {
        const float k = MP_Clamp01(0.5f - distance / px) * opacity;
        if (k <= 0.0f)
            return;
        for (int c = 0; c < 3; ++c)
            rgb[c] = rgb[c] * (1.0f - k) + float((colour >> (16 - 8 * c)) & 0xFF) / 255.0f * k;
        alpha = alpha * (1.0f - k) + k;
    }
};

// ---------------------------------------------------------------------------------------------
// Halloween: 1 pumpkin, 2 ghost, 3 bat, 4 spider web, 5 moon.
void DrawPumpkin(SCanvas& k, float u, float v)
{
    k.Fill(Box(u, v, 0.0f, -0.68f, 0.07f, 0.16f), 0x4A5A1E);
    k.Fill(Ellipse(u, v, -0.38f, 0.12f, 0.45f, 0.68f), 0xD9661A);
    k.Fill(Ellipse(u, v, 0.38f, 0.12f, 0.45f, 0.68f), 0xD9661A);
    k.Fill(Ellipse(u, v, 0.0f, 0.1f, 0.5f, 0.74f), 0xED7E22);
    const float leftEye[3][2] = {{-0.45f, 0.05f}, {-0.15f, 0.05f}, {-0.3f, -0.2f}};
    const float rightEye[3][2] = {{0.15f, 0.05f}, {0.45f, 0.05f}, {0.3f, -0.2f}};
    const float nose[3][2] = {{-0.08f, 0.25f}, {0.08f, 0.25f}, {0.0f, 0.12f}};
    k.Fill(Polygon(u, v, leftEye, 3), 0x2A1200);
    k.Fill(Polygon(u, v, rightEye, 3), 0x2A1200);
    k.Fill(Polygon(u, v, nose, 3), 0x2A1200);
    k.Fill(std::fmax(Ellipse(u, v, 0.0f, 0.4f, 0.5f, 0.22f), -Box(u, v, 0.12f, 0.3f, 0.06f, 0.07f)), 0x2A1200);
}

void DrawGhost(SCanvas& k, float u, float v)
{
    float body = std::fmin(Circle(u, v, 0.0f, -0.3f, 0.55f), Box(u, v, 0.0f, 0.25f, 0.55f, 0.55f));
    for (float cx : {-0.37f, 0.0f, 0.37f})
        body = std::fmax(body, -Circle(u, v, cx, 0.85f, 0.14f));
    k.Fill(body, 0xF2F2F2, 0.92f);
    k.Fill(Ellipse(u, v, -0.2f, -0.35f, 0.09f, 0.14f), 0x111111);
    k.Fill(Ellipse(u, v, 0.2f, -0.35f, 0.09f, 0.14f), 0x111111);
    k.Fill(Ellipse(u, v, 0.0f, 0.0f, 0.12f, 0.16f), 0x111111);
}

void DrawBat(SCanvas& k, float u, float v)
{
    const float mu = std::fabs(u); // symmetric about the body
    const float wing[4][2] = {{0.1f, -0.15f}, {0.95f, -0.45f}, {0.95f, 0.15f}, {0.1f, 0.2f}};
    float d = Polygon(mu, v, wing, 4);
    for (float cx : {0.3f, 0.55f, 0.8f})
        d = std::fmax(d, -Circle(mu, v, cx, 0.3f, 0.13f));
    const float ear[3][2] = {{0.03f, -0.33f}, {0.12f, -0.33f}, {0.1f, -0.5f}};
    d = std::fmin(d, Polygon(mu, v, ear, 3));
    d = std::fmin(d, std::fmin(Ellipse(u, v, 0.0f, 0.02f, 0.13f, 0.26f), Circle(u, v, 0.0f, -0.27f, 0.11f)));
    k.Fill(d, 0x151515);
    k.Fill(Circle(mu, v, 0.045f, -0.29f, 0.025f), 0xE8C020);
}

void DrawWeb(SCanvas& k, float u, float v)
{
    float d = 1e9f;
    float spoke[8][2];
    for (int i = 0; i < 8; ++i)
    {
        spoke[i][0] = std::cos(0.7853982f * float(i) + 0.2f), spoke[i][1] = std::sin(0.7853982f * float(i) + 0.2f);
        d = std::fmin(d, Segment(u, v, 0.0f, 0.0f, spoke[i][0], spoke[i][1], 0.012f));
    }
    for (float r : {0.25f, 0.5f, 0.75f, 0.98f})
        for (int i = 0; i < 8; ++i)
            d = std::fmin(d, Segment(u, v, r * spoke[i][0], r * spoke[i][1], r * spoke[(i + 1) % 8][0], r * spoke[(i + 1) % 8][1],
                                     0.01f));
    k.Fill(d, 0xDDDDDD, 0.9f);
}

void DrawMoon(SCanvas& k, float u, float v)
{
    k.Fill(Circle(u, v, 0.0f, 0.0f, 0.85f), 0xF4E9B0);
    k.Fill(Circle(u, v, -0.3f, -0.25f, 0.18f), 0xD8CC92);
    k.Fill(Circle(u, v, 0.25f, 0.3f, 0.12f), 0xD8CC92);
    k.Fill(Circle(u, v, 0.35f, -0.35f, 0.08f), 0xD8CC92);
}

// ---------------------------------------------------------------------------------------------
// Flags (3 : 2): stripes and crosses of thirteen European and Asian countries.
struct SFlag
{
    uint32_t colours[3];
    char layout; // 'h' horizontal thirds, 'v' vertical thirds, '2' two bands, '+' centred cross,
                 // 'n' Nordic cross, 'o' disc
};

constexpr SFlag kFlags[] = {
    {{0x000000, 0xDD0000, 0xFFCE00}, 'h'}, // Deutschland
    {{0x0055A4, 0xFFFFFF, 0xEF4135}, 'v'}, // Frankreich
    {{0x009246, 0xFFFFFF, 0xCE2B37}, 'v'}, // Italien
    {{0xAE1C28, 0xFFFFFF, 0x21468B}, 'h'}, // Niederlande
    {{0xED2939, 0xFFFFFF, 0xED2939}, 'h'}, // Österreich
    {{0x000000, 0xFDDA24, 0xEF3340}, 'v'}, // Belgien
    {{0x169B62, 0xFFFFFF, 0xFF883E}, 'v'}, // Irland
    {{0xFFFFFF, 0xDC143C, 0}, '2'},        // Polen
    {{0x0057B7, 0xFFD700, 0}, '2'},        // Ukraine
    {{0xDA291C, 0xFFFFFF, 0}, '+'},        // Schweiz
    {{0xFFFFFF, 0xBC002D, 0}, 'o'},        // Japan
    {{0x006AA7, 0xFECC00, 0}, 'n'},        // Schweden
    {{0xC8102E, 0xFFFFFF, 0}, 'n'},        // Dänemark
};

void DrawFlag(SCanvas& k, const SFlag& f, float u, float v)
{
    constexpr float kH = 2.0f / 3.0f; // half height of a 3 : 2 flag of half width 1
    const float outline = Box(u, v, 0.0f, 0.0f, 1.0f, kH);
    switch (f.layout)
    {
    case 'h':
        k.Fill(outline, f.colours[0]);
        k.Fill(std::fmax(outline, -(v + kH / 3.0f)), f.colours[1]);
        k.Fill(std::fmax(outline, -(v - kH / 3.0f)), f.colours[2]);
        break;
    case 'v':
        k.Fill(outline, f.colours[0]);
        k.Fill(std::fmax(outline, -(u + 1.0f / 3.0f)), f.colours[1]);
        k.Fill(std::fmax(outline, -(u - 1.0f / 3.0f)), f.colours[2]);
        break;
    case '2':
        k.Fill(outline, f.colours[0]);
        k.Fill(std::fmax(outline, -v), f.colours[1]);
        break;
    case '+':
        k.Fill(outline, f.colours[0]);
        k.Fill(std::fmin(Box(u, v, 0.0f, 0.0f, 0.12f, 0.42f), Box(u, v, 0.0f, 0.0f, 0.42f, 0.12f)), f.colours[1]);
        break;
    case 'o':
        k.Fill(outline, f.colours[0]);
        k.Fill(Circle(u, v, 0.0f, 0.0f, 0.4f), f.colours[1]);
        break;
    default: // Nordic cross, its upright moved towards the hoist
        k.Fill(outline, f.colours[0]);
        k.Fill(std::fmax(outline, std::fmin(Box(u, v, -0.33f, 0.0f, 0.11f, kH), Box(u, v, 0.0f, 0.0f, 1.0f, 0.11f))), f.colours[1]);
        break;
    }
}

// ---------------------------------------------------------------------------------------------
// Football: 1 ball, 2 goal, 3 trophy.
void DrawBall(SCanvas& k, float u, float v)
{
    const float ball = Circle(u, v, 0.0f, 0.0f, 0.95f);
    k.Fill(ball, 0x202020);
    k.Fill(Circle(u, v, 0.0f, 0.0f, 0.91f), 0xFAFAFA);
    k.Fill(RegularPolygon(u, v, 0.0f, 0.0f, 0.3f, 5, -1.5707963f), 0x1A1A1A);
    for (int i = 0; i < 5; ++i)
    {
        const float a = -1.5707963f + 1.2566371f * float(i);
        const float x = std::cos(a), y = std::sin(a);
        k.Fill(Segment(u, v, 0.3f * x, 0.3f * y, 0.62f * x, 0.62f * y, 0.015f), 0x1A1A1A);
        const float a2 = a + 0.6283185f;
        k.Fill(std::fmax(RegularPolygon(u, v, 0.95f * std::cos(a2), 0.95f * std::sin(a2), 0.3f, 5, a2), ball), 0x1A1A1A);
    }
}

void DrawGoal(SCanvas& k, float u, float v)
{
    float net = 1e9f;
    for (float x = -0.9f; x <= 0.91f; x += 0.15f)
        net = std::fmin(net, Segment(u, v, x, -0.6f, x, 0.6f, 0.008f));
    for (float y = -0.6f; y <= 0.61f; y += 0.15f)
        net = std::fmin(net, Segment(u, v, -0.95f, y, 0.95f, y, 0.008f));
    k.Fill(net, 0xD0D0D0, 0.75f);
    k.Fill(std::fmin(std::fmin(Box(u, v, -0.95f, 0.0f, 0.04f, 0.64f), Box(u, v, 0.95f, 0.0f, 0.04f, 0.64f)),
                     Box(u, v, 0.0f, -0.62f, 0.99f, 0.04f)),
           0xFFFFFF);
}

void DrawTrophy(SCanvas& k, float u, float v)
{
    const float mu = std::fabs(u);
    const float handle = std::fmax(Circle(mu, v, 0.5f, -0.4f, 0.22f), -Circle(mu, v, 0.5f, -0.4f, 0.14f));
    const float cup = std::fmax(Ellipse(u, v, 0.0f, -0.45f, 0.5f, 0.5f), -0.45f - v); // the bowl's lower half
    const float stem = Box(u, v, 0.0f, 0.25f, 0.07f, 0.25f);
    const float base = std::fmin(Box(u, v, 0.0f, 0.58f, 0.3f, 0.08f), Box(u, v, 0.0f, 0.74f, 0.42f, 0.08f));
    k.Fill(std::fmin(std::fmin(handle, cup), std::fmin(stem, base)), 0xD4AF37);
    k.Fill(Ellipse(u, v, -0.22f, -0.5f, 0.07f, 0.25f), 0xF5DE8A, 0.8f);
}

// ---------------------------------------------------------------------------------------------
// The three operators — sets: 0 motif, 1 size (fraction of the picture height), 2 position of
// the motif's centre, 3 opacity, 4 combo, 5 geometry.
constexpr SSetLayout kMotifSets{-1, eCR_NONE, 4, 5};

bool MotifHasEffect(const Params& p)
{
    return p.p[1][0] > 0.001f && p.p[3][0] > 0.001f;
}

using DrawFunc = void (*)(SCanvas&, float, float, int);

struct SMotifOp
{
    DrawFunc draw;
    int iMotif;
    float fCx, fCy, fHalf, fOpacity; // centre and half size in pixels of this image
    int iYOffset;
    void Pixel(int x, int y, const uint16_t*, float* c0, float* ce) const
    {
        const float u = (float(x) + 0.5f - fCx) / fHalf, v = (float(y + iYOffset) + 0.5f - fCy) / fHalf;
        ce[0] = c0[0], ce[1] = c0[1], ce[2] = c0[2];
        if (std::fabs(u) > 1.02f || std::fabs(v) > 1.02f)
            return;
        SCanvas k{1.0f / fHalf};
        draw(k, u, v, iMotif);
        const float a = k.alpha * fOpacity;
        for (int c = 0; c < 3; ++c)
            ce[c] = c0[c] * (1.0f - a) + k.rgb[c] * fOpacity;
    }
};

int RunMotif(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p, DrawFunc draw, int motifs)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const float fullW = float(p->width > 0 ? p->width : w), fullH = float(p->height > 0 ? p->height : h);
    const SMotifOp op{draw,
                      int(MP_Clamp01(p->p[0][0]) * float(motifs - 1) + 0.5f),
                      MP_Clamp01(p->p[2][0]) * fullW,
                      MP_Clamp01(p->p[2][1]) * fullH,
                      std::fmax(0.5f, MP_Clamp01(p->p[1][0]) * fullH * 0.5f),
                      MP_Clamp01(p->p[3][0]),
                      p->y_offset};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kMotifSets, *p), op);
}

void DrawHalloween(SCanvas& k, float u, float v, int motif)
{
    switch (motif)
    {
    case 0: DrawPumpkin(k, u, v); break;
    case 1: DrawGhost(k, u, v); break;
    case 2: DrawBat(k, u, v); break;
    case 3: DrawWeb(k, u, v); break;
    default: DrawMoon(k, u, v); break;
    }
}

void DrawFlags(SCanvas& k, float u, float v, int motif)
{
    DrawFlag(k, kFlags[motif], u, v);
}

void DrawFootball(SCanvas& k, float u, float v, int motif)
{
    switch (motif)
    {
    case 0: DrawBall(k, u, v); break;
    case 1: DrawGoal(k, u, v); break;
    default: DrawTrophy(k, u, v); break;
    }
}
}  // namespace

int MP_calcPixelHWMotiv(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunMotif(w, h, src, dst, ss, ts, p, DrawHalloween, 5);
}

int MP_calcPixelFlags(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunMotif(w, h, src, dst, ss, ts, p, DrawFlags, int(std::size(kFlags)));
}

int MP_calcPixelMotiv(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunMotif(w, h, src, dst, ss, ts, p, DrawFootball, 3);
}

namespace
{
const SKernelEntry kColourMotifKernels[] = {
    // name + function              border            flags                     reads         CL       effect test     sets
    {MP_KERNEL(MP_calcPixelHWMotiv), SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_POSITION, nullptr, MotifHasEffect, kMotifSets},
    {MP_KERNEL(MP_calcPixelFlags),   SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_POSITION, nullptr, MotifHasEffect, kMotifSets},
    {MP_KERNEL(MP_calcPixelMotiv),   SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_POSITION, nullptr, MotifHasEffect, kMotifSets},
};
}  // namespace

std::span<const SKernelEntry> ColourMotifKernels()
{
    return kColourMotifKernels;
}
