#include "records/qt/card_samples.h"

#include "board/card_geometry.h"
#include "board/qt/board_art.h"
#include "board/qt/card_face_art.h"
#include "board/qt/card_pictures.h"
#include "board/qt/cls_dll.h"
#include "records/preferences.h"

QImage CardSamples::Face(int faceDeck, int card, bool* drawn) {
    if (drawn) *drawn = true;
    if (faceDeck >= 0 && faceDeck < 6) return NumberCardImage(RankForDrawing(card), faceDeck, dpr_);
    if (sheetDeck_ != faceDeck) {
        sheet_ = faceDeck >= 7 && decks_ ? decks_->FaceSheet(faceDeck - 7, dpr_) : QImage();
        sheetDrawn_ = faceDeck < 7 || !sheet_.isNull();
        if (sheet_.isNull()) sheet_ = BuildStandardSheet(dpr_);
        sheetDeck_ = faceDeck;
    }
    if (drawn) *drawn = sheetDrawn_;
    return SheetFace(sheet_, card);
}

QImage CardSamples::Back(int backStyle, i32 colour) {
    if (backStyle >= 1 && decks_) {
        QImage back = decks_->BackPicture(backStyle - 1, false, dpr_);
        if (!back.isNull()) return back;
    }
    return PlainBack(RgbOfVbColour(colour), QSize(kCardWidth, kCardHeight), dpr_);
}

QImage CardSamples::PlaceholderSample(bool wood, qreal dpr) {
    return Placeholder(wood, false, dpr);
}
