// The LUT state behind the LUT panel: size, title, the source and baked lattices, the fourteen
// parameters, the layer mode, the on switch and the size chosen for LUTs made from pictures.
#pragma once

#include "lut/CubeFile.h"
#include "lut/LutEngine.h"
#include "lut/LutLattice.h"

#include <QCoreApplication>
#include <QString>

class IUserPrompt;

class CLutState
{
    Q_DECLARE_TR_FUNCTIONS(HDRPostProcessingDockWidget)

public:
    /// Size of a new empty LUT.
    static constexpr int kNewSize = 32;

    CLutState();

    /// N of the source lattice; 0 when there is no LUT.
    int Size() const { return m_iLUTSize; }
    const QString& Title() const { return m_sLUTTitle; }
    void SetTitle(const QString& title) { m_sLUTTitle = title; }
    LutLattice& Source() { return m_source; }
    const LutLattice& Source() const { return m_source; }
    const LutLattice& Baked() const { return m_baked; }

    const LutParameters& Parameters() const { return m_parameters; }
    void SetParameter(ELutParameter which, float value) { m_parameters[which] = value; }
    void SetParameters(const LutParameters& parameters) { m_parameters = parameters; }
    void ResetGroup(ELutParameterGroup group) { m_parameters.ResetGroup(group); }

    int LayerMode() const { return m_iLayerMode; }
    void SetLayerMode(int mode) { m_iLayerMode = mode; }
    /// Trilinear (the default) or tetrahedral lookup; Clear() keeps the choice.
    ELutInterpolation Interpolation() const { return m_eInterpolation; }
    void SetInterpolation(ELutInterpolation interpolation) { m_eInterpolation = interpolation; }
    bool IsActive() const { return m_bActive; }
    void SetActive(bool on) { m_bActive = on; }
    const QString& ReferencePicturePath() const { return m_sReferencePicturePath; }
    void SetReferencePicturePath(const QString& path) { m_sReferencePicturePath = path; }

    /// N for a LUT made from a picture: 17, 25, 32 or 64.
    int ChosenSize() const { return m_iChosenSize; }
    /// From the four exclusive size buttons: the first checked of 64, 32, 25 wins, else 17.
    void SetChosenSizeButtons(bool size25, bool size32, bool size64);

    /// No LUT: size 0, empty title and picture path, both lattices zero, default parameters,
    /// first layer mode, switched on.
    void Clear();
    /// The new-empty-LUT action: with a LUT present and `askFirst` set, anything but "yes" to the
    /// question keeps everything; otherwise clears and creates the 32-point identity.
    /// True when the LUT was replaced.
    bool CreateNew(IUserPrompt& prompt, bool askFirst);
    /// Clears and fills the source lattice with the identity of an N-point lattice (2…64).
    void CreateIdentity(int size, const QString& title);

    /// The source lattice was filled in place (N³ triples) by a derivation: take N and the title.
    /// Parameters, layer mode and switch stay as they are. Ignored for sizes outside 2…64.
    void AdoptSource(int size, const QString& title);

    /// Reads a cube file into the source lattice, size and title (nothing changes on failure;
    /// the failure message goes through `prompt` when one is given).
    CubeFile::SReadResult ReadCube(const QString& path, IUserPrompt* prompt);
    /// Bakes the parameters into the baked lattice (nothing to do without a LUT).
    void Bake();
    /// Bakes, then writes the baked lattice with the title; false with the system's `reason` when
    /// the file was not written.
    bool SaveCube(const QString& path, QString* reason = nullptr);

private:
    int m_iLUTSize = 0;
    QString m_sLUTTitle;
    QString m_sReferencePicturePath;
    LutLattice m_source;
    LutLattice m_baked;
    LutParameters m_parameters = LutParameters::Defaults();
    int m_iLayerMode = 0;
    bool m_bActive = true;
    ELutInterpolation m_eInterpolation = eLI_TRILINEAR;
    int m_iChosenSize = 17;
};
