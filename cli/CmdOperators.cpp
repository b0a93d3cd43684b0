// vantrope-cli operators: every catalogue entry as kernel, type and display name.
#include "cli/CliArguments.h"
#include "engine/OperatorCatalogue.h"

#include <QCoreApplication>

namespace
{
int Operators(CCliArguments&)
{
    const COperatorCatalogue& catalogue = COperatorCatalogue::Shared();
    if (catalogue.Entries().isEmpty())
    {
        CliError(QCoreApplication::translate("CliOperators", "der Operatorkatalog konnte nicht gelesen werden"));
        return 1;
    }
    for (const SCatalogueEntry& e : catalogue.Entries())
        CliPrint(QStringLiteral("%1\t%2\t%3").arg(e.sKernel, e.sType, COperatorCatalogue::tr(e.sName.toUtf8().constData())));
    return 0;
}
const SCliCommand kCommands[] = {
    {"operators", QT_TRANSLATE_NOOP("CliHelp", "jeder Katalogeintrag: Kernel, Typ, Anzeigename"), {}, {}, Operators}};
}  // namespace

std::span<const SCliCommand> OperatorsCommands()
{
    return kCommands;
}
