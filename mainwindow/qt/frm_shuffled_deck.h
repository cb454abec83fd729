#pragma once
// The developer's view of the shuffled stock: every card of the deck in stock order, twenty to
// a row, each card overlapping the one before it.
#include <QWidget>
#include <vector>

class CardPictures;

class FrmShuffledDeck : public QWidget {
    Q_OBJECT
  public:
    static constexpr const char* kCaption = "The Shuffled Deck";
    static constexpr int kPerRow = 20, kStepX = 45, kStepY = 75;

    // `ids`: the stock's card ids from position 1 on.
    FrmShuffledDeck(const CardPictures& pictures, std::vector<int> ids, QSize size,
                    QWidget* parent = nullptr);

    // Where card `k` (0-based, in stock order) is painted.
    static QPoint CardPlace(int k);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    const CardPictures& pictures_;
    std::vector<int> ids_;
};
