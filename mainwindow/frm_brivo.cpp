#include "mainwindow/frm_brivo.h"

FrmBrivo::FrmBrivo(QWidget* parent) : QMainWindow(parent) {
    setObjectName("frmBrivo");
    setWindowTitle("Quorvane");
    resize(800, 600);
}
