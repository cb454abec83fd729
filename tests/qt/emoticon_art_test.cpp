// The GIF writer read back by Qt's own GIF reader, and the emoticons the build ships.
#include "net/qt/emoticon_art.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QTemporaryDir>
#include <random>

#include "tests/qt/qt_test_app.h"

namespace {

QImage Decode(const std::string& bytes) {
    return QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()),
                            static_cast<int>(bytes.size()), "GIF");
}

}  // namespace

TEST(GifWriter, PicturesReadBackPixelForPixel) {
    TestApp();
    std::mt19937 rng(7);
    struct Case {
        int width, height, colours;
    } cases[] = {{1, 1, 1}, {3, 2, 2}, {17, 9, 5}, {300, 200, 256}};  // the last fills the table
    for (const Case& c : cases) {
        IndexedPicture pic;
        pic.width = c.width;
        pic.height = c.height;
        for (int i = 0; i < c.colours; ++i)
            pic.palette.push_back(static_cast<std::uint32_t>(rng() & 0xFFFFFF));
        for (int i = 0; i < c.width * c.height; ++i)
            pic.pixels.push_back(
                static_cast<std::uint8_t>(c.width > 100 ? rng() % c.colours : (i / 3) % c.colours));
        const QImage img = Decode(EncodeGif(pic));
        ASSERT_FALSE(img.isNull()) << c.width;
        ASSERT_EQ(img.size(), QSize(c.width, c.height));
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                ASSERT_EQ(img.pixel(x, y) & 0xFFFFFF,
                          pic.palette[pic.pixels[static_cast<size_t>(y * c.width + x)]])
                    << c.width << " at " << x << "," << y;
    }
    IndexedPicture bad;
    bad.width = 2;
    bad.height = 1;
    bad.palette = {0};
    bad.pixels = {0, 1};  // an index outside the palette
    EXPECT_TRUE(EncodeGif(bad).empty());
}

TEST(Emoticons, EveryKeyAndShortcutNameIsShippedWithAClearBackground) {
    TestApp();
    QTemporaryDir dir;
    ASSERT_TRUE(WriteEmoticons(dir.path(), nullptr));
    const QStringList wanted = {"Angry",    "Begging",  "Crying", "Dumb_Move",   "Embarrassed",
                                "Hotflash", "Grinning", "Skull",  "Mischievous", "Noose",
                                "Sad",      "Wink",     "Shoot"};
    QImage sheet(32 * wanted.size(), 32, QImage::Format_ARGB32);
    sheet.fill(QColor(0x88, 0xAA, 0x88));
    QPainter p(&sheet);
    int i = 0;
    for (const QString& name : wanted) {
        QImage img(dir.path() + "/" + name + ".gif", "GIF");
        ASSERT_FALSE(img.isNull()) << name.toStdString();
        EXPECT_EQ(img.size(), QSize(32, 32));
        EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0) << name.toStdString();
        p.drawImage(32 * i++, 0, img);
    }
    p.end();
    SaveRender(sheet, "emoticons");
}
