// Chain entries named on a command line: a catalogue kernel at its defaults, with some of its
// parameter sets replaced ("INDEX=V0,V1,…"), so any operator can be tried without a preset.
#pragma once

#include "engine/PostProcessing.h"

#include <QString>
#include <QStringList>

/// Appends the catalogue entry of `kernel` with every set at its default, then, for each text
/// "INDEX=V0,V1,…" of `sets`, the first values of set INDEX replaced and the set kept within its
/// kind's range. False with a one-line message (nothing appended) for a kernel the catalogue does
/// not offer, a malformed text, an index the entry does not have or a value that is not a finite
/// number.
bool MP_AppendOperator(CPostProcessing& chain, const QString& kernel, const QStringList& sets, QString& error);
