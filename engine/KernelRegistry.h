// The kernel registry: every family's rows joined into one sorted table, and the property
// questions the dispatcher asks by entry name.
#pragma once

#include "engine/KernelTypes.h"

#include <span>
#include <string_view>
#include <vector>

/// All rows, sorted by entry name.
std::span<const SKernelEntry> MP_KernelTable();

/// The row whose name equals `name` or starts with it (a leading part counts as listed); the
/// first such row in name order, null when there is none.
const SKernelEntry* MP_FindKernel(std::string_view name);

/// Border rows of a kernel (500 for a name the registry does not know), evaluated from the
/// call record: multiply, divide, scale, then truncate.
int MP_BorderRows(std::string_view name, const Params& params);
int MP_BorderRows(const SBorder& border, const Params& params);

bool MP_IsProcessorOnly(std::string_view name);
bool MP_IsWholeImage(std::string_view name);
bool MP_IsMaskKernel(std::string_view name);
bool MP_NeedsUnprocessed(std::string_view name);
bool MP_IsIterativeToneMapping(std::string_view name);
/// True when the kernel, without geometry shapes, maps each colour to a colour by itself alone
/// (eIN_COLOUR, not a mask kernel): a 3D LUT can stand in for it.
bool MP_IsColourTransform(std::string_view name);
/// 0.9 for the tone-mapping kernels that declare it, 1.0 otherwise.
float MP_RadiusFactor(std::string_view name);
/// True when the kernel would change the image with this call record.
bool MP_HasEffect(std::string_view name, const Params& params);

/// The names the start-up speed comparison keeps results under: one per speed-tested kernel, or
/// the kernel whose result it follows; sorted, each once.
std::vector<std::string_view> MP_SpeedResultNames();
