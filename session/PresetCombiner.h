// The combine window's model: preset A's operators followed by preset B's as a new user preset
// under the user file name reserved when the window opened. The two presets travel through
// "_tempA.ini" and "_tempB.ini"; closing removes those and, when it was not kept, the result.
#pragma once

#include "engine/PostProcessing.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <memory>

class CPresetLibrary;

class CPresetCombiner
{
    Q_DECLARE_TR_FUNCTIONS(CPresetCombiner)

public:
    explicit CPresetCombiner(CPresetLibrary& library);
    /// Close().
    ~CPresetCombiner();

    /// The presets that may be chosen as A or B (those without missing kernels).
    QList<int> Choices() const;
    const QString& ResultPath() const { return m_sResultPath; }

    /// Builds and saves the combination of the presets `a` and `b`; false when either cannot be
    /// combined or the result could not be written.
    bool Combine(int a, int b);
    /// The last combination; null before the first.
    CPostProcessing* Result() const { return m_result.get(); }

    /// Keeps the combination as a user preset named `name`; its library index, −1 on failure.
    int KeepAs(const QString& name);
    /// Asks for the name ("Vergeben sie einen Namen:") and keeps it; −1 when cancelled.
    int Keep();
    bool IsKept() const { return m_bKept; }

    /// Removes the temporary files and, when the combination was not kept, the result file.
    void Close();

private:
    CPresetLibrary& m_library;
    QString m_sResultPath;
    std::unique_ptr<CPostProcessing> m_result;
    bool m_bKept = false;
};
