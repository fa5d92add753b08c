#include "TextBox.h"

#include "TextRules.h"

#include <algorithm>
#include <limits>

#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>

namespace {

// Applied to every change of the box's text, typed, pasted or dropped.
class OneLine : public QValidator
{
public:
    explicit OneLine(QObject *parent) : QValidator(parent) {}

    State validate(QString &input, int &pos) const override
    {
        const QString before = input.left(pos);
        const QString cleanBefore = TextRules::OneLine(TextRules::WholeCharacters(before));
        input = TextRules::OneLine(TextRules::WholeCharacters(input));
        pos = std::min(int(cleanBefore.size()), int(input.size()));
        return Acceptable;
    }
};

constexpr int kUnlimited = std::numeric_limits<int>::max();

}  // namespace

TextBox::TextBox(QWidget *parent) : QLineEdit(parent)
{
    setValidator(new OneLine(this));
    setMaxLength(kUnlimited);
}

void TextBox::SetLimit(int limit)
{
    limit_ = limit < 0 ? 0 : limit;
    setMaxLength(limit_ > 0 ? std::max(limit_, int(text().size())) : kUnlimited);
}

void TextBox::setText(const QString &text)
{
    const QString before = QLineEdit::text();
    QLineEdit::setText(text);
    if (QLineEdit::text() == before)
        emit textChanged(before);
}

void TextBox::ShowWhole(const QString &text)
{
    // The validator must not touch a stored value: showing it and storing
    // it again leaves it as it was.
    const QValidator *rules = validator();
    setValidator(nullptr);
    if (limit_ > 0)
        setMaxLength(std::max(limit_, int(text.size())));
    setText(text);
    setCursorPosition(0);
    setValidator(rules);
}

int TextBox::WidthShowing(const QString &text) const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents =
        style()->subElementRect(QStyle::SE_LineEditContents, &option, this).marginsRemoved(textMargins());
    // QLineEdit keeps 2 pixels clear on either side, a pixel for the cursor
    // and room for the font's overhangs.
    const QFontMetrics metrics = fontMetrics();
    const int overhangs = 2 * std::max(0, -metrics.minLeftBearing()) + std::max(0, -metrics.minRightBearing());
    return metrics.horizontalAdvance(text) + 1 + overhangs + 2 * 2 + (width() - contents.width());
}
