#include "board/qt/card_pictures.h"

#include <QPainter>

#include "board/card_geometry.h"
#include "board/qt/board_art.h"
#include "board/qt/card_face_art.h"

CardPictures::CardPictures(qreal dpr) : dpr_(dpr) {
    UseBuiltInSheet();
    MakeCardFiles();
    LoadFaceDeck(0);
    SetPlainBack(plainColour_);
    UsePlainBack();
    SetPlaceholderStyle(true);
}

void CardPictures::SetDevicePixelRatio(qreal dpr) {
    if (dpr == dpr_) return;
    dpr_ = dpr;
    memo_.clear();
    if (builtIn_) UseBuiltInSheet();
    MakeCardFiles();
    LoadFaceDeck(design_);
    const bool plain = backLarge_.cacheKey() == plainLarge_.cacheKey();
    SetPlainBack(plainColour_);
    if (plain) UsePlainBack();
    SetPlaceholderStyle(wood_);
}

void CardPictures::UseBuiltInSheet() {
    sheet_ = BuildStandardSheet(dpr_);
    builtIn_ = true;
    CutFullFaces();
}

void CardPictures::SetSheet(const QImage& sheet) {
    sheet_ = sheet;
    builtIn_ = false;
    CutFullFaces();
}

void CardPictures::CutFullFaces() {
    for (int n = 1; n <= 52; ++n) fullFaces_[n] = FullFace(n);
}

QImage SheetFace(const QImage& sheet, int card) {
    const SheetCell c = CellOfCard(card);
    const qreal s = sheet.devicePixelRatio();
    QImage face = sheet.copy(
        QRect(qRound(c.x * s), qRound(c.y * s), qRound(kCardWidth * s), qRound(kCardHeight * s)));
    face.setDevicePixelRatio(s);
    return face;
}

QImage CardPictures::FullFace(int card) const {
    return SheetFace(sheet_, card);
}

void CardPictures::MakeCardFiles() {
    for (int n = 1; n <= 52; ++n) {
        QImage small =
            fullFaces_[n].scaled(qRound(kSmallCardWidth * dpr_), qRound(kSmallCardHeight * dpr_),
                                 Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        small.setDevicePixelRatio(dpr_);
        smallFaces_[n] = small;
    }
}

void CardPictures::LoadFaceDeck(int design) {
    design_ = design >= 0 && design < kNumberDesigns ? design : 0;
    for (int rank = 1; rank <= 13; ++rank) numbers_[rank] = NumberCardImage(rank, design_, dpr_);
}

void CardPictures::SetPlainBack(Rgb colour) {
    plainColour_ = colour;
    plainLarge_ = PlainBack(colour, QSize(kCardWidth, kCardHeight), dpr_);
    plainSmall_ = PlainBack(colour, QSize(kSmallCardWidth, kSmallCardHeight), dpr_);
}

void CardPictures::SetBacks(const QImage& large, const QImage& small) {
    backLarge_ = large;
    backSmall_ = small;
}

void CardPictures::UsePlainBack() {
    SetBacks(plainLarge_, plainSmall_);
}

void CardPictures::SetPlaceholderStyle(bool wood) {
    wood_ = wood;
    emptyLarge_ = Placeholder(wood, false, dpr_);
    emptySmall_ = Placeholder(wood, true, dpr_);
}

QImage CardPictures::PictureFor(const CardLook& look) const {
    switch (look.picture) {
        case CardPicture::NumberFace:
            return look.face >= 1 && look.face <= 13 ? numbers_[look.face] : QImage();
        case CardPicture::SheetFace:
            return look.face >= 1 ? fullFaces_[ReducedCard(look.face)] : FullFace(look.face);
        case CardPicture::SmallFace:
            return look.face >= 1 && look.face <= 52 ? smallFaces_[look.face] : QImage();
        case CardPicture::LargeBack:
            return backLarge_;
        case CardPicture::SmallBack:
            return backSmall_;
        case CardPicture::LargeEmpty:
            return emptyLarge_;
        case CardPicture::SmallEmpty:
            return emptySmall_;
    }
    return QImage();
}

const QImage& CardPictures::Memo(const QString& key, const std::function<QImage()>& make) const {
    auto it = memo_.find(key);
    if (it == memo_.end()) it = memo_.insert(key, make());
    return *it;
}
