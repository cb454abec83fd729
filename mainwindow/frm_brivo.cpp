#include "mainwindow/frm_brivo.h"

#include <cmath>

#include "board/qt/layout_applier.h"
#include "board/table_layout.h"

FrmBrivo::FrmBrivo(QWidget* parent) : QMainWindow(parent), table_(new QWidget(this)) {
    setObjectName("frmBrivo");
    setWindowTitle("Quorvane");
    table_->setObjectName("table");
    setCentralWidget(table_);
    resize(800, 600);
}

void FrmBrivo::ShowTable(const TableLayout& layout) {
    ApplyLayout(layout.Form(), table_);
    const FormModel& form = layout.Form();
    resize(static_cast<int>(std::lround(form.Width)), static_cast<int>(std::lround(form.Height)));
}
