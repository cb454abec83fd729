#include "board/qt/form_skin.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "board/qt/board_art.h"
#include "board/qt/card_pictures.h"

void PaintFormSkin(QPainter& p, const QRect& area, bool wood, qreal dpr) {
    p.drawImage(area, SkinImage(wood, area.size(), dpr));
}

void PaintFormSkinColours(QWidget* form, bool wood) {
    const QColor control = wood ? QColor(0xFF, 0xC0, 0x80) : QColor(0xC0, 0xC0, 0xC0);
    const QString style = QString("background-color: %1;").arg(control.name());
    for (QPushButton* b : form->findChildren<QPushButton*>()) b->setStyleSheet(style);
    for (QLabel* l : form->findChildren<QLabel*>()) l->setStyleSheet(style);
}

void DrawFormFrame(QPainter& p, const QRect& area) {
    const int w = area.width(), h = area.height();
    p.save();
    p.translate(area.topLeft());
    p.setRenderHint(QPainter::Antialiasing, false);
    // The outer edge, then the light lines down the left and along the top inside it and the
    // grey ones along the right and the bottom: a raised frame.
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.drawRect(0, 0, w - 1, h - 1);
    p.setPen(QColor(0xE0, 0xE0, 0xE0));
    p.drawLine(2, 0, 2, h - 4);
    p.drawLine(2, 2, w - 4, 2);
    p.setPen(QColor(0xC0, 0xC0, 0xC0));
    p.drawLine(w - 2, 1, w - 2, h - 2);
    p.drawLine(1, h - 2, w - 1, h - 2);
    p.restore();
}

void SetPanelImages(FormModel& mainForm, CardPictures& pictures, bool wood) {
    pictures.SetPlaceholderStyle(wood);
    const double margin = wood ? 8 : 5;
    if (!mainForm.IsLoaded("picPanel")) return;
    const ControlGeom& panel = mainForm.At("picPanel");
    for (const char* caption : {"lblLevel", "lblRules"})
        if (mainForm.IsLoaded(caption)) {
            ControlGeom& l = mainForm.At(caption);
            l.Left = panel.Left + panel.Width - (margin + l.Width);
        }
}
