#include "app/dock/PreviewTools.h"

#include <QAbstractButton>
#include <QSignalBlocker>

CPreviewTools::CPreviewTools(IPreviewSurface* preview, QObject* parent)
    : QObject(parent), m_pPreview(preview), m_pPreviewObject(dynamic_cast<QObject*>(preview)),
      m_bPreviewIsObject(m_pPreviewObject != nullptr)
{
}

CPreviewTools::~CPreviewTools()
{
    IPreviewSurface* preview = Preview();
    if (preview && m_pCurrent && preview->Overlay() == m_pCurrent)
        preview->SetOverlay(nullptr);
}

IPreviewSurface* CPreviewTools::Preview() const
{
    return m_bPreviewIsObject && !m_pPreviewObject ? nullptr : m_pPreview;
}

QSize CPreviewTools::ImageSize() const
{
    IPreviewSurface* preview = Preview();
    return preview ? preview->ImageSize() : QSize();
}

void CPreviewTools::Activate(IPreviewOverlay* overlay, QAbstractButton* button)
{
    IPreviewSurface* preview = Preview();
    if (!preview)
    {
        if (button)
        {
            const QSignalBlocker block(button);
            button->setChecked(false);
        }
        return;
    }
    if (m_pButton && m_pButton != button)
    {
        const QSignalBlocker block(m_pButton.data());
        m_pButton->setChecked(false);
    }
    m_pCurrent = overlay;
    m_pButton = button;
    preview->SetOverlay(overlay);
    preview->UpdateOverlay();
}

void CPreviewTools::Deactivate(IPreviewOverlay* overlay)
{
    if (!overlay || m_pCurrent != overlay)
        return;
    if (m_pButton)
    {
        const QSignalBlocker block(m_pButton.data());
        m_pButton->setChecked(false);
    }
    m_pButton = nullptr;
    m_pCurrent = nullptr;
    if (IPreviewSurface* preview = Preview())
    {
        if (preview->Overlay() == overlay)
            preview->SetOverlay(nullptr);
        preview->UpdateOverlay();
    }
}

bool CPreviewTools::IsActive(const IPreviewOverlay* overlay) const
{
    IPreviewSurface* preview = Preview();
    return overlay && m_pCurrent == overlay && preview && preview->Overlay() == overlay;
}

void CPreviewTools::Update()
{
    if (IPreviewSurface* preview = Preview())
        preview->UpdateOverlay();
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
