#include "display/systempictures.h"

namespace kw {

const QStringList& SystemPictures::names()
{
    static const QStringList list{
        "Bridge", "LifeSupport", "Reactor", "CoreBorder", "Arc1", "Arc2", "Arc3", "Arc4", "Arc5", "Arc6",
        "Arc1s", "Arc2s", "Arc3s", "Arc4s", "Arc5s", "Arc6s", "Battery", "PulseTorp", "Ortillery", "Nova",
        "WaveGun", "NeedleBeam", "SubMunitions", "SalvoLauncher", "SalvoRack(ER)", "SalvoMag1",
        "SalvoMagStart", "SalvoMagMiddle", "SalvoMagEnd", "Missle", "MissleEMP", "MissleNeedle",
        "MineLayer1", "MineLayerStart", "MineLayerMiddle", "MineLayerEnd", "PDS", "Fighter", "Hangar",
        "FCS", "ADFC", "screens", "Reflex", "Cloak", "MinSweeper", "ESensors", "SSensors", "ECM",
        "AreaECM", "DmgCon", "MD", "FTL"};
    return list;
}

SystemPictures::SystemPictures()
{
    for (const QString& name : names()) {
        QImage image(QStringLiteral(":/pictures/%1.bmp").arg(name));
        if (image.isNull()) {
            m_missing << name;
            continue;
        }
        m_byLowerName.insert(name.toLower(), image.convertToFormat(QImage::Format_RGB32));
    }
}

const SystemPictures& SystemPictures::instance()
{
    static const SystemPictures pictures;
    return pictures;
}

const QImage& SystemPictures::picture(const QString& name) const
{
    static const QImage none;
    const auto it = m_byLowerName.constFind(name.toLower());
    return it == m_byLowerName.constEnd() ? none : *it;
}

void PaintTransparent(QImage& target, const QImage& picture, int x, int y, QRgb key)
{
    if (picture.isNull() || target.isNull())
        return;
    const QImage source = picture.format() == QImage::Format_RGB32 ? picture
                                                                   : picture.convertToFormat(QImage::Format_RGB32);
    if (target.format() != QImage::Format_RGB32 && target.format() != QImage::Format_ARGB32)
        target = target.convertToFormat(QImage::Format_RGB32);
    const QRgb keyRgb = key | 0xFF000000;
    const int x0 = qMax(0, x);
    const int y0 = qMax(0, y);
    const int x1 = qMin(target.width(), x + source.width());
    const int y1 = qMin(target.height(), y + source.height());
    for (int ty = y0; ty < y1; ++ty) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(ty - y));
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(ty));
        for (int tx = x0; tx < x1; ++tx) {
            const QRgb pixel = in[tx - x] | 0xFF000000;
            if (pixel != keyRgb)
                out[tx] = pixel;
        }
    }
}

} // namespace kw
