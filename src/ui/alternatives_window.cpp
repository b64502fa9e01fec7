#include "alternatives_window.h"

#include "construction_window.h"
#include "engine/display_mask.h"
#include "own_cores.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>

namespace coilwise {

namespace {

struct Column {
    const char* title;
    AlternativeColumn sortKey;
};

constexpr std::array<Column, 8> columns{{
    {"Core", AlternativeColumn::core},
    {"Fits", AlternativeColumn::fit},
    {"Weight (g)", AlternativeColumn::weight},
    {"Cost", AlternativeColumn::cost},
    {"Efficiency (%)", AlternativeColumn::efficiency},
    {"No-load rise (%)", AlternativeColumn::noLoadRise},
    {"Windings (°C)", AlternativeColumn::temperature},
    {"Warnings", AlternativeColumn::warnings},
}};

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

AlternativesWindow::AlternativesWindow(DialogsPort& dialogs, const Locale& locale, QWidget* parent)
    : QWidget(parent, Qt::Window), locale_(locale), ownCores_(loadOwnCores()) {
    setObjectName(QStringLiteral("AlternativesWindow"));
    setWindowTitle(QStringLiteral("Alternatives"));

    inputError_ = new QLabel(this);
    inputError_->setObjectName(QStringLiteral("inputError"));
    inputError_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    inputError_->setWordWrap(true);
    inputError_->hide();

    grid_ = new QTableWidget(0, static_cast<int>(columns.size()), this);
    grid_->setObjectName(QStringLiteral("alternativesTable"));
    grid_->setAccessibleName(QStringLiteral("Alternatives"));
    QStringList titles;
    for (const Column& column : columns) {
        titles << QString::fromUtf8(column.title);
    }
    grid_->setHorizontalHeaderLabels(titles);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    grid_->horizontalHeader()->setSectionsClickable(true);
    grid_->horizontalHeader()->setSortIndicatorShown(true);
    grid_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);

    auto* ownCoreButton = new QPushButton(QStringLiteral("Core &I have…"), this);
    ownCoreButton->setObjectName(QStringLiteral("ownCoreButton"));
    ownCoreEntry_ = new QWidget(this);
    ownCoreEntry_->setObjectName(QStringLiteral("ownCoreEntry"));
    tongue_ = new QSpinBox(ownCoreEntry_);
    tongue_->setObjectName(QStringLiteral("ownTongue"));
    tongue_->setAccessibleName(QStringLiteral("Tongue width in mm"));
    tongue_->setRange(smallestCustomTongueMm, largestCustomTongueMm);
    tongue_->setValue(25);
    tongue_->setSuffix(QStringLiteral(" mm"));
    stack_ = new QSpinBox(ownCoreEntry_);
    stack_->setObjectName(QStringLiteral("ownStack"));
    stack_->setAccessibleName(QStringLiteral("Stack depth in mm"));
    stack_->setRange(3, 3 * largestCustomTongueMm);
    stack_->setValue(25);
    stack_->setSuffix(QStringLiteral(" mm"));
    auto* add = new QPushButton(QStringLiteral("&Add"), ownCoreEntry_);
    add->setObjectName(QStringLiteral("addOwnCore"));
    auto* entryLayout = new QHBoxLayout(ownCoreEntry_);
    entryLayout->setContentsMargins(0, 0, 0, 0);
    entryLayout->addWidget(new QLabel(QStringLiteral("Tongue"), ownCoreEntry_));
    entryLayout->addWidget(tongue_);
    entryLayout->addWidget(new QLabel(QStringLiteral("Stack"), ownCoreEntry_));
    entryLayout->addWidget(stack_);
    entryLayout->addWidget(add);
    ownCoreEntry_->hide();

    auto* tools = new QHBoxLayout;
    tools->addWidget(ownCoreButton);
    tools->addWidget(ownCoreEntry_);
    tools->addStretch();

    sheet_ = new ConstructionWindow(dialogs, locale, this);
    sheet_->setWindowFlags(Qt::Widget);

    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(grid_);
    split->addWidget(sheet_);
    split->setSizes({360, 360});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(inputError_);
    layout->addLayout(tools);
    layout->addWidget(split, 1);
    resize(900, 760);

