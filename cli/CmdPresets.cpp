// vantrope-cli presets: the presets the dock shows (file, category, display name, whether they
// load completely), and a contact sheet of a picture graded by each of them.
#include "cli/CliArguments.h"
#include "cli/CliPrompt.h"
#include "core/StillImage.h"
#include "session/PresetContactSheet.h"
#include "session/PresetLibrary.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace
{
struct CliPresets
{
    Q_DECLARE_TR_FUNCTIONS(CliPresets)
};

int List(CCliArguments&)
{
    CCliPrompt prompt;
    CPresetLibrary library(prompt);
    if (!library.LoadAll())
        return 1;
    for (int i = 0; i < library.Count(); ++i)
    {
        const CPostProcessing& chain = library.Chain(i);
        QString state = QStringLiteral("ok");
        if (library.At(i).bBroken)
            state = chain.MissingKernels().isEmpty() ? QStringLiteral("broken: ") + chain.LoadProblem()
                                                     : QStringLiteral("broken: missing ") + chain.MissingKernels().join(", ");
        CliPrint(QStringLiteral("%1\t%2\t%3\t%4").arg(QFileInfo(chain.Path()).fileName(), chain.Category(), chain.DisplayName(), state));
    }
    return 0;
}

const SCliArgument kSheetArguments[] = {
    {QT_TRANSLATE_NOOP("CliHelp", "EIN"), QT_TRANSLATE_NOOP("CliHelp", "das zu bearbeitende Bild (ein Standbild)"),
     ECliValue::eINPUT},
    {QT_TRANSLATE_NOOP("CliHelp", "AUS"),
     QT_TRANSLATE_NOOP("CliHelp", "der zu schreibende Kontaktabzug (seine Endung wählt das Format)"), ECliValue::eOUTPUT},
};

int ContactSheet(CCliArguments& args)
{
    const QString input = args.Arguments()[0], output = args.Arguments()[1];
    Helper::CRGB48Buffer image;
    if (QString error; !StillImage::Load(input, image, error))
        return args.Refuse(1, CliPresets::tr("'%1' kann nicht gelesen werden: %2").arg(input, error));
    CCliPrompt prompt;
    CPresetLibrary library(prompt);
    if (!library.LoadAll())
        return 1;
    const SContactSheet sheet = PresetContactSheet::Render(library, image.GetData(), image.Width(), image.Height());
    if (sheet.pixels.empty())
        return args.Refuse(1, CliPresets::tr("der Kontaktabzug von '%1' konnte nicht erstellt werden").arg(input));
    QString error;
    if (!StillImage::Save(output, sheet.pixels.data(), sheet.size.width(), sheet.size.height(), error))
        return args.Refuse(1, CliPresets::tr("'%1' kann nicht geschrieben werden: %2").arg(output, error));
    return args.Publish(output) ? 0 : args.Report(1);
}

const SCliCommand kCommands[] = {
    {"presets", QT_TRANSLATE_NOOP("CliHelp", "jedes Preset, das das Preset-Dock zeigt: Datei, Kategorie, Anzeigename, ok oder broken"),
     {}, {}, List},
    {"presets contact-sheet",
     QT_TRANSLATE_NOOP("CliHelp", "ein Bild, mit jedem Preset bearbeitet, als beschriftetes Raster von Miniaturen"),
     kSheetArguments, {}, ContactSheet},
};
}  // namespace

std::span<const SCliCommand> PresetsCommands()
{
    return kCommands;
}
