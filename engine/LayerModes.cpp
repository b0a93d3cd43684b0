#include "engine/LayerModes.h"

namespace
{
#define MP_MODE(n, key) {n, QT_TRANSLATE_NOOP("LayerModes", key)}
const SLayerMode kModes[] = {
    MP_MODE(0, "Blendmode Normal"),
    MP_MODE(1, "Blendmode Aufhellen"),
    MP_MODE(2, "Blendmode Abdunkeln"),
    MP_MODE(3, "Blendmode Multiplizieren"),
    MP_MODE(4, "Blendmode Durchschnitt"),
    MP_MODE(5, "Blendmode Geometrisches Mittel"),
    MP_MODE(6, "Blendmode Verstärken"),
    MP_MODE(7, "Blendmode Differenz"),
    MP_MODE(8, "Blendmode Negation"),
    MP_MODE(9, "Blendmode Negativ multiplizieren"),
    MP_MODE(10, "Blendmode Ausschluss"),
    MP_MODE(11, "Blendmode Reflektieren"),
    MP_MODE(12, "Blendmode Weiches Licht"),
    MP_MODE(13, "Blendmode Ineinanderkopieren"),
    MP_MODE(14, "Blendmode Farbig abwedeln"),
    MP_MODE(15, "Blendmode Farbig nachbelichten"),
    MP_MODE(16, "Blendmode Addieren"),
    MP_MODE(17, "Blendmode Linear nachbelichten"),
    MP_MODE(18, "Blendmode Lineares Licht"),
    MP_MODE(19, "Blendmode Strahlendes Licht"),
    MP_MODE(20, "Blendmode Lichtpunkt"),
    MP_MODE(21, "Blendmode Harte Mischung"),
    MP_MODE(22, "Blendmode Glühen"),
    MP_MODE(23, "Blendmode Hitze"),
    MP_MODE(24, "Blendmode Annäherung"),
    MP_MODE(25, "Blendmode Dividieren"),
    MP_MODE(26, "Blendmode Kubische Summe"),
    MP_MODE(27, "Blendmode Quadratisches Mittel"),
    MP_MODE(28, "Blendmode Kontrast abschwächen"),
    MP_MODE(29, "Blendmode Kontrast verstärken"),
    MP_MODE(30, "Blendmode Hartes Licht (Luminanz)"),
    MP_MODE(31, "Blendmode Aufhellen (weich)"),
    MP_MODE(32, "Blendmode Schatten"),
    MP_MODE(33, "Blendmode Mitteltöne"),
    MP_MODE(34, "Blendmode Lichter"),
    MP_MODE(35, "Blendmode Graue Töne"),
    MP_MODE(36, "Blendmode Bunte Töne"),
    MP_MODE(37, "Blendmode Rotkanal"),
    MP_MODE(38, "Blendmode Grünkanal"),
    MP_MODE(39, "Blendmode Blaukanal"),
    MP_MODE(40, "Blendmode Grün- und Blaukanal"),
    MP_MODE(41, "Blendmode Rot- und Blaukanal"),
    MP_MODE(42, "Blendmode Rot- und Grünkanal"),
    MP_MODE(43, "Blendmode Tiefe Schatten"),
    MP_MODE(44, "Blendmode Helle Lichter"),
    MP_MODE(45, "Blendmode Addieren (begrenzt)"),
    MP_MODE(46, "Blendmode Addieren (Schatten)"),
    MP_MODE(47, "Blendmode Differenz hinzufügen"),
    MP_MODE(50, "Blendmode HSV Farbton"),
    MP_MODE(51, "Blendmode HSV Sättigung"),
    MP_MODE(52, "Blendmode HSV Farbe"),
    MP_MODE(53, "Blendmode HSV Helligkeit"),
    MP_MODE(54, "Blendmode HSV Mittel"),
    MP_MODE(55, "Blendmode HSV Abdunkeln"),
    MP_MODE(56, "Blendmode HSV Aufhellen"),
    MP_MODE(57, "Blendmode HSV Entsättigen"),
    MP_MODE(58, "Blendmode HSV Sättigen"),
    MP_MODE(60, "Blendmode HSL Farbton"),
    MP_MODE(61, "Blendmode HSL Sättigung"),
    MP_MODE(62, "Blendmode HSL Farbe"),
    MP_MODE(63, "Blendmode HSL Helligkeit"),
    MP_MODE(64, "Blendmode HSL Mittel"),
    MP_MODE(65, "Blendmode HSL Abdunkeln"),
    MP_MODE(66, "Blendmode HSL Aufhellen"),
    MP_MODE(67, "Blendmode HSL Entsättigen"),
    MP_MODE(68, "Blendmode HSL Sättigen"),
};
#undef MP_MODE
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
