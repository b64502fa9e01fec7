#include "single_line_field.h"

#include "files/design_format.h"

#include <QLineEdit>
#include <limits>

namespace coilwise {

namespace {

QString oneLine(const QString& text) {
    return QString::fromStdString(singleLine(text.toStdString()));
}

} // namespace

void keepOnOneLine(QLineEdit& field) {
    field.setMaxLength(std::numeric_limits<int>::max());
    QObject::connect(&field, &QLineEdit::textChanged, &field, [&field](const QString& text) {
        if (!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n'))) {
            return;
        }
        const qsizetype cursor = oneLine(text.left(field.cursorPosition())).size();
        field.setText(oneLine(text));
        field.setCursorPosition(static_cast<int>(cursor));
    });
}

} // namespace coilwise
