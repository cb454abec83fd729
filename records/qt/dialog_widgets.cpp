#include "records/qt/dialog_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/file_util.h"

QColor VbQColor(i32 colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

i32 VbColourOf(const QColor& c) {
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

QString ElementName(const char* name, int index) {
    return QString("%1_%2").arg(name).arg(index);
}

namespace {

// An option button that a click does not select by itself: the click only tells the dialog,
// whose logic then selects. Selected on its own, a choice the dialog refuses with a box would
// show selected beside the choice in force for as long as the box is up.
class LogicOption : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;

  protected:
    void nextCheckState() override {}
};

}  // namespace

QRadioButton* NewOption(const char* name, int index, const QString& caption, QWidget* parent) {
    auto* b = new LogicOption(caption, parent);
    b->setObjectName(ElementName(name, index));
    // The dialog's logic selects; Qt's own exclusivity would fight it over "none selected".
    b->setAutoExclusive(false);
    return b;
}

QCheckBox* NewCheck(const QString& objectName, const QString& caption, QWidget* parent) {
    auto* b = new QCheckBox(caption, parent);
    b->setObjectName(objectName);
    return b;
}

QPushButton* NewButton(const QString& objectName, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(objectName);
    b->setAutoDefault(false);
    return b;
}

QGroupBox* NewFrame(const QString& caption, std::span<QWidget* const> controls, bool horizontal) {
    auto* frame = new QGroupBox(caption);
    QBoxLayout* box = horizontal ? static_cast<QBoxLayout*>(new QHBoxLayout(frame))
                                 : static_cast<QBoxLayout*>(new QVBoxLayout(frame));
    for (QWidget* w : controls) box->addWidget(w);
    box->addStretch();
    return frame;
}

QTableWidget* NewGrid(const char* name, const QStringList& columns, const QStringList& rows,
                      QWidget* parent) {
    auto* grid =
        new QTableWidget(static_cast<int>(rows.size()), static_cast<int>(columns.size()), parent);
    grid->setObjectName(name);
    grid->setHorizontalHeaderLabels(columns);
    if (rows.isEmpty() || rows.front().isEmpty()) {
        grid->verticalHeader()->setVisible(false);
    } else {
        grid->setVerticalHeaderLabels(rows);
    }
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->horizontalHeader()->setHighlightSections(false);
    return grid;
}

void PutCell(QTableWidget* grid, int row, int column, const QString& text, Qt::Alignment align) {
    auto* cell = grid->item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        grid->setItem(row, column, cell);
    }
    cell->setText(text);
    cell->setTextAlignment(align);
}

void PutNumberCell(QTableWidget* grid, int row, int column, int value) {
    PutCell(grid, row, column, QString::number(value), Qt::AlignCenter);
}

QLabel* NewLabel(const QString& name, const QString& text, QWidget* parent, bool wrap) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setWordWrap(wrap);
    return l;
}

QComboBox* NewList(const char* name, QWidget* parent) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    return c;
}

void FillList(QComboBox* box, const std::vector<std::string>& items) {
    box->clear();
    for (const std::string& s : items) box->addItem(QString::fromStdString(s));
}

QPixmap AvatarPixmap(const std::string& appFolder, const std::string& file, int box) {
    QImage img;
    if (!file.empty()) {
        const std::string folder = JoinPath(appFolder, "Avatars");
        if (auto real = FindNoCase(folder, file))
            img.load(QString::fromStdString(JoinPath(folder, *real)));
    }
    if (img.isNull()) return QPixmap();
    return QPixmap::fromImage(img.scaled(box, box, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}
