#pragma once

#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>

namespace kw {

// The 52 system pictures, loaded once from the program's resources and looked up by name
// without regard to case ("SCREENS" finds "screens").
class SystemPictures {
public:
    static const SystemPictures& instance();
    static const QStringList& names();

    // A null image when the name is unknown.
    const QImage& picture(const QString& name) const;
    bool complete() const { return m_missing.isEmpty(); }
    QStringList missing() const { return m_missing; }

private:
    SystemPictures();
    QHash<QString, QImage> m_byLowerName;
    QStringList m_missing;
};

// The transparent key of every picture.
inline constexpr QRgb kPictureKey = 0xFFFF00FF;

// Paints a picture onto the target with its top-left at (x, y) pixels: pixels of the key colour
// leave the target as it was. The picture itself is never changed.
void PaintTransparent(QImage& target, const QImage& picture, int x, int y, QRgb key = kPictureKey);

} // namespace kw
