#include "board/qt/board_shell.h"

#include <QLabel>
#include <QPushButton>
#include <cmath>

#include "board/qt/card_looks_setup.h"
#include "board/qt/cls_dll.h"
#include "board/qt/layout_applier.h"
#include "board/qt/table_painter.h"
#include "board/qt/table_view.h"

namespace {
// Over the painted table, pictures and piles are clear boxes that only take the mouse; labels
// and buttons are real widgets. The frames behind the hold piles are painted with their
// captions under the cards, so theirs are clear boxes too: a label widget would write its
// caption across the cards.
QWidget* MakeWidgetOverPaintedTable(const std::string& key, const ControlGeom& c, QWidget* table) {
    const bool holdFrame = key.rfind("Label3_", 0) == 0;
    switch (holdFrame ? ControlKind::Shape : c.Kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(table);
            // Captions carry other players' names and words: never read as markup.
            label->setTextFormat(Qt::PlainText);
            if (key == "lblHighlight") {
                // The frame round the card the keypad chose; clicks go through to the card.
                label->setAttribute(Qt::WA_TransparentForMouseEvents);
                label->setStyleSheet(
                    "border: 3px solid #FFD23F; border-radius: 6px; background: transparent;");
                return label;
            }
            label->setWordWrap(true);
            // The message lines reach over the Deal button and the boxes of the piles: clicks
            // go through them to what is underneath.
            if (key.rfind("Label9_", 0) == 0) label->setAttribute(Qt::WA_TransparentForMouseEvents);
            label->setAlignment(LabelTextAlignment(key));
            label->setStyleSheet("color: #FFF4C8; background: transparent;");
            return label;
        }
        case ControlKind::CommandButton:
            return new QPushButton(table);
        default: {
            auto* box = new QWidget(table);
            box->setAttribute(Qt::WA_NoSystemBackground);
            return box;
        }
    }
}
}  // namespace

BoardShell::BoardShell(BoardShellParts parts, QWidget* parent)
    : layout(parts.screenWidthTwips, parts.largeFonts),
      pictures(parent ? parent->devicePixelRatioF() : 1.0),
      flash(parts.appFolder),
      parts_(parts) {
    view = new TableView(layout.Form(), canvas, pictures, parts.looks, parent);
    board = std::make_unique<QtBoard>(
        QtBoardParts{parts.game, layout, parts.looks, pictures, *view, parts.clock, parts.pump,
                     parts.sounds, parts.dialogs, parts.appFolder, [this] { ApplyWidgets(); }},
        canvas);
}

BoardShell::~BoardShell() = default;

DeckChoice BoardShell::StartUp(int savedDisplayMode) {
    layout.PlaceholderStyle = parts_.looks.PlaceholderStyle != VbFalse;
    layout.StartUp(parts_.game, savedDisplayMode);
    ClsDll dll = ClsDll::Installed();
    const DeckChoice inEffect = ApplyCardLooks(parts_.looks, pictures, dll);
    view->resize(static_cast<int>(layout.Form().Width), static_cast<int>(layout.Form().Height));
    board->LoadBackground();
    board->DrawTable();
    board->FollowWindowRequests();
    return inEffect;
}

void BoardShell::ApplyWidgets() {
    // The window cannot be made narrower than its table (up to the screen's width).
    view->setProperty(kMinimumTableWidthProperty,
                      static_cast<int>(std::ceil(layout.MinTableWidth())));
    view->setProperty(kMinimumTableHeightProperty,
                      static_cast<int>(std::ceil(layout.MinTableHeight())));
    view->SetDrawTexts(false);
    ApplyLayout(layout.Form(), view, MakeWidgetOverPaintedTable);
    // The remark's widget takes only the part of its box that covers no pile: with the font
    // backdrop the whole widget is filled.
    if (auto* remark = view->findChild<QWidget*>("Label9_2", Qt::FindDirectChildrenOnly)) {
        const BoxRect r = layout.RemarkBox();
        // Whole pixels inside the box, so that rounding never takes it onto a neighbour.
        const int left = static_cast<int>(std::ceil(r.left));
        const int top = static_cast<int>(std::ceil(r.top));
        remark->setGeometry(left, top, static_cast<int>(std::floor(r.Right())) - left,
                            static_cast<int>(std::floor(r.Bottom())) - top);
    }
}
