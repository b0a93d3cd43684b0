#include "session/PresetCombiner.h"

#include "core/IUserPrompt.h"
#include "session/PresetLibrary.h"

#include <QDir>
#include <QFile>

CPresetCombiner::CPresetCombiner(CPresetLibrary& library)
    : m_library(library), m_sResultPath(library.NextUserPath())
{
}

CPresetCombiner::~CPresetCombiner()
{
    Close();
}

QList<int> CPresetCombiner::Choices() const
{
    return m_library.Combinable();
}

bool CPresetCombiner::Combine(int a, int b)
{
    if (m_bKept)
        return false; // the reserved file now belongs to the kept preset
    std::unique_ptr<CPostProcessing> combined = m_library.Combine(a, b);
    if (!combined)
        return false;
    combined->SetPath(m_sResultPath);
    m_result = std::move(combined);
    return m_result->Save(false);
}

int CPresetCombiner::KeepAs(const QString& name)
{
    if (!m_result || m_bKept || name.isEmpty())
        return -1;
    m_result->SetDisplayName(name);
    if (!m_result->Save(false))
        return -1;
    m_bKept = true;
    return m_library.Add(m_sResultPath, EPresetOrigin::eUSER);
}

int CPresetCombiner::Keep()
{
    if (!m_result || m_bKept)
        return -1;
    QString name = m_result->DisplayName();
    if (!m_library.Prompt().TextInput(tr("Voreinstellungen kombinieren"), tr("Vergeben sie einen Namen:"), name))
        return -1;
    return KeepAs(name.trimmed());
}

void CPresetCombiner::Close()
{
    const QDir user(m_library.UserFolder());
    QFile::remove(user.filePath(QStringLiteral("_tempA.ini")));
    QFile::remove(user.filePath(QStringLiteral("_tempB.ini")));
    if (!m_bKept)
        QFile::remove(m_sResultPath);
}
