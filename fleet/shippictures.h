#pragma once

#include "common/collectingprompts.h"

#include <QImage>
#include <QString>
#include <memory>

namespace kw {

class ShipEditor;

// The pictures on the fleet's cards: each ship's record sheet as "Save Ship Picture" composes
// it. The first source there is wins: the picture cached for the ship file during this run;
// else a bitmap beside the ship file (its name with ".bmp"); else one made by a ship editor of
// the fleet's own, which is then cached. The ship editor of the window is never touched, so
// the design open there stays as it is.
class ShipPictures {
public:
    // Pictures made are kept in cacheFolder, which should live only as long as the run; with an
    // empty folder none are kept.
    ShipPictures(const QString& programFolder, const QString& cacheFolder);
    ~ShipPictures();

    // The picture for the ship file at shipPath. When none can be found or made, a blank sheet
    // with a frame stands in and `problem` says why.
    QImage pictureFor(const QString& shipPath, QString* problem);

    // Where the picture of a ship file is cached: one name per full path, so ship files of the
    // same name in different folders keep pictures of their own.
    QString cachePath(const QString& shipPath) const;
    // The bitmap a player may keep beside a ship file.
    static QString besidePath(const QString& shipPath);

private:
    std::optional<QImage> makePicture(const QString& shipPath, QString* problem);

    QString m_programFolder;
    QString m_cacheFolder;
    CollectingPrompts m_prompts;
    std::unique_ptr<ShipEditor> m_editor;
};

} // namespace kw
