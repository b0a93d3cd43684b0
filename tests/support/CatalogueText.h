// Operator catalogues for tests, read from in-memory documents: one operator of every control
// kind, a mask operator with a hidden control, one without a geometry element.
#pragma once

#include "engine/OperatorCatalogue.h"

#include <QBuffer>

#include <gtest/gtest.h>

inline COperatorCatalogue CatalogueFromText(const char* document)
{
    COperatorCatalogue catalogue;
    QByteArray bytes(document);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    EXPECT_TRUE(catalogue.Read(buffer, QStringLiteral("test.xml")));
    return catalogue;
}

inline const char* const kEveryControlCatalogue = R"(<?xml version="1.0"?>
<operators>
  <operator name="Alles" kernel="MP_calcPixelTestAll" type="color">
    <slider name="Stärke" low="wenig" high="viel" unit="%" min="-100" max="300" default="0.25"/>
    <position name="Mitte" x="0.3" y="0.7"/>
    <color name="Farbton" r="0.9" g="0.7" b="0.3"/>
    <spline name="Gradationskurve" category="0" default="0"/>
    <line name="Linie" x1="0.1" y1="0.2" x2="0.8" y2="0.9"/>
    <combo/>
    <geometry tooltip="Geometrie Tooltip"/>
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
  <operator name="Ohne Geometrie" kernel="MP_calcPixelTestNoGeo" type="mask">
    <slider name="Breite" min="0" max="100" default="0.5"/>
    <combo/>
  </operator>
</operators>)";
