#include "engine/OperatorSpec.h"

#include "engine/OperatorCatalogue.h"

#include <cmath>

bool MP_AppendOperator(CPostProcessing& chain, const QString& kernel, const QStringList& sets, QString& error)
{
    const COperatorCatalogue& catalogue = COperatorCatalogue::Shared();
    const SCatalogueEntry* entry = catalogue.FindKernel(kernel);
    if (!entry)
        return error = QStringLiteral("unknown operator '%1' (vantrope-cli operators lists them)").arg(kernel), false;
    CPostProcessing::SOperator op = catalogue.CreateOperator(*entry);
    for (const QString& text : sets)
    {
        const qsizetype equals = text.indexOf('=');
        bool ok = false;
        const int index = equals > 0 ? text.left(equals).toInt(&ok) : -1;
        if (!ok || index < 0 || size_t(index) >= op.aParams.size())
            return error = QStringLiteral("bad --set '%1' for %2 (expected INDEX=V0,V1,… with INDEX from 0 to %3)")
                               .arg(text, kernel)
                               .arg(int(op.aParams.size()) - 1),
                   false;
        CPostProcessing::SParam& set = op.aParams[size_t(index)];
        const QStringList values = text.mid(equals + 1).split(',');
        if (values.size() > MP_PARAM_VALUES)
            return error = QStringLiteral("bad --set '%1': more than %2 values").arg(text).arg(MP_PARAM_VALUES), false;
        for (qsizetype i = 0; i < values.size(); ++i)
        {
            const float v = values[i].trimmed().toFloat(&ok);
            if (!ok || !std::isfinite(v))
                return error = QStringLiteral("bad value '%1' in --set '%2'").arg(values[i], text), false;
            set.afValues[i] = v;
        }
        CPostProcessing::ClampToRange(set.eType, set.afValues);
    }
    chain.Operators().append(op);
    return true;
}
