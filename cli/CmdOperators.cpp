// vantrope-cli operators: every catalogue entry as kernel, type and display key.
#include "cli/Command.h"
#include "engine/OperatorCatalogue.h"

int RunOperators(const QStringList& args)
{
    if (!args.isEmpty())
    {
        CliError(QStringLiteral("unexpected argument '%1'").arg(args.first()));
        return 2;
    }
    const COperatorCatalogue& catalogue = COperatorCatalogue::Shared();
    if (catalogue.Entries().isEmpty())
    {
        CliError("the operator catalogue could not be read");
        return 1;
    }
    for (const SCatalogueEntry& e : catalogue.Entries())
        CliPrint(QStringLiteral("%1\t%2\t%3").arg(e.sKernel, e.sType, e.sName));
    return 0;
}
