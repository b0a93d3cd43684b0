// Benchmarks of the LUT engine: applying a lattice to a 16-bit frame, and baking all fourteen
// parameters into a lattice.
#include "cli/Benchmark.h"
#include "core/EngineState.h"
#include "core/WorkerSplit.h"
#include "lut/CubeFile.h"
#include "lut/LutApplyRows.h"
#include "lut/LutEngine.h"

#include <QFile>

#include <memory>
#include <random>
#include <vector>

namespace
{
bool LatticeSize(const SBenchOptions& o, int fallback, int& n, QString& error)
{
    bool ok = true;
    n = o.extra.value("lut-size", QString::number(fallback)).toInt(&ok);
    if (!ok || !LutLattice::IsValidSize(n))
        return error = CliBench::tr("ungültige --lut-size (2..64)"), false;
    return true;
}

struct SApplyData
{
    std::unique_ptr<LutLattice> lattice = std::make_unique<LutLattice>();
    std::vector<float> padded;
    std::vector<uint16_t> frame;
    int n = 0, w = 0, h = 0, mode = 0;
};

// The frame is seeded noise, or a raw little-endian 16-bit RGB file of the benchmark's size
// (--frame FILE); the lattice is the identity of --lut-size points, or a cube file (--lut FILE).
// An identity lattice keeps the frame's spread of values over repeated in-place runs.
bool PrepareLutApply(const SBenchOptions& o, std::function<void()>& step, QString& error)
{
    auto d = std::make_shared<SApplyData>();
    d->w = o.size.width();
    d->h = o.size.height();
    d->mode = o.extra.value("mode", "0").toInt();
    if (o.extra.contains("lut"))
    {
        QString title;
        if (!CubeFile::ReadFile(o.extra["lut"], d->lattice->Data(), d->n, title, nullptr).bOk)
            return error = CliBench::tr("--lut %1 kann nicht gelesen werden").arg(o.extra["lut"]), false;
    }
    else
    {
        if (!LatticeSize(o, 33, d->n, error))
            return false;
        LutLattice::WriteIdentity(d->lattice->Data(), d->n);
    }
    const size_t samples = size_t(d->w) * d->h * 3;
    d->frame.resize(samples);
    if (o.extra.contains("frame"))
    {
        QFile file(o.extra["frame"]);
        const qint64 bytes = qint64(samples * 2);
        if (!file.open(QIODevice::ReadOnly) || file.read(reinterpret_cast<char*>(d->frame.data()), bytes) != bytes)
            return error = CliBench::tr("aus --frame %2 lassen sich keine %1 Bytes lesen").arg(bytes).arg(o.extra["frame"]), false;
    }
    else
    {
        std::mt19937 random(11);
        for (uint16_t& s : d->frame)
            s = uint16_t(random());
    }

    // --kernel scalar times the reference row function under the same band split.
    if (o.extra.value("kernel") == "scalar")
    {
        step = [d] {
            SLutApplyRows lut{d->lattice->Data(), nullptr, d->n, d->mode};
            const int bands = MP_MT_CapFullImageWorkers(MP_UI_GetThreadCount(), int64_t(d->w) * d->h);
            MP_MT_ForBands(d->h, bands, [&](const TaskFuncParams& t) {
                for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
                    MP_LUTApplyRowScalar(lut, d->frame.data() + size_t(y) * d->w * 3, d->w);
            });
        };
        return true;
    }
    const QString interp = o.extra.value("interp", "trilinear");
    if (interp != "trilinear" && interp != "tetrahedral")
        return error = CliBench::tr("ungültiges --interp (trilinear, tetrahedral)"), false;
    const ELutInterpolation interpolation = interp == "tetrahedral" ? eLI_TETRAHEDRAL : eLI_TRILINEAR;
    step = [d, interpolation] {
        MP_calcLUTtoImage(d->w, d->h, d->n, d->lattice->Data(), d->mode, d->frame.data(), interpolation);
    };
    return true;
}

// Every step of the bake active: all sliders away from their neutral values.
bool PrepareLutBake(const SBenchOptions& o, std::function<void()>& step, QString& error)
{
    int n = 0;
    if (!LatticeSize(o, 64, n, error))
        return false;
    auto source = std::make_shared<LutLattice>();
    auto baked = std::make_shared<LutLattice>();
    LutLattice::WriteIdentity(source->Data(), n);
    const LutParameters p{{0.9f, 0.6f, 0.7f, 0.8f, 0.4f, 0.6f, 0.45f, 0.55f, 0.6f, 0.2f, 0.2f, 0.3f, 0.5f, 0.5f}};
    step = [=] { MP_calcLUTtoLUTCalc(n, source->Data(), baked->Data(), p); };
    return true;
}

const SBenchmark kLutBenchmarks[] = {
    {"lut-apply", "MP_calcLUTtoImage on a frame, --lut-size N (33) or --lut FILE, --frame RAW, --mode M, "
                  "--kernel scalar, --interp trilinear|tetrahedral", PrepareLutApply},
    {"lut-bake", "MP_calcLUTtoLUTCalc with every step active, --lut-size N (64)", PrepareLutBake},
};
}  // namespace

std::span<const SBenchmark> LutBenchmarks()
{
    return kLutBenchmarks;
}
