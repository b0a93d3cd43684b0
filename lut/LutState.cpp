#include "lut/LutState.h"

#include "core/IUserPrompt.h"
#include "lut/LutEngine.h"

CLutState::CLutState() = default;

void CLutState::SetChosenSizeButtons(bool size25, bool size32, bool size64)
{
    m_iChosenSize = size64 ? 64 : size32 ? 32 : size25 ? 25 : 17;
}

void CLutState::Clear()
{
    m_iLUTSize = 0;
    m_sLUTTitle.clear();
    m_sReferencePicturePath.clear();
    m_source.Clear();
    m_baked.Clear();
    m_bActive = true;
    m_iLayerMode = 0;
    m_parameters = LutParameters::Defaults();
}

bool CLutState::CreateNew(IUserPrompt& prompt, bool askFirst)
{
    if (m_iLUTSize >= 1 && askFirst &&
        prompt.Question(tr("LUT neu erstellen"),
                        tr("Wollen Sie einen neuen leeren LUT Fotostil erstellen und Ihre aktuellen "
                           "Einstellungen verwerfen?")) != IUserPrompt::eYes)
        return false;
    CreateIdentity(kNewSize, tr("LUT Name create new"));
    return true;
}

void CLutState::CreateIdentity(int size, const QString& title)
{
    Clear();
    if (!LutLattice::IsValidSize(size))
        return;
    m_iLUTSize = size;
    m_sLUTTitle = title;
    LutLattice::WriteIdentity(m_source.Data(), size);
}

void CLutState::AdoptSource(int size, const QString& title)
{
    if (!LutLattice::IsValidSize(size))
        return;
    m_iLUTSize = size;
    m_sLUTTitle = title;
}

CubeFile::SReadResult CLutState::ReadCube(const QString& path, IUserPrompt* prompt)
{
    return CubeFile::ReadFile(path, m_source.Data(), m_iLUTSize, m_sLUTTitle, prompt);
}

void CLutState::Bake()
{
    MP_calcLUTtoLUTCalc(m_iLUTSize, m_source.Data(), m_baked.Data(), m_parameters);
}

bool CLutState::SaveCube(const QString& path, QString* reason)
{
    Bake();
    return CubeFile::WriteFile(path, m_baked.Data(), m_iLUTSize, m_sLUTTitle, reason);
}
