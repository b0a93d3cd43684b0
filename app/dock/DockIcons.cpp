#include "app/dock/DockIcons.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace
{
struct SDrawn
{
    const char* pszStem; // name without "Active"/"InActive"
    QColor colour;
    // The first letter of the type's name, translated with it; the name tells the one-letter
    // texts apart.
    struct
    {
        const char* pszLetter;
        const char* pszTypeName;
    } glyph;
};

const SDrawn kFilters[] = {
    {"FilterListAll", QColor(90, 90, 90), {"*", nullptr}},
    {"FilterListEnhance", QColor(40, 120, 200),
     QT_TRANSLATE_NOOP3("HDRPostProcessingDockWidget", "S", "Schärfen und Entrauschen")},
    {"FilterListGeometry", QColor(130, 80, 180),
     QT_TRANSLATE_NOOP3("HDRPostProcessingDockWidget", "G", "Geometrie")},
    {"FilterListLuminance", QColor(200, 160, 30),
     QT_TRANSLATE_NOOP3("HDRPostProcessingDockWidget", "B", "Belichtung")},
    {"FilterListColor", QColor(210, 60, 60),
     QT_TRANSLATE_NOOP3("HDRPostProcessingDockWidget", "F", "Farbe")},
    {"FilterListSmooth", QColor(60, 160, 150),
     QT_TRANSLATE_NOOP3("HDRPostProcessingDockWidget", "W", "Weichzeichnen")},
    {"FilterListArtistic", QColor(200, 100, 30),
     QT_TRANSLATE_NOOP3("HDRPostProcessingDockWidget", "K", "Künstlerisch")},
    {"FilterListMask", QColor(70, 140, 60),
     QT_TRANSLATE_NOOP3("HDRPostProcessingDockWidget", "M", "Masken")},
};

QPixmap Canvas()
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    return pm;
}

QIcon DrawFilter(const SDrawn& d, bool active)
{
    QPixmap pm = Canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor fill = active ? d.colour : QColor(170, 170, 170);
    p.setBrush(fill);
    p.setPen(QPen(fill.darker(140), 1.5));
    p.drawRoundedRect(QRectF(2, 2, 28, 28), 6, 6);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(18);
    p.setFont(f);
    p.setPen(active ? Qt::white : QColor(235, 235, 235));
    const QString glyph =
        d.glyph.pszTypeName ? QCoreApplication::translate("HDRPostProcessingDockWidget", d.glyph.pszLetter,
                                                          d.glyph.pszTypeName)
                            : QString::fromUtf8(d.glyph.pszLetter);
    p.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, glyph);
    return QIcon(pm);
}

QIcon DrawExpander(bool expanded)
{
    QPixmap pm = Canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 80, 80));
    QPainterPath path;
    if (expanded)
    {
        path.moveTo(6, 10);
        path.lineTo(26, 10);
        path.lineTo(16, 24);
    }
    else
    {
        path.moveTo(10, 6);
        path.lineTo(24, 16);
        path.lineTo(10, 26);
    }
    path.closeSubpath();
    p.drawPath(path);
    return QIcon(pm);
}

QIcon DrawReset()
{
    QPixmap pm = Canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(70, 70, 70), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(6, 6, 20, 20), 60 * 16, 280 * 16);
    p.setBrush(QColor(70, 70, 70));
    p.setPen(Qt::NoPen);
    QPainterPath head;
    head.moveTo(17, 1);
    head.lineTo(25, 7);
    head.lineTo(16, 11);
    head.closeSubpath();
    p.drawPath(head);
    return QIcon(pm);
}

QIcon DrawGlyph(const QColor& colour, const QString& glyph, const QString& badge = QString())
{
    QPixmap pm = Canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(colour);
    p.setPen(QPen(colour.darker(140), 1.5));
    p.drawRoundedRect(QRectF(2, 2, 28, 28), 6, 6);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(badge.isEmpty() ? 20 : 14);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, badge.isEmpty() ? 0 : -6, 32, 32), Qt::AlignCenter, glyph);
    if (!badge.isEmpty())
    {
        f.setPixelSize(11);
        p.setFont(f);
        p.drawText(QRect(0, 14, 32, 16), Qt::AlignCenter, badge);
    }
    return QIcon(pm);
}

// "UndoLaden" (no point), "UndoLaden01" … "UndoLaden10", "UndoLaden10p": the count of points.
QIcon DrawUndo(const QString& name)
{
    const QString count = name.mid(QStringLiteral("UndoLaden").size());
    const QString badge = count.isEmpty() ? QString() : count.endsWith('p') ? QStringLiteral("10+") : QString::number(count.toInt());
    return DrawGlyph(count.isEmpty() ? QColor(170, 170, 170) : QColor(60, 120, 190), QString(QChar(0x21B6)), badge);
}

QIcon Draw(const QString& name)
{
    if (name.startsWith(QLatin1String("UndoLaden")))
        return DrawUndo(name);
    if (name == QLatin1String("TimelineLoad"))
        return DrawGlyph(QColor(60, 140, 80), QString(QChar(0x21BA)));
    if (name == QLatin1String("TimelineEdit"))
        return DrawGlyph(QColor(200, 150, 40), QString(QChar(0x270E)));
    if (name == QLatin1String("TimelineDelete"))
        return DrawGlyph(QColor(190, 60, 60), QString(QChar(0x2715)));
    for (const SDrawn& d : kFilters)
    {
        const QString stem = QLatin1String(d.pszStem);
        if (name == stem + QLatin1String("Active"))
            return DrawFilter(d, true);
        if (name == stem + QLatin1String("InActive"))
            return DrawFilter(d, false);
    }
    if (name == QLatin1String("LUTShowValuesOn"))
        return DrawExpander(true);
    if (name == QLatin1String("LUTShowValuesOff"))
        return DrawExpander(false);
    if (name.startsWith(QLatin1String("LUTReset")) || name == QLatin1String("ResetValue"))
        return DrawReset();
    return QIcon();
}
}  // namespace

QIcon DockIcon(const QString& name)
{
    static QHash<QString, QIcon> cache;
    auto it = cache.constFind(name);
    if (it != cache.constEnd())
        return *it;
    const QString file = QCoreApplication::applicationDirPath() + QStringLiteral("/images/") + name + QStringLiteral(".png");
    const QIcon icon = QFileInfo::exists(file) ? QIcon(file) : Draw(name);
    cache.insert(name, icon);
    return icon;
}
