#pragma once
// A small card deck written by a test: a KDE-style deck whose cards are plain squares (clubs
// green, diamonds blue, hearts red, spades black) and whose back is one colour.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QString>

#include "board/deck_catalog.h"

inline void WriteTestDeck(const QString& folder, const QString& backColour = "#ffff00") {
    QDir().mkpath(folder + "/svg-test");
    QFile index(folder + "/svg-test/index.desktop");
    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.write("[KDE Backdeck]\nName=Test Squares\nSVG=test.svg\nBack=Yellow\n");
    index.close();
    const char* const colours[] = {"#00ff00", "#0000ff", "#ff0000", "#000000"};
    QString svg = "<svg xmlns='http://www.w3.org/2000/svg' width='1400' height='600'>";
    for (int n = 1; n <= 52; ++n) {
        const int col = (n - 1) % 13, row = (n - 1) / 13;
        svg += QString("<rect id='%1' x='%2' y='%3' width='100' height='140' fill='%4'/>")
                   .arg(QString::fromStdString(CardElementId(DeckNaming::Kde, n)))
                   .arg(col * 105)
                   .arg(row * 145)
                   .arg(colours[row]);
    }
    svg += "<rect id='back' x='0' y='590' width='10' height='10' fill='" + backColour + "'/></svg>";
    QFile f(folder + "/svg-test/test.svg");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(svg.toUtf8());
}
