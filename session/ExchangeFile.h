// The plug-in exchange file (".lif"): an XML document naming the images a host application hands
// over, and where the result goes back.
#pragma once

#include <QString>
#include <QStringList>

struct SExchangeFile
{
    QString sSourceApplication, sImportPath, sExportPath, sPluginType, sExportImage;
    QString sSourcePath = QStringLiteral("NA");
    int iImageCount = 0;
    QStringList images; // "Image%04d" entries joined to the import path
};

/// Reads `path` element by element and logs every value between two lines of 63 hyphens.
/// A read error logs "Invalid token found" and returns false.
bool ReadExchangeFile(const QString& path, SExchangeFile& file);
