#pragma once

#include <QObject>

class QPushButton;
class Sezione3Form;

// Item 3.7 on page 2: beside the path box Text1(9), "..." chooses the
// picture of the project's structure (a bmp, jpg, pcx, gif or tif file) and
// "VEDI" opens it in the desktop's viewer. Only the path is kept, stored
// with the descriptive fields.
class GraficoProgetto : public QObject
{
    Q_OBJECT
public:
    explicit GraficoProgetto(Sezione3Form &form);

    void Command3_Click();
    void Command4_Click();

    QPushButton *Command3 = nullptr;  // "..."
    QPushButton *Command4 = nullptr;  // "VEDI"

private:
    Sezione3Form &form_;
};
