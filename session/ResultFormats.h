// The formats a result image is saved in ("Ergebnisbild speichern"), and the remembered choice in
// "lastsaveformat.ini".
#pragma once

#include <QString>

namespace ResultFormats
{
constexpr int kCount = 10;
/// "TIF 8-Bit (*.tif)", … by index 0..9.
QString Filter(int index);
/// ".tif", ".jpg", ".tiff", ".hdr", ".exr", ".tif32", ".pfm", ".png", ".jp2", ".ppm".
QString Extension(int index);
/// The dialog's filter list with `first` first, then the others in index order.
QString DialogFilter(int first);
/// Index of the chosen filter text, else of the path's extension; −1 when neither is known.
int IndexOf(const QString& selectedFilter, const QString& path);
/// "lastSavedFormat" of "lastsaveformat.ini" in the user directory (0 when absent or invalid).
int LastSavedFormat(const QString& userDirectory = QString());
void StoreLastSavedFormat(int index, const QString& userDirectory = QString());
}  // namespace ResultFormats
