#include "engine/LayerModes.h"

namespace
{
const SLayerMode kModes[] = {
    {0, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Normal")},
    {1, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Aufhellen")},
    {2, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Abdunkeln")},
    {3, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Multiplizieren")},
    {4, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Durchschnitt")},
    {5, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Geometrisches Mittel")},
    {6, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Verstärken")},
    {7, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Differenz")},
    {8, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Negation")},
    {9, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Negativ multiplizieren")},
    {10, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Ausschluss")},
    {11, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Reflektieren")},
    {12, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Weiches Licht")},
    {13, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Ineinanderkopieren")},
    {14, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Farbig abwedeln")},
    {15, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Farbig nachbelichten")},
    {16, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Addieren")},
    {17, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Linear nachbelichten")},
    {18, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Lineares Licht")},
    {19, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Strahlendes Licht")},
    {20, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Lichtpunkt")},
    {21, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Harte Mischung")},
    {22, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Glühen")},
    {23, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Hitze")},
    {24, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Annäherung")},
    {25, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Dividieren")},
    {26, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Kubische Summe")},
    {27, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Quadratisches Mittel")},
    {28, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Kontrast abschwächen")},
    {29, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Kontrast verstärken")},
    {30, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Hartes Licht (Luminanz)")},
    {31, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Aufhellen (weich)")},
    {32, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Schatten")},
    {33, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Mitteltöne")},
    {34, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Lichter")},
    {35, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Graue Töne")},
    {36, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Bunte Töne")},
    {37, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Rotkanal")},
    {38, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Grünkanal")},
    {39, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Blaukanal")},
    {40, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Grün- und Blaukanal")},
    {41, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Rot- und Blaukanal")},
    {42, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Rot- und Grünkanal")},
    {43, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Tiefe Schatten")},
    {44, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Helle Lichter")},
    {45, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Addieren (begrenzt)")},
    {46, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Addieren (Schatten)")},
    {47, QT_TRANSLATE_NOOP("LayerModes", "Blendmode Differenz hinzufügen")},
    {50, QT_TRANSLATE_NOOP("LayerModes", "Blendmode HSV Farbton")},
    {51, QT_TRANSLATE_NOOP("LayerModes", "Blendmode HSV Sättigung")},
    {52, QT_TRANSLATE_NOOP("LayerModes", "Blendmode HSV Farbe")},
    {53, QT_TRANSLATE_NOOP("LayerModes", "Blendmode HSV Helligkeit")},
    {54, QT_TRANSLATE_NOOP("LayerModes", "Blendmode HSV Mittel")},
    {55, QT_TRANSLATE_NOOP("LayerModes", "Blendmode HSV Abdunkeln")},
    {56, QT_TRANSLATE_NOOP("LayerModes", "Blendmode HSV Aufhellen")},
    {57, QT_TRANSLATE_NOOP("LayerModes", "Blendmode HSV Entsättigen")},
    {58, QT_TRANSLATE_NOOP("LayerModes", "Blendmode HSV Sättigen")},
    {60, QT_TRANSLATE_NOOP("LayerModes", "Blendmode HSL Farbton")},
    {61, QT_TRANSLATE_NOOP("LayerModes", "Blendmode HSL Sättigung")},
    {62, QT_TRANSLATE_NOOP("LayerModes", "Blendmode HSL Farbe")},
    {63, QT_TRANSLATE_NOOP("LayerModes", "Blendmode HSL Helligkeit")},
    {64, QT_TRANSLATE_NOOP("LayerModes", "Blendmode HSL Mittel")},
    {65, QT_TRANSLATE_NOOP("LayerModes", "Blendmode HSL Abdunkeln")},
    {66, QT_TRANSLATE_NOOP("LayerModes", "Blendmode HSL Aufhellen")},
    {67, QT_TRANSLATE_NOOP("LayerModes", "Blendmode HSL Entsättigen")},
    {68, QT_TRANSLATE_NOOP("LayerModes", "Blendmode HSL Sättigen")},
};
}  // namespace

namespace LayerModes
{
const QVector<SLayerMode>& List()
{
    static const QVector<SLayerMode> list(std::begin(kModes), std::end(kModes));
    return list;
}

int IndexOf(int mode)
{
    const QVector<SLayerMode>& list = List();
    for (int i = 0; i < list.size(); ++i)
        if (list[i].iMode == mode)
            return i;
    return -1;
}

QString DisplayName(int mode)
{
    const int i = IndexOf(mode);
    return i < 0 ? QString() : QCoreApplication::translate("LayerModes", List()[i].pszKey);
}
}  // namespace LayerModes
