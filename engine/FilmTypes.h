// Film types: looks made of up to thirteen operators, read from "filmtypes_vantrope.xml", the
// choice behind the film-type controls (model), and the pass that applies a film type.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdint>

class CEngineContext;
class QIODevice;
class QSettings;

enum EFilmTypeValue
{
    eFT_GRADATION, eFT_BRIGHTNESS, eFT_CONTRAST, eFT_DENOISESHARP, eFT_SATURATION, eFT_TEMPERATURE,
    eFT_GRAINSTRENGTH, eFT_GRAINSIZE, eFT_PAL_RED, eFT_PAL_ORA, eFT_PAL_YEL, eFT_PAL_GRN, eFT_PAL_CYA,
    eFT_PAL_BLU, eFT_PAL_PUR, eFT_PAL_MAG, eFT_INFRARED, eFT_COLORIZE_I, eFT_COLORIZE_R,
    eFT_COLORIZE_G, eFT_COLORIZE_B, eFT_AURA, eFT_VIGNETTE, eFT_BLACKPOINT, eFT_WHITEPOINT,
    eFT_COUNT
};

/// The attribute names of the 25 values, in order.
extern const char* const g_aFilmTypeKeys[eFT_COUNT];

struct SFilmType
{
    QString sName; // translation key
    bool bVisible = true;
    float afValue[eFT_COUNT] = {};
};

/// Reads the film types of a document. On a parse error logs "ERROR in filmtypes.xml: " with the
/// message, line and column, returns false and leaves `types` empty.
bool MP_ReadFilmTypes(QIODevice& device, QVector<SFilmType>& types, QString* error = nullptr);

/// The film-type values scaled by the intensity s: x' = s × e + (1 − s) × neutral, palette
/// values 0.5 + sign(d) × |d|^0.75 with d = s × (e − 0.5); the rest unscaled.
void MP_ScaleFilmType(const SFilmType& type, float intensity, float* scaled);

/// Runs the film-type pass over a packed 16-bit RGB image in the engine context; `previewScale`
/// fills the header. With `leftOut`, only the steps whose kernel is a colour transform run; the
/// kernels of the others are appended to it.
void MP_RunFilmTypePass(CEngineContext& engine, const SFilmType& type, float intensity, float grain,
                        uint16_t* image, int width, int height, float previewScale,
                        QStringList* leftOut = nullptr);

/// The film-type choice: table, selected index (0: none), intensity, graining, position.
class CFilmTypeModel
{
    Q_DECLARE_TR_FUNCTIONS(HDRPostProcessingDockWidget)

public:
    enum EPosition
    {
        ePRE,  // before the operator chain (FilmTypPre)
        ePOST, // after it (FilmTypPost)
    };

    /// "<application folder>/filmtypes_vantrope.xml".
    static QString DefaultPath();
    /// Reads the table from a file; the selection is reset when it no longer fits.
    bool Load(const QString& path, QString* error = nullptr);
    bool Read(QIODevice& device, QString* error = nullptr);

    const QVector<SFilmType>& Types() const { return m_types; }
    /// 1-based index of the film type with this name (case-insensitive), 0 when none.
    int FindByName(const QString& name) const;

    int Index() const { return m_iIndex; }
    /// 0 (none) … number of film types; anything else selects none.
    void SetIndex(int index);
    float Intensity() const { return m_fIntensity; }
    void SetIntensity(float s);
    float Graining() const { return m_fGraining; }
    void SetGraining(float g);
    EPosition Position() const { return m_ePosition; }
    void SetPosition(EPosition position) { m_ePosition = position; }
    /// The selected film type, null for none.
    const SFilmType* Selected() const;

    /// Keys "PostProcessingDock/FilmTyp", "…/FilmTypPrePost", "…/FilmTypIntensitySlider",
    /// "…/FilmTypGrainingSlider".
    void SaveState(QSettings& settings) const;
    void LoadState(QSettings& settings);

private:
    QVector<SFilmType> m_types;
    int m_iIndex = 0;
    float m_fIntensity = 1.0f;
    float m_fGraining = 0.0f;
    EPosition m_ePosition = ePOST;
};
