#pragma once

#include "MdiChild.h"

class QLabel;

// Stands for a section window that is not part of this build: an empty
// child window with the section's name and caption. Section 4's stand-in
// keeps the print-mode page switch: it opens on its print page when loaded
// in print mode, on its first page otherwise.
class SezioneSegnaposto : public MdiChild
{
    Q_OBJECT
public:
    explicit SezioneSegnaposto(const QString &nome);
    void Form_Load() override;
    // The page shown: 0 the first page, 1 the print page (section 4 only).
    int Pagina() const { return pagina_; }

private:
    QString nome_;
    QLabel *etichetta_;
    int pagina_ = 0;
};
