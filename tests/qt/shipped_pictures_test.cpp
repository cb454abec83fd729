#include "board/qt/shipped_pictures.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include "tests/qt/qt_test_app.h"

TEST(ShippedPictures, EveryFileIsWrittenAndReadsBackByContent) {
    TestApp();
    QTemporaryDir dir;
    ASSERT_TRUE(WriteShippedPictures(dir.path()));
    // The default background is PNG data under a .gif name: it must load all the same.
    QImage board(dir.path() + "/backgrounds/GameBoard.gif");
    ASSERT_FALSE(board.isNull());
    QImage sheet(5 * 240, 2 * 240, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    QPainter p(&sheet);
    int i = 0;
    for (const QString& name : ShippedPersonalities()) {
        QImage avatar(dir.path() + "/Avatars/" + name + ".jpg");
        ASSERT_FALSE(avatar.isNull()) << name.toStdString();
        p.drawImage(QPointF(240 * i++, 0), avatar);
    }
    for (const char* frame : {"Brivo1", "Tessik4", "Ruun7"}) {
        QImage img(dir.path() + "/Data/PMS/" + QString(frame) + ".png");
        ASSERT_FALSE(img.isNull()) << frame;
        p.drawImage(QPointF(240 * (i++ % 5), 240), img);
    }
    p.drawImage(QPointF(960, 240), board);
    EXPECT_FALSE(QFile::exists(dir.path() + "/Data/PMS/Pellor1.png"));  // Pellor shows Ruun's
    p.end();
    SaveRender(sheet, "shipped_pictures");
}
