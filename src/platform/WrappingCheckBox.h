#pragma once

#include <QCheckBox>

// A check box whose caption wraps onto further lines within the box's width,
// for captions longer than a page is wide. The whole box, caption included,
// takes the click; text() is the caption as given.
class WrappingCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit WrappingCheckBox(const QString &caption, QWidget *parent = nullptr);

    // How many lines the caption takes in a box of this width, in pixels.
    int LineCount(int width) const;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    // Where the caption is drawn in a box of this width.
    QRect CaptionRect(int width, int height) const;
    static constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
};
