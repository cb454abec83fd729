#include "board/qt/scaled_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "tests/qt/qt_test_app.h"

namespace {
QImage Pattern() {
    QImage img(40, 30, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixelColor(x, y, QColor(x * 6, y * 8, (x * y) % 256));
    return img;
}

QImage Table() {
    QImage table(120, 90, QImage::Format_ARGB32_Premultiplied);
    table.fill(QColor(0x1E, 0x6B, 0x35));
    return table;
}

QPainter& Smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    return p;
}

// The largest difference of one colour channel between two pictures of the same size.
int Difference(const QImage& a, const QImage& b) {
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor ca = a.pixelColor(x, y), cb = b.pixelColor(x, y);
            worst = std::max({worst, std::abs(ca.red() - cb.red()),
                              std::abs(ca.green() - cb.green()), std::abs(ca.blue() - cb.blue())});
        }
    return worst;
}

QImage Direct(const QImage& picture, const QRectF& target) {
    QImage table = Table();
    QPainter p(&table);
    Smooth(p).drawImage(target, picture);
    return table;
}

QImage FromCache(ScaledPictures& cache, const QImage& picture, const QRectF& target) {
    QImage table = Table();
    QPainter p(&table);
    cache.Draw(Smooth(p), "avatar", picture, target);
    return table;
}
}  // namespace

// A picture scaled once and copied looks as when scaled at every paint (within a step of one
// in a colour, at the edges a box at a fraction of a pixel blends), and is scaled again only
// when its box changes size or its place within a pixel, never when it moves by whole pixels.
TEST(ScaledPictures, CopiesWhatASmoothDrawDrawsAndScalesAgainOnlyForANewSize) {
    TestApp();
    const QImage picture = Pattern();
    ScaledPictures cache;
    struct Case {
        QRectF target;
        int scalings;  // after drawing it
    };
    const Case cases[] = {
        {{10.25, 5.5, 61.5, 47.25}, 1},  // first drawing
        {{13.25, 9.5, 61.5, 47.25}, 1},  // moved by whole pixels
        {{13.25, 9.5, 80, 60}, 2},       // a new size
        {{13.75, 9.5, 80, 60}, 3},       // another place within a pixel
        {{3, 2, 40, 30}, 4},             // whole pixels at the picture's own size
    };
    for (const Case& c : cases) {
        EXPECT_LE(Difference(FromCache(cache, picture, c.target), Direct(picture, c.target)), 1)
            << c.target.width() << " at " << c.target.left();
        EXPECT_EQ(cache.scalings(), c.scalings) << c.target.width() << " at " << c.target.left();
    }
    // Another picture in the same place is scaled anew.
    QImage other = picture;
    other.setPixelColor(0, 0, Qt::white);
    EXPECT_LE(Difference(FromCache(cache, other, cases[4].target), Direct(other, cases[4].target)),
              1);
    EXPECT_EQ(cache.scalings(), 5);
}
