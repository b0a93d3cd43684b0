// The grade as an ordered list of operators with their parameter sets, the run over a working
// image (film type, operators with masking and progress, LUT), and its preset file.
#pragma once

#include "engine/Params.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

class CEngineContext;
class CFilmTypeModel;
class CLutState;
class COperatorCatalogue;

/// The main window's side of a run: told when a calculation starts and when the views must be
/// refreshed after an aborted one.
class IProcessObserver
{
public:
    virtual ~IProcessObserver() = default;
    virtual void CalculationStarted() = 0;
    virtual void RefreshViews() = 0;
};

/// Usage statistics: keeps the highest value reported under a key.
class IUsageStatistics
{
public:
    virtual ~IUsageStatistics() = default;
    virtual void ReportHighest(const QString& key, int value) = 0;
};

/// What a run reads besides the chain: the film-type choice and the LUT state of the
/// post-processing controls, the export's frame counter, the observer and the statistics store,
/// and the entry whose mask the preview shows.
struct SProcessContext
{
    const CFilmTypeModel* pFilmTypes = nullptr;
    CLutState* pLut = nullptr;
    int iVideoFrameCounter = 0;
    /// ≥ 0: the run stops after this entry and leaves the selection mask as it stands there as a
    /// grey picture (white: fully selected) instead of the graded image.
    int iShowMaskOf = -1;
    IProcessObserver* pObserver = nullptr;
    IUsageStatistics* pStatistics = nullptr;
    /// Only what a 3D LUT can hold runs (baking a grade into a lattice): operators that are not
    /// colour transforms by the kernel table, use geometry shapes, measure the picture or smooth
    /// it first are skipped, and so are such parts of the film type. Their kernels are listed in
    /// `pLeftOut` when given.
    bool bColourTransformsOnly = false;
    QStringList* pLeftOut = nullptr;
};

/// The header fields the chain fills before every kernel: quality, luminance weights, footprint
/// exponent, the preview scaling factor, and the engine context the kernel runs in.
void MP_FillChainHeader(CEngineContext& engine, Params& params, float previewScale);

class CPostProcessing
{
    Q_DECLARE_TR_FUNCTIONS(CPostProcessing)

public:
    enum ESetType : int32_t
    {
        eSLIDER = 0,
        ePOS = 1,
        eSPLINE = 2,
        eCOLOR = 3,
        eLINE = 4,
        eCOMBO = 5,
        eGEO = 6,
    };
    static constexpr int kMaxSets = 256;

    /// How many values of a set are meaningful (1, 2, 12, 5, 4, 2, 256); 0 for an unknown type.
    static int ValueCount(int32_t setType);
    /// Puts every value of the set into its type's range (NaN and negatives become 0, sliders
    /// and positions at most 1, the layer mode at most 68, the opacity at most 100, …) and zeroes
    /// the values beyond the type's count.
    static void ClampToRange(int32_t setType, float* values);

    struct SParam
    {
        int32_t eType = eSLIDER;
        float afValues[MP_PARAM_VALUES] = {};
    };

    struct SOperator
    {
        QString Kernel;
        uint32_t uiHash = 0;
        QString strLabel;
        int32_t eType = 0;
        bool bActive = true;
        int32_t iprecalcSmooth = 0;
        bool bReadBWPoint = false;
        bool bCalcBW = false;
        bool bCalcGradation = false;
        std::vector<SParam> aParams; // at most kMaxSets; the last is the eGEO set

        /// Index of the first set of this type, −1 when there is none.
        int FindSet(int32_t setType) const;
    };

    static uint32_t KernelHash(const QString& kernel);
    /// The operator maps each colour to a colour by itself alone, wherever it is and whatever the
    /// rest of the picture holds: a 3D LUT can stand in for it.
    static bool IsColourTransform(const SOperator& op);

    CPostProcessing();
    virtual ~CPostProcessing();

    QList<SOperator>& Operators() { return m_operators; }
    const QList<SOperator>& Operators() const { return m_operators; }

    const QString& DisplayNameKey() const { return m_sDisplayName; }
    void SetDisplayName(const QString& name) { m_sDisplayName = name; }
    const QString& Category() const { return m_sCategory; }
    void SetCategory(const QString& category) { m_sCategory = category; }
    const QString& Path() const { return m_sPath; }
    void SetPath(const QString& path) { m_sPath = path; }
    uint32_t TimeStamp() const { return m_uiTimeStamp; }
    void SetTimeStamp(uint32_t stamp) { m_uiTimeStamp = stamp; }
    const QString& SearchTag() const { return m_sSearchTag; }
    const QString& TranslatedSearchTag() const { return m_sSearchTagTranslated; }
    bool IsPending() const { return m_bPending; }
    void SetPending(bool pending) { m_bPending = pending; }

    /// The display name, translated in the context "PPPreset" unless the category is "user".
    QString DisplayName() const;
    /// The translated category, a blank and the display name (no category part when empty).
    QString Title() const;
    /// 65535 for a bad index or an operator without an eCOMBO set; else 0, 2, 3, 4 for the modes
    /// 0, 37, 38, 39 and 1 for any other, plus 128 when a geometry shape is in use.
    int LayerCode(int index) const;

    /// Reads the preset file at Path(). False when an operator names a kernel the catalogue
    /// does not know (that operator is skipped), or when the file was not read as a preset
    /// (unreadable, over the size or operator cap, no preset keys at all; LoadProblem() says why).
    bool Load(const COperatorCatalogue* catalogue);
    bool Load();
    /// Appends the operators of another preset file, leaving header and list untouched.
    bool LoadOperatorsOnly(const QString& path, const COperatorCatalogue* catalogue);
    bool LoadOperatorsOnly(const QString& path);
    /// Why the last load was incomplete, apart from unknown kernels; empty when it was not.
    const QString& LoadProblem() const { return m_sLoadProblem; }
    /// The kernels the last load skipped because the catalogue does not know them.
    const QStringList& MissingKernels() const { return m_missingKernels; }
    /// Writes the chain to Path(); false when the file could not be written.
    bool Save(bool asUser);
    /// Writes the chain to another path, Path() unchanged.
    bool SaveTo(const QString& path, bool asUser);

    /// Runs the chain in place on the engine's main slot (or its thumbnail slot). The full size
    /// sets only the preview scaling factor.
    void Process(CEngineContext& engine, int fullWidth, int fullHeight, bool thumbnail,
                 const SProcessContext& context = {});

private:
    bool Read(const QString& path, const COperatorCatalogue* catalogue);
    bool Write(const QString& path, bool asUser);
    void RunOperator(CEngineContext& engine, int index, uint16_t* image, int width, int height, float previewScale,
                     bool thumbnail, float progressBase, float progressSpan,
                     const std::vector<uint16_t>* unprocessed, std::vector<uint16_t>& before);

    QList<SOperator> m_operators;
    QString m_sDisplayName;
    QString m_sCategory;
    QString m_sPath;
    bool m_bOperatorsOnly = false;
    bool m_bPending = false;
    uint32_t m_uiTimeStamp = 0;
    int32_t m_aiWords[3] = {0, 0, 0};
    float m_afFactors[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    uint32_t m_auiColours[4] = {0xffffff, 0xffffff, 0xffffff, 0xffffff};
    int m_iFilmType = 0;
    float m_fFilmTypeIntensity = 1.0f;
    float m_fFilmTypeGraining = 0.0f;
    const void* m_pThumbnailSource = nullptr;
    QString m_sSearchTagTranslated;
    QString m_sSearchTag;
    QString m_sLoadProblem;
    QStringList m_missingKernels;
};
