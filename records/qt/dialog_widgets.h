#pragma once
// Small builders the dialogs share: controls named as the game names them (a control array's
// element i is "<name>_<i>"), option buttons that may show none selected, a frame around a
// column of controls, and read-only grids of text cells.
#include <QAbstractButton>
#include <QColor>
#include <QGroupBox>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <span>
#include <string>
#include <vector>

#include "platform/vb_types.h"

class QBoxLayout;
class QTableWidget;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

// Colours as the profile keeps them (0xBBGGRR).
QColor VbQColor(i32 colour);
i32 VbColourOf(const QColor& c);

QString ElementName(const char* name, int index);

QRadioButton* NewOption(const char* name, int index, const QString& caption, QWidget* parent);
QCheckBox* NewCheck(const QString& objectName, const QString& caption, QWidget* parent);
QPushButton* NewButton(const QString& objectName, const QString& caption, QWidget* parent);
// A frame with a caption whose controls stand in one column (or one row).
QGroupBox* NewFrame(const QString& caption, std::span<QWidget* const> controls,
                    bool horizontal = false);

// Selects option `selected` of a group (any other value selects none). Option buttons are
// never in a Qt button group, and a click does not select one by itself: the dialog's logic
// alone decides what is selected.
template <class Button>
void SelectOption(std::span<Button* const> options, int selected) {
    for (int i = 0; i < static_cast<int>(options.size()); ++i)
        if (options[i]) options[i]->setChecked(i == selected);
}

// A read-only grid with column headings and, unless `rows` is empty (or starts with an empty
// heading), row headings.
QTableWidget* NewGrid(const char* name, const QStringList& columns, const QStringList& rows,
                      QWidget* parent);
// Sets a cell's text, making the cell when it has none yet.
void PutCell(QTableWidget* grid, int row, int column, const QString& text, Qt::Alignment align);
void PutNumberCell(QTableWidget* grid, int row, int column, int value);

// A label (word-wrapped unless `wrap` is false) and a drop-down list, named.
QLabel* NewLabel(const QString& name, const QString& text, QWidget* parent, bool wrap = true);
QComboBox* NewList(const char* name, QWidget* parent);
// The list's entries replaced by `items`.
void FillList(QComboBox* box, const std::vector<std::string>& items);

// The picture `file` of the program folder's Avatars folder (its name matched without regard to
// case), scaled to fit a square of `box` pixels; a null pixmap when there is none.
QPixmap AvatarPixmap(const std::string& appFolder, const std::string& file, int box);
