#include "session/GradeLut.h"

#include "core/IUserPrompt.h"
#include "engine/EngineContext.h"
#include "engine/OperatorCatalogue.h"
#include "lut/CubeFile.h"
#include "lut/LutLibrary.h"
#include "session/GradingSession.h"

#include <cmath>
#include <cstring>
#include <memory>

namespace
{
QString DisplayName(const QString& kernel)
{
    const SCatalogueEntry* entry = COperatorCatalogue::Shared().FindKernel(kernel);
    return entry ? CGradeLut::tr(entry->sName.toUtf8().constData()) : kernel;
}
}  // namespace

CGradeLut::SResult CGradeLut::Bake(CGradingSession& session, int size, std::vector<float>& lattice)
{
    SResult result;
    if (!LutLattice::IsValidSize(size))
        return result;
    // One pixel per lattice point, in lattice order: N² wide (red fastest, then green), N high.
    const int width = size * size, height = size;
    std::vector<uint16_t> points(size_t(width) * height * 3);
    for (size_t i = 0; i < points.size() / 3; ++i)
    {
        const size_t index[3] = {i % size_t(size), i / size_t(size) % size_t(size), i / (size_t(size) * size)};
        for (int c = 0; c < 3; ++c)
            points[3 * i + size_t(c)] = uint16_t(std::lround(double(index[c]) * 65535.0 / double(size - 1)));
    }
    // Its own engine context, so the preview's working image stays as it is.
    CEngineContext engine(session.Engine().State());
    if (!engine.Slots().Fill(eWS_MAIN, points.data(), width, height, width, height, engine.Workers(int64_t(width) * height)))
        return result;
    Helper::CRGB48Buffer& slot = engine.Slots().Get(eWS_MAIN);
    if (session.ColourLayers().HasActiveLayers())
        session.ColourLayers().ApplyInPlace(slot.GetData(), width, height);

    QStringList leftOut;
    SProcessContext context;
    context.pFilmTypes = &session.FilmTypes();
    context.pLut = &session.Lut();
    context.bColourTransformsOnly = true;
    context.pLeftOut = &leftOut;
    // The run must not count as the preview's: its pending mark stays as it was.
    const bool pending = session.Chain().IsPending();
    session.Chain().Process(engine, width, height, false, context);
    session.Chain().SetPending(pending);

    const uint16_t* graded = slot.GetData();
    lattice.resize(points.size());
    for (size_t i = 0; i < lattice.size(); ++i)
        lattice[i] = float(graded[i]) / 65535.f;
    for (const QString& kernel : leftOut)
        result.leftOut << DisplayName(kernel);
    result.bOk = true;
    return result;
}

QString CGradeLut::LeftOutText(const QStringList& leftOut)
{
    if (leftOut.isEmpty())
        return QString();
    return tr("Diese Einstellungen wirken auf Nachbarpunkte oder Bildpositionen und sind nicht im LUT enthalten: %1")
        .arg(leftOut.join(", "));
}

bool CGradeLut::Save(CGradingSession& session, int size, CLutLibrary& library, IUserPrompt& prompt)
{
    const IUserPrompt::EAnswer where =
        prompt.Question(tr("Grade als LUT speichern"),
                        tr("Den LUT in die LUT-Bibliothek aufnehmen (Ja) oder als Datei speichern (Nein)?"), true);
    if (where == IUserPrompt::eCancel)
        return false;
    std::vector<float> lattice;
    const SResult baked = Bake(session, size, lattice);
    if (!baked.bOk)
        return false;
    auto state = std::make_unique<CLutState>();
    state->CreateIdentity(size, session.Lut().Title().isEmpty() ? tr("My LUT style") : session.Lut().Title());
    std::memcpy(state->Source().Data(), lattice.data(), lattice.size() * sizeof(float));

    QString reason;
    bool written = false;
    if (where == IUserPrompt::eYes)
    {
        QString name = state->Title();
        if (!prompt.TextInput(tr("LUT Add Database Dialog"), tr("LUT Enter Name:"), name))
            return false;
        written = library.AddNamed(*state, name, &reason);
    }
    else
    {
        const QString path =
            prompt.SaveFile(tr("Grade als LUT speichern"), library.StartFolder() + "/" + state->Title(), ".cube (*.cube)");
        if (path.isEmpty())
            return false;
        written = CubeFile::WriteFile(path, state->Source().Data(), size, state->Title(), &reason);
    }
    if (!written)
        prompt.Warning(tr("Grade als LUT speichern"), tr("Der LUT wurde nicht geschrieben: %1").arg(reason));
    else if (!baked.leftOut.isEmpty())
        prompt.Information(tr("Grade als LUT speichern"), LeftOutText(baked.leftOut));
    return written;
}
