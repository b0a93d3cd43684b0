// Build tool: writes the three example projects ("1", "2", "3" + ".vantropeProject") with their
// pictures into the examples folder beside the program, through the program's own project
// writer. The pictures are drawn here (a landscape at dusk, a chart of skin and sky tones); the
// third example's clip is made by ffmpeg before this runs. Paths inside the projects are
// relative, so the examples work wherever the program lies.
//   vantrope-make-examples OUTPUT_FOLDER FILMTYPES_XML CLIP
#include "core/EngineState.h"
#include "core/StillImage.h"
#include "engine/OperatorCatalogue.h"
#include "engine/OperatorFilter.h"
#include "lut/LutLattice.h"
#include "session/GradingSession.h"
#include "session/LutPanelModel.h"
#include "session/ProjectComponents.h"
#include "session/ProjectStore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace
{
constexpr int kWidth = 960, kHeight = 540;

uint16_t Sample(double v)
{
    return uint16_t(std::lround(std::clamp(v, 0.0, 1.0) * 65535.0));
}

// Sky from deep blue to orange, a low sun, three rows of hills, a lake reflecting the sky.
std::vector<uint16_t> Landscape()
{
    std::vector<uint16_t> p(size_t(kWidth) * kHeight * 3);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
        {
            const double u = double(x) / kWidth, v = double(y) / kHeight;
            double r = 0.15 + 0.85 * v * 1.6, g = 0.2 + 0.45 * v * 1.4, b = 0.55 - 0.35 * v;
            const double sun = std::hypot(u - 0.68, (v - 0.42) * 0.6);
            if (sun < 0.05)
                r = 1.0, g = 0.9, b = 0.6;
            else
                r += 0.25 * std::exp(-sun * 12.0), g += 0.12 * std::exp(-sun * 12.0);
            for (int hill = 0; hill < 3; ++hill)
            {
                const double top = 0.5 + 0.07 * hill + 0.05 * std::sin(u * (5.0 + 3.0 * hill) + hill);
                if (v > top && v < 0.8)
                    r = 0.08 + 0.05 * hill, g = 0.18 + 0.08 * hill - 0.1 * (v - top), b = 0.1 + 0.03 * hill;
            }
            if (v >= 0.8)
            {
                const double ripple = 0.04 * std::sin(u * 90.0 + v * 40.0);
                r = 0.35 + ripple, g = 0.3 + ripple, b = 0.4;
            }
            p[(size_t(y) * kWidth + x) * 3 + 0] = Sample(r);
            p[(size_t(y) * kWidth + x) * 3 + 1] = Sample(g);
            p[(size_t(y) * kWidth + x) * 3 + 2] = Sample(b);
        }
    return p;
}

// Patches of skin, foliage, sky and greys with soft edges.
std::vector<uint16_t> ToneChart()
{
    static const double patches[4][6][3] = {
        {{0.45, 0.32, 0.26}, {0.76, 0.58, 0.5}, {0.36, 0.48, 0.61}, {0.35, 0.42, 0.26}, {0.51, 0.5, 0.69}, {0.39, 0.74, 0.66}},
        {{0.84, 0.47, 0.17}, {0.29, 0.36, 0.65}, {0.76, 0.33, 0.38}, {0.36, 0.24, 0.42}, {0.62, 0.73, 0.25}, {0.88, 0.63, 0.18}},
        {{0.2, 0.24, 0.58}, {0.27, 0.58, 0.29}, {0.69, 0.2, 0.22}, {0.93, 0.78, 0.12}, {0.73, 0.33, 0.58}, {0.0, 0.52, 0.64}},
        {{0.95, 0.95, 0.95}, {0.78, 0.78, 0.78}, {0.63, 0.63, 0.63}, {0.47, 0.47, 0.47}, {0.32, 0.32, 0.32}, {0.17, 0.17, 0.17}}};
    std::vector<uint16_t> p(size_t(kWidth) * kHeight * 3);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
        {
            const int row = std::min(3, y * 4 / kHeight), column = std::min(5, x * 6 / kWidth);
            const double fx = std::fmod(double(x) * 6 / kWidth, 1.0), fy = std::fmod(double(y) * 4 / kHeight, 1.0);
            const double edge = std::min({fx, 1 - fx, fy, 1 - fy}) < 0.06 ? 0.25 : 1.0;
            for (int c = 0; c < 3; ++c)
                p[(size_t(y) * kWidth + x) * 3 + c] = Sample(patches[row][column][c] * edge + 0.08 * (1 - edge));
        }
    return p;
}

// A warm look: shadows towards teal, highlights towards orange, a little more contrast.
void WarmLattice(CLutState& lut, int n)
{
    lut.CreateIdentity(n, QStringLiteral("Warmes Licht"));
    float* data = lut.Source().Data();
    for (int i = 0; i < n * n * n; ++i)
    {
        float* rgb = data + 3 * i;
        const float luma = 0.2126f * rgb[0] + 0.7152f * rgb[1] + 0.0722f * rgb[2];
        const float s = luma * luma * (3 - 2 * luma); // smooth contrast
        rgb[0] = std::clamp(rgb[0] + (s - luma) + 0.08f * luma - 0.03f * (1 - luma), 0.f, 1.f);
        rgb[1] = std::clamp(rgb[1] + (s - luma) + 0.02f * luma, 0.f, 1.f);
        rgb[2] = std::clamp(rgb[2] + (s - luma) - 0.07f * luma + 0.05f * (1 - luma), 0.f, 1.f);
    }
}

void AddOperator(CGradingSession& session, const char* kernel)
{
    const COperatorCatalogue& catalogue = COperatorCatalogue::Shared();
    if (const SCatalogueEntry* entry = catalogue.FindKernel(QLatin1String(kernel)))
        session.Chain().Operators().append(catalogue.CreateOperator(*entry));
}

struct SExample
{
    CGradingSession session;
    CLutPanelModel lutPanel{session.Lut()};
    COperatorFilter filter;
    CProjectComponents parts{session, lutPanel, &filter};
};

// Writes the project and makes its media paths relative to the project's folder.
bool Write(SExample& example, const QString& project, const ProjectFile::SHeader& header, const QString& mediaName)
{
    if (!ProjectStore::Write(project, header, example.parts.Registry()).bOk)
        return false;
    QSettings settings(project, QSettings::IniFormat);
    settings.setValue("Exposure0000/FilePath", mediaName);
    if (header.bVideoIsLoaded)
        settings.setValue("VideoFilePath", mediaName);
    settings.sync();
    return settings.status() == QSettings::NoError;
}
}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    MP_UI_SetLogging(false);
    if (argc != 4)
    {
        std::fprintf(stderr, "usage: vantrope-make-examples OUTPUT_FOLDER FILMTYPES_XML CLIP\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]), filmTypes = QString::fromLocal8Bit(argv[2]);
    const QString clip = QString::fromLocal8Bit(argv[3]);
    QString error;
    bool ok = true;

    {
        SExample e;
        e.session.FilmTypes().Load(filmTypes);
        const std::vector<uint16_t> pixels = Landscape();
        const QString picture = folder + "/1.png";
        ok = StillImage::Save(picture, pixels.data(), kWidth, kHeight, error) && ok;
        AddOperator(e.session, "MP_calcPixelColorTemperature");
        AddOperator(e.session, "MP_calcPixelVignette");
        e.session.FilmTypes().SetIndex(e.session.FilmTypes().FindByName(QString::fromUtf8("Herbstlicht")));
        e.session.FilmTypes().SetIntensity(0.7f);
        e.parts.Series().SetPicture(picture, QSize(kWidth, kHeight), QSize(kWidth, kHeight), pixels.data());
        ok = Write(e, folder + "/1.vantropeProject", {}, "1.png") && ok;
    }
    {
        SExample e;
        e.session.FilmTypes().Load(filmTypes);
        const std::vector<uint16_t> pixels = ToneChart();
        const QString picture = folder + "/2.png";
        ok = StillImage::Save(picture, pixels.data(), kWidth, kHeight, error) && ok;
        WarmLattice(e.session.Lut(), 17);
        e.session.Lut().SetParameter(eLP_INTENSITY, 0.8f);
        e.session.Lut().SetParameter(eLP_SATURATION, 0.6f);
        ColorModule::CColorControls& layers = e.session.ColourLayers().Controls();
        layers.AddLayer();
        SColorLayerData& layer = layers.Layer(0).Data();
        layer.SetSourceFromColour(0.2f, 0.24f, 0.58f);
        layer.SetDestinationFromColour(0.0f, 0.52f, 0.64f);
        layer.m_bActive = true;
        e.parts.Series().SetPicture(picture, QSize(kWidth, kHeight), QSize(kWidth, kHeight), pixels.data());
        ok = Write(e, folder + "/2.vantropeProject", {}, "2.png") && ok;
    }
    {
        SExample e;
        e.session.FilmTypes().Load(filmTypes);
        AddOperator(e.session, "MP_calcPixelLocalContrast");
        e.session.FilmTypes().SetIndex(e.session.FilmTypes().FindByName(QString::fromUtf8("Kino Blaugrün-Orange")));
        e.parts.Series().SetPicture(clip, QSize(320, 180), QSize(320, 180));
        ProjectFile::SHeader header;
        header.bVideoIsLoaded = true;
        header.sVideoFilePath = QFileInfo(clip).absoluteFilePath();
        ok = Write(e, folder + "/3.vantropeProject", header, QFileInfo(clip).fileName()) && ok;
    }
    if (!ok)
        std::fprintf(stderr, "vantrope-make-examples: %s\n", qPrintable(error.isEmpty() ? QStringLiteral("a project was not written") : error));
    return ok ? 0 : 1;
}
