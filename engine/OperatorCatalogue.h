// The operator catalogue: which kernels a grade can use, their display names, types and
// parameter controls, read from the catalogue document ":/operators/PPOperators.xml" and the
// add-on documents in "Addons/xml/".
#pragma once

#include "engine/PostProcessing.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

class QIODevice;

/// One control of an entry: one parameter set.
struct SCatalogueControl
{
    int32_t eSetType = CPostProcessing::eSLIDER;
    QString sName, sTooltip, sLow, sHigh, sUnit; // translation keys (sUnit is shown as is)
    float fMin = 0.0f, fMax = 1.0f;              // shown values at positions 0 and 1
    bool bVisible = true;
    bool bIsRadius = false;
    int iCategory = 1;     // spline: 1 masking curve over luminance, 0 tone curve, 2 curve over hue
    int iDefaultCurve = 1; // spline: which initial curve
    int iTint = 0;         // spline: the editor's tint (1 red, 2 green, 3 blue, …), 0 none
    bool bJoined = false;  // spline: edited in the curve editor of the spline before it
    bool bWheel = false;   // colour: shown as a colour wheel with a luminance slider (value 0)
    bool bPickInput = false; // colour: the pipette takes the picture as the operator receives it
    int iPickerType = 0;   // position: the picker's look
    float afDefault[12] = {}; // the set's initial values
};

struct SCatalogueEntry
{
    QString sKernel;
    QString sName; // display name, a translation key
    QString sType; // "tonemapping", "enhance", …
    int iType = 0;
    bool bVisible = true;
    bool bPano = false;
    int iPrecalcSmooth = 0;
    bool bReadBWPoint = false, bCalcBW = false, bCalcGradation = false;
    QVector<SCatalogueControl> controls;
};

class COperatorCatalogue
{
    Q_DECLARE_TR_FUNCTIONS(HDRPostProcessingDockWidget)

public:
    /// Type name → number ("tonemapping" 0 … "mask" 7), −1 for an unknown name.
    static int TypeNumber(const QString& type);
    /// The initial curve selected by a spline's "default" attribute (12 values): 0 the identity,
    /// 1 flat at full strength, 5 flat at one half (curves over hue), 8 a gentle S, 10 falling.
    static void DefaultCurve(int which, float* values);

    /// The built-in catalogue and the add-on documents in "<application folder>/Addons/xml/",
    /// read once (thread-safe).
    static const COperatorCatalogue& Shared();

    /// Reads a catalogue document and adds its entries. On a parse error logs
    /// "ERROR in <name>: <message> at line <l> column <c>" and adds nothing.
    bool Read(QIODevice& device, const QString& documentName, QString* error = nullptr);
    /// The built-in document, with the phase timing lines.
    bool ReadBuiltIn();
    /// Every "*.xml" in the folder, each logged as "Addon XML <file> successful" or an error line.
    int ReadAddons(const QString& folder);

    const QVector<SCatalogueEntry>& Entries() const { return m_entries; }
    const SCatalogueEntry* FindKernel(const QString& kernel) const;
    bool Knows(const QString& kernel) const { return FindKernel(kernel) != nullptr; }
    const SCatalogueEntry* FindDisplayKey(const QString& name) const;
    /// Entries of a type number (−1: all), sorted by translated display name.
    QVector<const SCatalogueEntry*> ByType(int type) const;

    /// A chain entry for the catalogue entry: every set at its default.
    CPostProcessing::SOperator CreateOperator(const SCatalogueEntry& entry) const;

private:
    QVector<SCatalogueEntry> m_entries;
};
