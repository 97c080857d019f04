// Pictures at one and two times their size.
#include "platform/pictures.h"

#include <QDir>
#include <QFileInfo>

namespace zel {

namespace {

// The double-size picture of `picture`, or a null pixmap.
QPixmap DoubleSize(const QString &path, const QPixmap &picture) {
    QPixmap large(DoubleSizePath(path));
    if (picture.isNull() || large.size() != picture.size() * 2)
        return {};
    large.setDevicePixelRatio(2);
    return large;
}

} // namespace

QString DoubleSizePath(const QString &path) {
    const QFileInfo file(path);
    return file.dir().filePath(file.completeBaseName() + QStringLiteral("@2x.png"));
}

QPixmap LoadPicture(const QString &path, qreal device_pixel_ratio) {
    const QPixmap picture(path);
    if (device_pixel_ratio <= 1)
        return picture;
    QPixmap large = DoubleSize(path, picture);
    if (large.isNull())
        return picture;
    if (device_pixel_ratio == 2)
        return large;
    // Other ratios (150 %): the large picture brought to the screen's pixels.
    QPixmap fitted =
        large.scaled(picture.size() * device_pixel_ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    fitted.setDevicePixelRatio(device_pixel_ratio);
    return fitted;
}

QIcon StripIcon(const QString &strip_path, int index, QSize size) {
    const QPixmap strip(strip_path);
    QIcon icon(strip.copy(QRect(QPoint(index * size.width(), 0), size)));
    if (QPixmap large = DoubleSize(strip_path, strip); !large.isNull()) {
        QPixmap image = large.copy(QRect(QPoint(index * size.width() * 2, 0), size * 2));
        image.setDevicePixelRatio(2);
        icon.addPixmap(image);
    }
    return icon;
}

} // namespace zel
