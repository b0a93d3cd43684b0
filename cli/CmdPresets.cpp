// vantrope-cli presets: the presets the dock shows (file, category, display name, whether they
// load completely), and a contact sheet of a picture graded by each of them.
#include "cli/CliArguments.h"
#include "cli/CliPrompt.h"
#include "core/StillImage.h"
#include "session/PresetContactSheet.h"
#include "session/PresetLibrary.h"

#include <QFileInfo>

namespace
{
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
    {"IN", "the picture to grade (a still image)", ECliValue::eINPUT},
    {"OUT", "the contact sheet to write (its extension picks the format)", ECliValue::eOUTPUT},
};

int ContactSheet(CCliArguments& args)
{
    const QString input = args.Arguments()[0], output = args.Arguments()[1];
    Helper::CRGB48Buffer image;
    if (QString error; !StillImage::Load(input, image, error))
        return args.Refuse(1, QStringLiteral("cannot read '%1': %2").arg(input, error));
    CCliPrompt prompt;
    CPresetLibrary library(prompt);
    if (!library.LoadAll())
        return 1;
    const SContactSheet sheet = PresetContactSheet::Render(library, image.GetData(), image.Width(), image.Height());
    if (sheet.pixels.empty())
        return args.Refuse(1, QStringLiteral("the contact sheet of '%1' could not be made").arg(input));
    QString error;
    if (!StillImage::Save(output, sheet.pixels.data(), sheet.size.width(), sheet.size.height(), error))
        return args.Refuse(1, QStringLiteral("cannot write '%1': %2").arg(output, error));
    return args.Publish(output) ? 0 : args.Report(1);
}

const SCliCommand kCommands[] = {
    {"presets", "every preset the presets dock shows: file, category, display name, ok or broken", {}, {}, List},
    {"presets contact-sheet", "a picture graded by every preset, as a labelled grid of thumbnails", kSheetArguments,
     {}, ContactSheet},
};
}  // namespace

std::span<const SCliCommand> PresetsCommands()
{
    return kCommands;
}
