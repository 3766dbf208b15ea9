#pragma once
// The mail-order form, opened modally from the chooser.

#include <QDialog>

class frmOrder : public QDialog {
    Q_OBJECT
public:
    explicit frmOrder(QWidget* parent = nullptr);
};
