// The LUT options commands share: a cube file, its fourteen sliders and its layer mode.
#pragma once

#include "cli/Command.h"

class CCliArguments;
class CLutState;
struct LutParameters;

/// --lut FILE, --lut-param NAME=VALUE (repeatable; also --param), --lut-mode M (also --mode),
/// --interp trilinear|tetrahedral.
extern const SCliOption kLutOptions[4];
/// Only the sliders, for commands whose cube file comes otherwise.
inline CliOptions LutParameterOptions()
{
    return CliOptions(kLutOptions).subspan(1, 1);
}

/// Reads a LUT file into `lut` as the LUT panel loads one: our cube reader for plain cube files,
/// the import path for the rest; sliders at their defaults.
bool ReadLut(CCliArguments& args, const QString& path, CLutState& lut);
/// Applies every --lut-param to `parameters`.
bool ReadLutParameters(CCliArguments& args, LutParameters& parameters);
/// --lut with its sliders and layer mode into `lut`, which is then switched on. Without --lut,
/// nothing happens, and sliders or a mode given anyway are refused.
bool ReadLutOptions(CCliArguments& args, CLutState& lut);
