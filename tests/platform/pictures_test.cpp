// Pictures at one and two times their size.
#include "platform/pictures.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zel {
namespace {

TEST(Pictures, finerPixelsShowTheDoubleSizePictureAtTheSizeOfTheFirst) {
    QTemporaryDir dir;
    const QString path = dir.filePath("main.bmp");
    QImage one(4, 3, QImage::Format_RGB32), two(8, 6, QImage::Format_RGB32);
    one.fill(Qt::red);
    two.fill(Qt::blue);
    ASSERT_TRUE(one.save(path) && two.save(dir.filePath("main@2x.png")));
    EXPECT_EQ(LoadPicture(path, 1).toImage().pixelColor(0, 0), QColor(Qt::red));
    const QPixmap sharp = LoadPicture(path, 2);
    EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(4, 3));
    EXPECT_EQ(sharp.toImage().pixelColor(7, 5), QColor(Qt::blue));
    const QString other = dir.filePath("titre.bmp"); // beside one not twice as large: not used
    ASSERT_TRUE(one.save(other) && two.copy(0, 0, 7, 6).save(dir.filePath("titre@2x.png")));
    EXPECT_EQ(LoadPicture(other, 2).toImage().pixelColor(0, 0), QColor(Qt::red));
}

// A picture redrawn at one size only would lose its double size without a word.
TEST(Pictures, everyShippedPictureHasItsDoubleSize) {
    const QString root = QStringLiteral(ZEL_TEST_DATA "/../../");
    for (const char *picture :
         {"runtime/data/main.bmp", "runtime/data/titre.bmp", "src/resources/images/toolbar122.png",
          "src/resources/images/toolbar123.png"}) {
        const QImage one(root + picture), two(DoubleSizePath(root + picture));
        EXPECT_FALSE(one.isNull()) << picture;
        EXPECT_EQ(two.size(), one.size() * 2) << picture;
    }
}

} // namespace
} // namespace zel
