#include "app/dock/PreviewTools.h"

#include <QAbstractButton>
#include <QSignalBlocker>

CPreviewTools::CPreviewTools(IPreviewSurface* preview, QObject* parent) : QObject(parent), m_pPreview(preview)
{
}

CPreviewTools::~CPreviewTools()
{
    if (m_pPreview && m_pCurrent && m_pPreview->Overlay() == m_pCurrent)
        m_pPreview->SetOverlay(nullptr);
}

QSize CPreviewTools::ImageSize() const
{
    return m_pPreview ? m_pPreview->ImageSize() : QSize();
}

void CPreviewTools::Activate(IPreviewOverlay* overlay, QAbstractButton* button)
{
    if (!m_pPreview)
        return;
    if (m_pButton && m_pButton != button)
    {
        const QSignalBlocker block(m_pButton.data());
        m_pButton->setChecked(false);
    }
    m_pCurrent = overlay;
    m_pButton = button;
    m_pPreview->SetOverlay(overlay);
    m_pPreview->UpdateOverlay();
}

void CPreviewTools::Deactivate(IPreviewOverlay* overlay)
{
    if (!m_pPreview || !overlay || m_pCurrent != overlay)
        return;
    if (m_pButton)
    {
        const QSignalBlocker block(m_pButton.data());
        m_pButton->setChecked(false);
    }
    m_pButton = nullptr;
    m_pCurrent = nullptr;
    if (m_pPreview->Overlay() == overlay)
        m_pPreview->SetOverlay(nullptr);
    m_pPreview->UpdateOverlay();
}

bool CPreviewTools::IsActive(const IPreviewOverlay* overlay) const
{
    return overlay && m_pCurrent == overlay && m_pPreview && m_pPreview->Overlay() == overlay;
}

void CPreviewTools::Update()
{
    if (m_pPreview)
        m_pPreview->UpdateOverlay();
}

void CCallbackOverlay::Paint(QPainter& painter, const QTransform& imageToWidget)
{
    if (onPaint)
        onPaint(painter, imageToWidget);
}

bool CCallbackOverlay::Press(QPointF imagePos)
{
    if (!onPress)
        return false;
    onPress(imagePos);
    return true;
}

void CCallbackOverlay::Move(QPointF imagePos)
{
    if (onMove)
        onMove(imagePos);
}

void CCallbackOverlay::Release(QPointF imagePos)
{
    if (onRelease)
        onRelease(imagePos);
}
