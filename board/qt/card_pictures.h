#pragma once
// The pictures card drawing copies from: the current face sheet and its small faces, the number
// images of the current number design, the large and small backs, and the empty-pile
// placeholders of the current style. Everything is made once per change of deck, design, back or
// style, so drawing a card is a copy.
#include <QHash>
#include <QImage>
#include <QString>
#include <array>
#include <functional>

#include "board/card_look.h"
#include "board/qt/scaled_picture.h"

// The full-size face of card `card` cut from a face sheet, at the sheet's pixel density.
QImage SheetFace(const QImage& sheet, int card);

class CardPictures {
  public:
    explicit CardPictures(qreal dpr = 1.0);

    qreal dpr() const { return dpr_; }
    // Makes every picture again at a new pixel density (a window moved to another screen).
    void SetDevicePixelRatio(qreal dpr);

    // The built-in face sheet, or one from an installed deck (13 x 4 cells of 71 x 96).
    void UseBuiltInSheet();
    void SetSheet(const QImage& sheet);
    const QImage& Sheet() const { return sheet_; }
    // Cuts the small faces from the current sheet; until then small faces show the old deck.
    void MakeCardFiles();
    // Number design 0-5 for the number faces.
    void LoadFaceDeck(int design);
    // The plain back on a colour, or the backs of an installed deck.
    void SetPlainBack(Rgb colour);
    void SetBacks(const QImage& large, const QImage& small);
    void UsePlainBack();
    // Wood (true) or metal placeholders.
    void SetPlaceholderStyle(bool wood);

    // The picture a look shows, at its card size.
    QImage PictureFor(const CardLook& look) const;
    QImage FullFace(int card) const;
    const QImage& LargeBack() const { return backLarge_; }
    const QImage& SmallBack() const { return backSmall_; }
    const QImage& EmptyPic() const { return emptyLarge_; }
    const QImage& EmptyPicSm() const { return emptySmall_; }

    // The table's other pictures (center area, turn marker, menu bar), made once per name and
    // size at this density: a frame of a slide repaints the whole table.
    const QImage& Memo(const QString& key, const std::function<QImage()>& make) const;
    // The pictures the table draws into boxes of other sizes, each scaled once for its place.
    ScaledPictures& Scaled() const { return scaled_; }

  private:
    // Cuts every full-size face from the sheet, which a slide's frames then copy by reference.
    void CutFullFaces();

    qreal dpr_;
    QImage sheet_;
    std::array<QImage, 53> fullFaces_{};
    std::array<QImage, 53> smallFaces_{};
    std::array<QImage, 14> numbers_{};
    QImage plainLarge_, plainSmall_;
    QImage backLarge_, backSmall_;
    QImage emptyLarge_, emptySmall_;
    Rgb plainColour_ = 0x1F4E9C;
    bool wood_ = true;
    int design_ = 0;
    bool builtIn_ = true;
    mutable QHash<QString, QImage> memo_;
    mutable ScaledPictures scaled_;
};
