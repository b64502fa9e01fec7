#include "construction_window.h"

#include "engine/construction_sheet.h"
#include "engine/design_checks.h"
#include "report/construction_page.h"
#include "report/pages_pdf.h"
#include "widgets/dialogs_port.h"

#include <QHBoxLayout>
#include <QPrinter>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <array>

namespace coilwise {

namespace {

const QString title = QStringLiteral("Construction and checks");
const QString noDesign = QStringLiteral("There is no design: calculate one to see how to build it.");

QString html(const std::vector<SheetLine>& lines) {
    // Kept in columns, but a long check sentence wraps at the window's edge rather than hiding.
    QString out =
        QStringLiteral("<pre style=\"font-family: 'Liberation Mono', monospace; white-space: pre-wrap;\">");
    for (const SheetLine& line : lines) {
        const QString text = QString::fromStdString(line.text).toHtmlEscaped();
        switch (line.kind) {
        case SheetLine::Kind::title:
            continue; // the window's own title says it
        case SheetLine::Kind::heading:
            out += QStringLiteral("<b>") + text + QStringLiteral("</b>\n");
            break;
        case SheetLine::Kind::warning:
            out += QStringLiteral("<b style=\"color: #b00000;\">") + text + QStringLiteral("</b>\n");
            break;
        case SheetLine::Kind::row:
            out += text + QLatin1Char('\n');
            break;
        }
    }
    return out + QStringLiteral("</pre>");
}

std::array<PageDrawing, 1> page(const std::vector<SheetLine>& lines) {
    return {[&lines](PageCanvas& canvas) {
        return drawConstructionSheet(canvas, lines);
    }};
}

} // namespace

ConstructionWindow::ConstructionWindow(DialogsPort& dialogs, const Locale& locale, QWidget* parent)
    : QWidget(parent, Qt::Window), dialogs_(dialogs), locale_(locale) {
    setObjectName(QStringLiteral("ConstructionWindow"));
    setWindowTitle(title);
    sheet_ = new QTextBrowser(this);
    sheet_->setObjectName(QStringLiteral("constructionSheet"));
    sheet_->setAccessibleName(title);
    print_ = new QPushButton(QStringLiteral("&Print…"), this);
    print_->setObjectName(QStringLiteral("printButton"));
    savePdf_ = new QPushButton(QStringLiteral("Save as P&DF…"), this);
    savePdf_->setObjectName(QStringLiteral("savePdfButton"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print_);
    buttons->addWidget(savePdf_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sheet_);
    layout->addLayout(buttons);
    resize(820, 680);

    connect(print_, &QPushButton::clicked, this, &ConstructionWindow::printSheet);
    connect(savePdf_, &QPushButton::clicked, this, &ConstructionWindow::saveSheetAsPdf);
    showDesign(nullptr);
}

void ConstructionWindow::showDesign(const Design* design, const std::vector<SheetLine>& dcLines) {
    lines_.clear();
    if (design != nullptr) {
        lines_ = constructionLines(design->sheet, design->checks, locale_);
        lines_.insert(lines_.end(), dcLines.begin(), dcLines.end());
        sheet_->setHtml(html(lines_));
    } else {
        sheet_->setPlainText(noDesign);
    }
    print_->setEnabled(design != nullptr);
    savePdf_->setEnabled(design != nullptr);
}

void ConstructionWindow::printSheet() {
    QPrinter printer(QPrinter::HighResolution);
    if (lines_.empty() || !dialogs_.printDialog(printer)) {
        return;
    }
    if (!paintPages(printer, page(lines_))) {
        dialogs_.message({title, QStringLiteral("The construction sheet could not be printed."),
                          MessageIcon::critical, MessageButtons::ok, Answer::ok});
    }
}

void ConstructionWindow::saveSheetAsPdf() {
    if (lines_.empty()) {
        return;
    }
    const std::optional<QString> path =
        dialogs_.saveFile({QStringLiteral("PDF files (*.pdf)"), QStringLiteral("construction.pdf"), true,
                           QStringLiteral("pdf")});
    if (!path) {
        return;
    }
    if (!writePagesPdf(*path, page(lines_))) {
        dialogs_.message({title, QStringLiteral("The construction sheet could not be saved.\n") + *path,
                          MessageIcon::critical, MessageButtons::ok, Answer::ok});
    }
}

} // namespace coilwise
