// Pictures shipped beside the program, sharp on screens of finer pixels.
//
// Beside a picture "name.ext" that the program reads may lie "name@2x.png": the same
// drawing at twice the size (tools/make_artwork.cpp paints both). On a screen whose
// device pixel ratio is above 1 the larger one is shown, at the size of the first.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace zel {

// "dir/name.ext" -> "dir/name@2x.png"
QString DoubleSizePath(const QString &path);

// The picture at `path` for a screen of that device pixel ratio; null when `path`
// cannot be read. A double-size file that is not exactly twice as large is ignored.
QPixmap LoadPicture(const QString &path, qreal device_pixel_ratio);

// Image `index` of a strip of images `size` wide and high, at both sizes the strip has.
QIcon StripIcon(const QString &strip_path, int index, QSize size);

} // namespace zel
