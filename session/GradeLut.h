// The whole grade as a LUT: the colour layers, every chain operator a 3D LUT can stand in for,
// the film type's colour part and the LUT panel's LUT with its sliders, run over the points of
// an N-point lattice. Operators that look at neighbours or positions are left out and named.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <vector>

class CGradingSession;
class CLutLibrary;
class IUserPrompt;

class CGradeLut
{
    Q_DECLARE_TR_FUNCTIONS(HDRPostProcessingDockWidget)

public:
    struct SResult
    {
        bool bOk = false;
        QStringList leftOut; // display names of the entries the lattice cannot hold, in grade order
    };

    /// Fills `lattice` with N³ triples (N 2…64): the session's grade of each lattice point's
    /// colour. The session's preview image is not touched.
    static SResult Bake(CGradingSession& session, int size, std::vector<float>& lattice);

    /// The message naming the left-out entries; empty when none were.
    static QString LeftOutText(const QStringList& leftOut);

    /// "Grade als LUT speichern": bakes at `size`, asks whether the LUT goes into the library
    /// (name asked, as when adding) or into a cube file (save dialog), writes it and names the
    /// left-out entries. True when a file was written.
    static bool Save(CGradingSession& session, int size, CLutLibrary& library, IUserPrompt& prompt);
};
