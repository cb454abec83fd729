#include "mainwindow/qt/frm_shuffled_deck.h"

#include <QPainter>

#include "board/qt/card_pictures.h"

FrmShuffledDeck::FrmShuffledDeck(const CardPictures& pictures, std::vector<int> ids, QSize size,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window), pictures_(pictures), ids_(std::move(ids)) {
    setObjectName("frmStdSm");
    setWindowTitle(kCaption);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(size);
}

QPoint FrmShuffledDeck::CardPlace(int k) {
    return {kStepX * (k % kPerRow), kStepY * (k / kPerRow)};
}

void FrmShuffledDeck::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0x00, 0x60, 0x30));
    for (int k = 0; k < static_cast<int>(ids_.size()); ++k) {
        int id = ids_[static_cast<size_t>(k)];
        if (id <= 0) continue;
        while (id > 52) id -= 52;  // every deck shows the same faces
        p.drawImage(CardPlace(k), pictures_.FullFace(id));
    }
}
