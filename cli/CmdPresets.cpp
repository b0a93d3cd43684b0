// vantrope-cli presets: the presets the dock shows (file, category, display name, whether they
// load completely), and a contact sheet of a picture graded by each of them.
#include "cli/CliArguments.h"
#include "cli/CliPrompt.h"
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

const SCliCommand kCommands[] = {
    {"presets", "every preset the presets dock shows: file, category, display name, ok or broken", {}, {}, List},
};
}  // namespace

std::span<const SCliCommand> PresetsCommands()
{
    return kCommands;
}
