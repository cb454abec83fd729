#pragma once
// The door to the card decks the desktop has installed: how many face decks and backs there are,
// a deck's 52 faces as one face sheet in the built-in sheet's layout, and a deck's back at both
// card sizes with its main colour. Decks are rendered from their SVG files once and kept in a
// cache folder, so choosing a deck again, or starting the program, does not render again.
#include <QImage>
#include <QString>
#include <vector>

#include "board/board_looks.h"
#include "board/deck_catalog.h"

class CardPictures;

class ClsDll {
  public:
    // `cacheFolder` empty: the user's cache folder.
    ClsDll(std::vector<InstalledDeck> decks, QString cacheFolder = {});
    // The decks Debian's card-data packages install.
    static ClsDll Installed();

    int GetDecksQuantity() const { return static_cast<int>(decks_.size()); }
    int GetBacksQuantity() const { return static_cast<int>(decks_.size()); }

    // Face style `thisPicked`: 6 the built-in sheet, 7 and up installed deck thisPicked - 7.
    // False (and the built-in sheet) when the deck cannot be rendered. The caller then cuts the
    // small faces (CardPictures::MakeCardFiles).
    bool GetCardFaces(int thisPicked, CardPictures& pictures);
    // Back style `whichDeck`: 0 the plain back, n the back of installed deck n - 1. False (and
    // the plain back) when that back cannot be rendered.
    bool GetCardBacks(int whichDeck, CardPictures& pictures);

    // 0-based library calls: a deck's face sheet, a back at either size, a back's colour. A null
    // image (and colour 0) when the index is out of range or the file does not render.
    QImage FaceSheet(int index, qreal dpr);
    QImage BackPicture(int index, bool small, qreal dpr);
    Rgb DeckBackColor(int index, qreal dpr);

  private:
    QString CachePath(int index, const QString& what, qreal dpr) const;
    QImage Render(int index, const QString& what, qreal dpr);

    std::vector<InstalledDeck> decks_;
    QString cacheFolder_;
};
