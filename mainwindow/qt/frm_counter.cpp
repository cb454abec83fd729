#include "mainwindow/qt/frm_counter.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include "mainwindow/counter_layout.h"

namespace {
// The picture behind the grid: alternate bands for the lines of each deck's suits, so the eye
// can follow a line across.
QPixmap GridPicture(int width, int height, int lineHeight) {
    QPixmap pm(width, height);
    pm.fill(QColor(0xF4, 0xEF, 0xDC));
    QPainter p(&pm);
    for (int y = 0, line = 0; y < height; y += lineHeight, ++line) {
        if (line % 4 == 1 || line % 4 == 3)
            p.fillRect(0, y, width, lineHeight, QColor(0xE6, 0xDF, 0xC4));
        if (line % 4 == 0 && line > 0) {
            p.setPen(QColor(0x8A, 0x7A, 0x50));
            p.drawLine(0, y, width, y);
        }
    }
    return pm;
}

QLabel* MakePicture(QWidget* parent, const char* name, int index, int top, int height,
                    const CounterDesign& d) {
    auto* image = new QLabel(parent);
    image->setObjectName(QString("%1_%2").arg(name).arg(index));
    image->setGeometry(0, top, d.Width, height);
    image->setPixmap(GridPicture(d.Width, height, d.LineHeight));
    image->lower();
    return image;
}

// The height one line of the grid takes as a label lays it out. A font's line spacing can be a
// pixel less where hinting rounds its ascent and descent up, and the bands behind the grid must
// follow the lines as drawn.
int GridLineHeight(const QFont& font) {
    const QFontMetrics fm(font);
    const QRect room(0, 0, 1000, 1000);
    const int flags = Qt::AlignLeft | Qt::AlignTop;
    return fm.boundingRect(room, flags, "0\n0").height() -
           fm.boundingRect(room, flags, "0").height();
}

int KeyCode(const QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_F8:
            return 119;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        default:
            return 0;
    }
}
}  // namespace

FrmCounter::FrmCounter(int numPlayers, bool largeFonts, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window) {
    setObjectName("frmCounter");
    setWindowTitle(kCounterCaption);
    setAttribute(Qt::WA_DeleteOnClose);
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPixelSize(largeFonts ? 12 : 13);
    // The grid's lines are the font's lines, so the pictures behind them line up.
    CounterDesign d;
    d.LineHeight = GridLineHeight(mono);
    d.Height = d.GridTop + d.GridLines * d.LineHeight + d.GridTop;
    const CounterLayout l = LayOutCounter(numPlayers, d);
    setFixedSize(d.Width, l.WindowHeight);
    label1_ = new QLabel(kCounterHeader, this);
    label1_->setObjectName("Label1");
    label1_->setFont(mono);
    label1_->setGeometry(8, d.HeaderTop, d.Width - 16, d.LineHeight + 4);

    image0_ = MakePicture(this, "Image1", 0, l.Picture0Top, l.Picture0Height, d);
    if (l.Picture1) image1_ = MakePicture(this, "Image1", 1, l.Picture1Top, l.Picture1Height, d);

    grid_ = new QLabel(this);
    grid_->setObjectName("LblGrid");
    grid_->setFont(mono);
    grid_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid_->setGeometry(8, l.Picture0Top, d.Width - 16, l.GridHeight);
    grid_->setStyleSheet("background: transparent;");

    // Stays above the main window while the main window has the focus.
    onTop_.SetOnTop(true);
    onTop_.TopForm(this, mainWindow);
}

void FrmCounter::SetGrid(const QString& text) {
    grid_->setText(QString::fromStdString(AlignCounterGrid(text.toStdString())));
}

void FrmCounter::keyPressEvent(QKeyEvent* e) {
    if (ClosesCounter(KeyCode(e))) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

void FrmCounter::closeEvent(QCloseEvent* e) {
    onTop_.SetOnTop(false);
    QWidget::closeEvent(e);
}
