// Fuzz target of the project reader: a project folder with a complete data folder (chain, LUT,
// two undo levels, "timeline.ini") and, beside it, a folder of sentinel files a link in the data
// folder points at. Each input replaces one file of the project, chosen by its last byte modulo
// 4: "timeline.ini" for 1, a level's "datetime.ini" for 3, else the project file (so text ending
// in a line break is a project). A project file is then opened and read into the components, a
// history file into the undo store, as the window does. Oracles:
// every loaded value within its bounds, the history no longer than the levels that exist, the
// load quick, and nothing outside the project's folders written or deleted, nothing in its data
// folder changed. Built with libFuzzer under clang, or as a replay program that runs the inputs
// named on its command line (files or folders) once each.
#include "core/IUserPrompt.h"
#include "core/Timing.h"
#include "engine/OperatorCatalogue.h"
#include "engine/OperatorFilter.h"
#include "fuzz/FileLoaderFuzz.h"
#include "lut/LutLattice.h"
#include "session/GradingSession.h"
#include "session/LutPanelModel.h"
#include "session/PresetsDockModel.h"
#include "session/ProjectComponents.h"
#include "session/ProjectStore.h"
#include "session/UndoStore.h"

#include <QCryptographicHash>
#include <QDirIterator>

namespace
{
void Require(bool condition, const char* oracle)
{
    FuzzSupport::Require(condition, "project", oracle);
}

// Nobody answers during a campaign.
class CSilentPrompt : public IUserPrompt
{
public:
    EAnswer Question(const QString&, const QString&, bool) override { return eNo; }
    void Information(const QString&, const QString&) override {}
    void Warning(const QString&, const QString&) override {}
    bool TextInput(const QString&, const QString&, QString&) override { return false; }
    QString OpenFile(const QString&, const QString&, const QString&) override { return {}; }
    QString SaveFile(const QString&, const QString&, const QString&) override { return {}; }
};

QByteArray TreeDigest(const QString& folder)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    QStringList entries;
    while (it.hasNext())
        entries << it.next();
    entries.sort();
    for (const QString& entry : entries)
    {
        hash.addData(entry.toUtf8());
        QFile file(entry);
        if (QFileInfo(entry).isFile() && !QFileInfo(entry).isSymLink() && file.open(QIODevice::ReadOnly))
            hash.addData(file.readAll());
    }
    return hash.result();
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

struct SHarness
{
    FuzzSupport::CInputFolder inputs{"project"};
    QString folder, project, data, user, outside;
    QByteArray projectText, timelineText, labelText, dataDigest, outsideDigest;
    uint64_t runs = 0;

    std::unique_ptr<CGradingSession> session = std::make_unique<CGradingSession>();
    CLutPanelModel lutPanel{session->Lut()};
    COperatorFilter filter;
    CSilentPrompt prompt;
    CPresetLibrary presetLibrary{inputs.Path() + "/project/user", inputs.Path() + "/project/user", prompt,
                                 COperatorCatalogue::Shared()};
    CPresetsDockModel presets{presetLibrary};
    CProjectComponents parts{*session, lutPanel, &filter, &presets};

