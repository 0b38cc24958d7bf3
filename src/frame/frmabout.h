#pragma once

#include <QDialog>

// The about box: the program's name, version and notes on the build.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);
};
