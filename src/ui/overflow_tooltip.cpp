#include "overflow_tooltip.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace coilwise {

namespace {

// The blank a line edit keeps on either side of its text, inside its contents.
constexpr int textSideMargin = 2;

} // namespace

bool textIsCut(const QLineEdit& field) {
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.lineWidth =
        field.hasFrame() ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field) : 0;
    const QRect contents = field.style()->subElementRect(QStyle::SE_LineEditContents, &option, &field);
    const QMargins margins = field.textMargins();
    const int room = contents.width() - margins.left() - margins.right() - 2 * textSideMargin;
    return field.fontMetrics().horizontalAdvance(field.text()) > room;
}

void showFullTextWhenCut(QLineEdit* field) {
    if (!field->toolTip().isEmpty()) {
        return;
    }
    QObject::connect(field, &QLineEdit::textChanged, field,
                     [field] { field->setToolTip(textIsCut(*field) ? field->text() : QString()); });
}

} // namespace coilwise