    SHarness()
    {
        folder = inputs.Path() + "/project";
        QDir().mkpath(folder);
        project = folder + "/p.vantropeProject";
        data = folder + "/p.vantropedata";
        user = folder + "/user";
        outside = folder + "/outside";
        QDir().mkpath(outside);
        WriteFile(outside + "/keep.txt", "sentinel");
        WriteFile(outside + "/lut.cube", "LUT_3D_SIZE 2\n0 0 0\n1 0 0\n0 1 0\n1 1 0\n0 0 1\n1 0 1\n0 1 1\n1 1 1\n");

        // A complete project with a chain, a LUT and two undo levels, written by the writer.
        CUndoStore undo(user);
        session->Lut().CreateIdentity(3, "fuzz");
        const COperatorCatalogue& catalogue = COperatorCatalogue::Shared();
        session->Chain().Operators().append(catalogue.CreateOperator(*catalogue.FindKernel("MP_calcPixelNegative")));
        const std::vector<uint16_t> picture(8 * 6 * 3, 20000);
        const auto snapshot = [&](const QString& file) { return ProjectStore::Write(file, {}, parts.Registry()).bOk; };
        undo.SavePoint(snapshot, picture.data(), QSize(8, 6), 480, 0x404040);
        undo.SavePoint(snapshot, picture.data(), QSize(8, 6), 480, 0x404040);
        ProjectStore::Write(project, {}, parts.Registry(), [&](const QString& d) { return undo.CopyTo(d); });
        QFile::link(outside, data + "/link");
        QFile::link(outside + "/lut.cube", data + "/temp1/lut.cube");
        projectText = Read(project);
        timelineText = Read(data + "/timeline.ini");
        labelText = Read(data + "/temp1/datetime.ini");
        dataDigest = TreeDigest(data);
        outsideDigest = TreeDigest(outside);
    }
    static QByteArray Read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

SHarness& Harness()
{
    static SHarness harness;
    return harness;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SHarness& h = Harness();
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const int target = size > 0 ? data[size - 1] % 4 : 0;
    const QString replaced = target == 1 ? h.data + "/timeline.ini" : target == 3 ? h.data + "/temp1/datetime.ini" : h.project;
    const QByteArray original = target == 1 ? h.timelineText : target == 3 ? h.labelText : h.projectText;
    if (!WriteFile(replaced, input))
        return 0;

    const double start = MP_TimeStamp();
    std::unique_ptr<ProjectStore::COpened> opened;
    CUndoStore undo(h.user);
    // Each half alone: the history does not depend on the project file, nor the components on it.
    if (target == 1 || target == 3)
        undo.RestoreFrom(h.data);
    else if (ProjectStore::Open(h.project, opened) == ProjectStore::EOpen::eOk)
        h.parts.Registry().LoadAll(opened->Settings(), opened->DataFolder()); // no reset: it clears 6 MiB of lattices
    const double ms = MP_ElapsedMs(start);
    WriteFile(replaced, original);

    Require(ms < 1000.0, "a load takes well under a second");
    const CExposureSeries& series = h.parts.Series();
    Require(series.Pictures().size() <= size_t(CExposureSeries::kMaxPictures), "at most 9999 pictures");
    Require(series.Size().width() <= CExposureSeries::kMaxSide && series.Size().height() <= CExposureSeries::kMaxSide,
            "picture sides bounded");
    Require(series.ScalingFactor() >= 0.0 && series.ScalingFactor() <= 1.0, "scaling factor in 0..1");
    Require(h.presets.Selected() == -1, "no preset selected where the library has none");
    const int lutSize = h.session->Lut().Size();
    Require(lutSize == 0 || LutLattice::IsValidSize(lutSize), "LUT size 0 or 2..64");
    for (int i = 0; i < eLP_COUNT; ++i)
        Require(h.session->Lut().Parameters()[i] >= 0.f && h.session->Lut().Parameters()[i] <= 1.f, "LUT parameters in 0..1");
    Require(h.session->ColourLayers().Controls().Count() <= 6, "at most six layers");
    Require(undo.Entries().size() <= 2, "no more undo points than level folders");
    for (const CUndoStore::SEntry& entry : undo.Entries())
        Require(entry.thumbnail.size() == 57600 && entry.iParent < int(undo.Entries().size()), "undo entries well formed");
    undo.Reset();
    if (++h.runs % 64 == 0 || size < 4)
    {
        Require(TreeDigest(h.outside) == h.outsideDigest, "nothing outside the project written or deleted");
        Require(TreeDigest(h.data) == h.dataDigest, "the data folder unchanged by loading");
    }
    return 0;
}