    connect(grid_->horizontalHeader(), &QHeaderView::sectionClicked, this, &AlternativesWindow::sortBy);
    connect(grid_, &QTableWidget::itemSelectionChanged, this, &AlternativesWindow::showSelected);
    connect(ownCoreButton, &QPushButton::clicked, this, [this] {
        ownCoreEntry_->show();
        tongue_->setFocus();
    });
    connect(add, &QPushButton::clicked, this, &AlternativesWindow::addOwnCore);
}

void AlternativesWindow::recompute(const DesignInput& typed) {
    typed_ = typed;
    table_ = alternatives(typed_, locale_, ownCores_);
    if (sortColumn_ >= 0) {
        sortAlternatives(table_.rows, columns[static_cast<std::size_t>(sortColumn_)].sortKey, ascending_);
    }
    fillTable();
}

void AlternativesWindow::fillTable() {
    QString error;
    const Outcome calculated = table_.calculate ? table_.calculateOutcome() : Outcome::cleared;
    if (calculated == Outcome::inputError) {
        const MemoryWindow& window = table_.calculate->window();
        const std::vector<std::string>& messages = window.messages();
        error = messages.empty()
                    ? QStringLiteral("Check the highlighted input: ") +
                          fromUtf8(fieldRefName(window.focus().value_or(FieldRef{Field::labvpri})))
                    : fromUtf8(messages.front()).replace(QLatin1Char('\n'), QLatin1Char(' '));
    } else if (calculated == Outcome::cleared) {
        error = QStringLiteral("No secondary in use: there is nothing to design.");
    }
    inputError_->setText(error);
    inputError_->setVisible(!error.isEmpty());

    const QSignalBlocker quiet(grid_);
    grid_->clearContents();
    grid_->setRowCount(static_cast<int>(table_.rows.size()));
    const auto fixed = [&](double value, DisplayMask mask) {
        return fromUtf8(formatMask(value, mask, locale_));
    };
    for (std::size_t i = 0; i < table_.rows.size(); ++i) {
        const Alternative& row = table_.rows[i];
        QStringList cells{fromUtf8(row.name) +
                          (row.calculateChoice ? QStringLiteral("  (Calculate)") : QString())};
        if (row.fits()) {
            cells << (row.radialFit ? QStringLiteral("yes") : QStringLiteral("area only"))
                  << fixed(row.totalGrams, "#####0") << fromUtf8(locale_.formatCurrency(row.cost))
                  << fixed(row.efficiencyPercent, "##0") << fixed(row.worstNoLoadRisePercent, "##0.0")
                  << fixed(row.windingCelsius, "##0") << QString::number(row.warnings);
        } else {
            cells << QStringLiteral("no: ") + fromUtf8(alternativeRefusal(row, locale_));
        }
        for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
            auto* item = new QTableWidgetItem(cells.value(c));
            if (!row.fits()) {
                item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            }
            if (row.calculateChoice) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            grid_->setItem(static_cast<int>(i), c, item);
        }
    }
    grid_->resizeColumnsToContents();
    if (!table_.rows.empty()) {
        grid_->selectRow(0);
    }
    showSelected();
}

void AlternativesWindow::sortBy(int column) {
    ascending_ = column == sortColumn_ ? !ascending_ : true;
    sortColumn_ = column;
    grid_->horizontalHeader()->setSortIndicator(column,
                                                ascending_ ? Qt::AscendingOrder : Qt::DescendingOrder);
    sortAlternatives(table_.rows, columns[static_cast<std::size_t>(column)].sortKey, ascending_);
    fillTable();
}

void AlternativesWindow::showSelected() {
    const int row = grid_->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= table_.rows.size()) {
        sheet_->showDesign(nullptr);
        return;
    }
    const std::optional<Design>& design = table_.rows[static_cast<std::size_t>(row)].design;
    sheet_->showDesign(design ? &*design : nullptr);
}

void AlternativesWindow::addOwnCore() {
    const std::optional<ChosenCore> core = chosenCore(tongue_->value(), stack_->value());
    if (!core) {
        inputError_->setText(QStringLiteral("A stack is from half to three times the tongue: ") +
                             QString::number((tongue_->value() + 1) / 2) + QStringLiteral(" to ") +
                             QString::number(3 * tongue_->value()) + QStringLiteral(" mm."));
        inputError_->show();
        return;
    }
    ownCores_.push_back(*core);
    saveOwnCores(ownCores_);
    if (table_.calculate) {
        recompute(typed_);
    }
}

} // namespace coilwise
