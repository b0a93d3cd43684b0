// Shared pieces of the dock tests: a preview that records what the dock asks of it, and a
// catalogue with one operator of every control kind.
#pragma once

#include "app/PreviewSurface.h"
#include "engine/OperatorCatalogue.h"

#include <QBuffer>

class CFakePreview : public IPreviewSurface
{
public:
    void SetOverlay(IPreviewOverlay* overlay) override { m_pOverlay = overlay; }
    IPreviewOverlay* Overlay() const override { return m_pOverlay; }
    void UpdateOverlay() override { ++m_iUpdates; }
    QSize ImageSize() const override { return m_size; }
    QRgba64 ColourAt(QPointF imagePos, bool graded) const override
    {
        m_lastColourPos = imagePos;
        m_bLastGraded = graded;
        return m_colour;
    }

    IPreviewOverlay* m_pOverlay = nullptr;
    int m_iUpdates = 0;
    QSize m_size{100, 50};
    QRgba64 m_colour = QRgba64::fromRgba(255, 128, 0, 255);
    mutable QPointF m_lastColourPos{-1, -1};
    mutable bool m_bLastGraded = false;
};

inline const char* const kDockTestCatalogue = R"(<?xml version="1.0"?>
<operators>
  <operator name="Alles" kernel="MP_calcPixelTestAll" type="color">
    <slider name="Stärke" low="wenig" high="viel" unit="%" min="-100" max="300" default="0.25"/>
    <position name="Mitte" x="0.3" y="0.7"/>
    <color name="Farbton" r="0.9" g="0.7" b="0.3"/>
    <spline name="Gradationskurve" category="0" default="0"/>
    <line name="Linie" x1="0.1" y1="0.2" x2="0.8" y2="0.9"/>
    <combo/>
    <geometry/>
  </operator>
  <operator name="Maske - Test" kernel="MP_calcPixelTestMask" type="mask">
    <slider name="Breite" min="0" max="100" default="0.5"/>
    <slider name="Versteckt" visible="0" min="0" max="1" default="0.1"/>
    <combo/>
    <geometry/>
  </operator>
  <operator name="Schärfen Test" kernel="MP_calcPixelTestSharpen" type="enhance">
    <slider name="Stärke" min="0" max="100" default="0.3"/>
    <spline name="Maskierung" category="1" default="1"/>
    <combo/>
    <geometry/>
  </operator>
</operators>)";

inline COperatorCatalogue DockTestCatalogue()
{
    COperatorCatalogue catalogue;
    QByteArray bytes(kDockTestCatalogue);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    catalogue.Read(buffer, QStringLiteral("dock-test.xml"));
    return catalogue;
}
