#include "fleet/shippictures.h"

#include "display/sheetpainter.h"
#include "editor/shipeditor.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace kw {

namespace {

// A bitmap beside a ship file is the player's own; one larger than this is no card picture.
constexpr int kLargestPicture = 4096;

std::optional<QImage> loadPicture(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kLargestPicture || size.height() > kLargestPicture)
        return std::nullopt;
    QImage picture = reader.read();
    if (picture.isNull())
        return std::nullopt;
    return picture.convertToFormat(QImage::Format_RGB32);
}

// Kept for the rest of the run. A scratch file needs no safe replacing: one that cannot be
// written whole is removed, and a picture that is not kept is only made again.
void keep(const QImage& picture, const QString& path)
{
    if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).path()))
        return;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    if (!picture.save(&file, "BMP")) {
        file.close();
        file.remove();
    }
}

QImage blankPicture(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    return picture;
}

} // namespace

ShipPictures::ShipPictures(const QString& programFolder, const QString& cacheFolder)
    : m_programFolder(programFolder), m_cacheFolder(cacheFolder)
{
}

ShipPictures::~ShipPictures() = default;

QString ShipPictures::cachePath(const QString& shipPath) const
{
    if (m_cacheFolder.isEmpty())
        return {};
    const QFileInfo ship(shipPath);
    const QByteArray key = QCryptographicHash::hash(QDir::cleanPath(ship.absoluteFilePath()).toUtf8(),
                                                    QCryptographicHash::Sha1)
                               .toHex()
                               .left(16);
    return m_cacheFolder + QLatin1Char('/') + ship.completeBaseName().left(40) + QLatin1Char('-')
           + QString::fromLatin1(key) + QStringLiteral(".bmp");
}

QString ShipPictures::besidePath(const QString& shipPath)
{
    const QFileInfo ship(shipPath);
    const QString base = ship.suffix().isEmpty() ? ship.fileName() : ship.completeBaseName();
    return ship.path() + QLatin1Char('/') + base + QStringLiteral(".bmp");
}

QImage ShipPictures::pictureFor(const QString& shipPath, QString* problem)
{
    const QString cached = cachePath(shipPath);
    if (!cached.isEmpty()) {
        if (std::optional<QImage> picture = loadPicture(cached))
            return *picture;
    }
    if (std::optional<QImage> picture = loadPicture(besidePath(shipPath)))
        return *picture;
    if (std::optional<QImage> picture = makePicture(shipPath, problem)) {
        keep(*picture, cached);
        return *picture;
    }
    return blankPicture(displayPixelSize(m_editor->display()));
}

std::optional<QImage> ShipPictures::makePicture(const QString& shipPath, QString* problem)
{
    if (!m_editor)
        m_editor = std::make_unique<ShipEditor>(m_prompts, m_programFolder);
    // What the editor has to say about the design (a broken construction rule) is no concern
    // of the fleet's; only why no picture came out is.
    m_prompts.messages.clear();
    std::optional<QImage> picture;
    if (m_editor->OpenShip(shipPath))
        picture = m_editor->composeSheet();
    if (!picture && problem) {
        const QString why = m_prompts.messages.isEmpty() ? QStringLiteral("the ship could not be opened")
                                                         : m_prompts.messages.last();
        *problem = QStringLiteral("No picture could be made of the ship %1:\r\n%2")
                       .arg(QDir::toNativeSeparators(shipPath), why);
    }
    return picture;
}

} // namespace kw
