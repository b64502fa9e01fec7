#include "form1.h"
#include "single_line_field.h"
#include "widgets/pictures.h"
#include "widgets/twips.h"

#include <QAction>
#include <QFontMetricsF>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <vector>

namespace coilwise {

namespace {

const QColor background(0xC0, 0xC0, 0xC0);
const QColor captionColour(0x40, 0x00, 0x40);

QGroupBox* group(QWidget* parent, const char* name, const QString& caption, QRect area) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(QLatin1StringView(name));
    box->setGeometry(area);
    return box;
}

QLabel* label(QWidget* parent, const QString& caption, const QString& tooltip, QRect area,
              Qt::Alignment alignment = Qt::AlignCenter) {
    auto* text = new QLabel(caption, parent);
    text->setToolTip(tooltip);
    text->setGeometry(area);
    text->setAlignment(alignment);
    return text;
}

QLineEdit* lineEdit(QWidget* parent, const QString& name, QRect area, bool input) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(area);
    edit->setAlignment(Qt::AlignCenter);
    if (!input) {
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, QColor(0xF4, 0xF4, 0xF4));
        edit->setPalette(palette);
    }
    return edit;
}

QString indexed(const char* name, int index) {
    return QLatin1StringView(name) + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

// An option of a group: its caption and its top, in twips.
struct Option {
    const char* caption;
    int top;
};

// The secondaries' rows 1 to 5 stand 360 twips apart, the first at 480.
constexpr int rowTop(int row) {
    return 120 + 360 * row;
}

// A header above a field column: a band between the group's caption and its first row, wider
// than the field so that the longer captions fit.
QRect headerOver(int fieldLeftTwips, int fieldWidthTwips, int fieldTopTwips) {
    return twipsRect(fieldLeftTwips - 150, fieldTopTwips - 240, fieldWidthTwips + 300, 225);
}

// These columns stand closer than their captions are long: a header as wide as its column, the
// blank between two columns shared out, so that no caption runs into the next one or the frame.
constexpr int generalColumnGap = 75;

QRect headerOverColumn(int fieldLeftTwips, int fieldWidthTwips, int gapTwips, int fieldTopTwips) {
    return twipsRect(fieldLeftTwips - gapTwips / 2, fieldTopTwips - 240, fieldWidthTwips + gapTwips, 225);
}

// One font size for a row of captions, the largest at which each fits its own label.
void fitCaptions(const std::vector<QLabel*>& captions) {
    constexpr double smallestPoints = 5.0;
    constexpr double step = 0.25;
    QFont font = captions.front()->font();
    const auto allFit = [&captions](const QFont& candidate) {
        const QFontMetricsF metrics(candidate);
        return std::all_of(captions.begin(), captions.end(), [&metrics](const QLabel* caption) {
            return metrics.horizontalAdvance(caption->text()) <= caption->width() - 2;
        });
    };
    while (!allFit(font) && font.pointSizeF() > smallestPoints) {
        font.setPointSizeF(font.pointSizeF() - step);
    }
    for (QLabel* caption : captions) {
        caption->setFont(font);
    }
}

} // namespace

void Form1::buildWidgets() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twips(9480), twips(6045));
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, captionColour);
    client->setPalette(palette);
    // Arial-metric and narrow enough for the column headers at the fields' height.
    QFont font(QStringLiteral("Liberation Sans"), 8);
    font.setStyleHint(QFont::SansSerif);
    client->setFont(font);
    setCentralWidget(client);

    auto* line = new QFrame(client);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(0, 0, twips(9480), 2);
    auto* picture1 = new QLabel(client);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setGeometry(twipsRect(135, 135, 840, 840));
    auto* picture2 = new QLabel(client);
    picture2->setObjectName(QStringLiteral("Picture2"));
    picture2->setGeometry(twipsRect(1080, 135, 4320, 840));

    QGroupBox* frame1 = group(client, "Frame1", QStringLiteral("Frequency"), twipsRect(5520, 135, 1500, 870));
    frame1->setToolTip(QStringLiteral("Working frequency"));
    const std::array<Option, 2> frequencies{{{"50 Hz", 270}, {"60 Hz", 510}}};
    int index = 0;
    for (const Option& option : frequencies) {
        ++index;
        Optfrec[index] = new QRadioButton(QString::fromUtf8(option.caption), frame1);
        Optfrec[index]->setObjectName(indexed("Optfrec", index));
        Optfrec[index]->setGeometry(twipsRect(390, option.top, 1000, 255));
    }
    QGroupBox* frame2 = group(client, "Frame2", QStringLiteral("Service"), twipsRect(7155, 135, 2175, 1740));
    frame2->setToolTip(QStringLiteral("Duty"));
    const std::array<Option, 3> services{{{"Continuous", 510}, {"Discontinuous", 870}, {"Random", 1215}}};
    index = 0;
    for (const Option& option : services) {
        ++index;
        Optserv[index] = new QRadioButton(QString::fromUtf8(option.caption), frame2);
        Optserv[index]->setObjectName(indexed("Optserv", index));
        Optserv[index]->setGeometry(twipsRect(570, option.top, 1500, 255));
    }
    Optfrec[1]->setChecked(true);
    Optserv[2]->setChecked(true);

    QGroupBox* frame4 = group(client, "Frame4", QStringLiteral("Primary"), twipsRect(135, 1035, 6885, 840));
    struct Column {
        QLineEdit** edit;
        const char* name;
        int left;
        const char* header;
        const char* tooltip;
    };
    const std::array<Column, 5> primary{{
        {&labvpri, "labvpri", 660, "Volts", "Nominal voltage"},
        {&labnpri, "labnpri", 1800, "Turns", "Primary turns"},
        {&labalambpri, "labalambpri", 2955, "Dia.(mm)", "Wire diameter in mm"},
        {&labpesoprim, "labpesoprim", 4110, "Weight (g)", "Copper weight"},
        {&labrprim, "labrprim", 5250, "Rs (ohms)", "Copper resistance"},
    }};
    for (const Column& c : primary) {
        *c.edit = lineEdit(frame4, QLatin1StringView(c.name), twipsRect(c.left, 450, 1125, 285),
                           c.edit == &labvpri);
        label(frame4, QString::fromUtf8(c.header), QString::fromUtf8(c.tooltip),
              headerOver(c.left, 1125, 450));
    }

    QGroupBox* frame3 =
        group(client, "Frame3", QStringLiteral("Secondary"), twipsRect(135, 1920, 6885, 2370));
    struct RowColumn {
        ControlArray<QLineEdit*, rowCount>* edits;
        const char* name;
        int left;
        const char* header;
        const char* tooltip;
    };
    const std::array<RowColumn, 7> secondary{{
        {&labvsec, "labvsec", 465, "Volts", "Nominal volts"},
        {&labisec, "labisec", 1365, "Amps", "Nominal current"},
        {&vacvsec, "vacvsec", 2265, "v Unload", "Unload voltage"},
        {&labesp, "labesp", 3165, "Turns", "Secondary turns"},
        {&labalam, "labalam", 4065, "Dia.(mm)", "Wire diameter in mm"},
        {&labcob, "labcob", 4965, "Weight (g)", "Copper weight"},
        {&labres, "labres", 5865, "Rs (ohms)", "Copper resistance"},
    }};
    for (const RowColumn& c : secondary) {
        label(frame3, QString::fromUtf8(c.header), QString::fromUtf8(c.tooltip),
              headerOver(c.left, 855, 480));
        const bool input = c.edits == &labvsec || c.edits == &labisec;
        for (int i = 1; i <= rowCount; ++i) {
            (*c.edits)[i] =
                lineEdit(frame3, indexed(c.name, i), twipsRect(c.left, rowTop(i), 855, 285), input);
        }
    }
    for (int i = 1; i <= rowCount; ++i) {
        QLabel* row =
            label(frame3, QLatin1Char('#') + QString::number(i), {}, twipsRect(60, rowTop(i), 375, 285));
        row->setObjectName(indexed("Label", i));
    }

    QGroupBox* frame6 = group(client, "Frame6", QStringLiteral("Power"), twipsRect(7155, 1920, 2175, 2370));
    struct Result {
        QLineEdit** edit;
        const char* name;
        int top;
        const char* caption;
        const char* tooltip;
    };
    const std::array<Result, 5> power{{
        {&labppri, "labppri", 435, "Primary (w)", "Primary power"},
        {&labptot, "labptot", 810, "Total (w)", "Total load power"},
        {&labperfe, "labperfe", 1185, "Loss fe (w)", "Iron losses"},
        {&labpercu, "labpercu", 1560, "Loss cu (w)", "Copper losses"},
        {&labrend, "labrend", 1950, "Efficiency (%)", "Overall efficiency"},
    }};
    const std::array<const char*, 5> powerFieldTips{"Primary power", "Load power", "Iron losses",
                                                    "Copper losses", "Overall efficiency"};
    for (std::size_t r = 0; r < power.size(); ++r) {
        const Result& c = power[r];
        *c.edit = lineEdit(frame6, QLatin1StringView(c.name), twipsRect(1170, c.top, 855, 285), false);
        (*c.edit)->setToolTip(QString::fromUtf8(powerFieldTips[r]));
        label(frame6, QString::fromUtf8(c.caption), QString::fromUtf8(c.tooltip),
              twipsRect(60, c.top, 1095, 285), Qt::AlignLeft | Qt::AlignVCenter);
    }

    QGroupBox* frame5 = group(client, "Frame5", QStringLiteral("General"), twipsRect(135, 4320, 6270, 870));
    const std::array<Column, 6> general{{
        {&labchapa, "labchapa", 135, "Iron", "Nucleus width in mm"},
        {&labprof, "labprof", 1140, "Depth (mm)", "Nucleus depth"},
        {&labpesoE, "labpesoE", 2145, "Weight E (g)", "E Iron weight"},
        {&labpesoI, "labpesoI", 3150, "Weight I (g)", "I Iron weight"},
        {&labpesocu, "labpesocu", 4155, "Weight cu (g)", "Copper weight"},
        {&labpesotot, "labpesotot", 5160, "Total weight (g)", "Total weight"},
    }};
    std::vector<QLabel*> generalHeaders;
    for (const Column& c : general) {
        *c.edit = lineEdit(frame5, QLatin1StringView(c.name), twipsRect(c.left, 465, 930, 285), false);
        generalHeaders.push_back(label(frame5, QString::fromUtf8(c.header), QString::fromUtf8(c.tooltip),
                                       headerOverColumn(c.left, 930, generalColumnGap, 465)));
    }
    fitCaptions(generalHeaders);

    QGroupBox* frame8 = group(client, "Frame8", QStringLiteral("Cost"), twipsRect(6465, 4320, 1680, 1605));
    frame8->setToolTip(QStringLiteral("Approximate costs"));
    const std::array<Result, 3> cost{{
        {&tbxcostofe, "tbxcostofe", 435, "fe", "Iron cost"},
        {&tbxcostocu, "tbxcostocu", 795, "cu", "Copper cost"},
        {&tbxcostotot, "tbxcostotot", 1155, "Total", "Approximate total cost"},
    }};
    for (const Result& c : cost) {
        *c.edit = lineEdit(frame8, QLatin1StringView(c.name), twipsRect(510, c.top, 1065, 285), false);
        label(frame8, QString::fromUtf8(c.caption), QString::fromUtf8(c.tooltip),
              twipsRect(45, c.top, 450, 285), Qt::AlignLeft | Qt::AlignVCenter);
    }

    QGroupBox* frame7 = group(client, "Frame7", QStringLiteral("Notes"), twipsRect(135, 5220, 6270, 705));
    labobs = lineEdit(frame7, QStringLiteral("labobs"), twipsRect(150, 270, 5955, 285), true);
    labobs->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    keepOnOneLine(*labobs);

    Command1 = new QPushButton(QStringLiteral("Calculate"), client);
    Command2 = new QPushButton(QStringLiteral("Clear"), client);
    Command3 = new QPushButton(QStringLiteral("Quit"), client);
    const std::array<QPushButton*, 3> buttons{Command1, Command2, Command3};
    const std::array<QPoint, 3> corners{QPoint(8220, 4590), QPoint(8235, 5010), QPoint(8235, 5430)};
    for (std::size_t b = 0; b < buttons.size(); ++b) {
        buttons[b]->setObjectName(QStringLiteral("Command") + QString::number(b + 1));
        buttons[b]->setGeometry(twipsRect(corners[b].x(), corners[b].y(), 1095, 375));
    }

    QWidget* previous = labvpri;
    const auto chain = [&previous](QWidget* next) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (int i = 1; i <= rowCount; ++i) {
        chain(labvsec[i]);
        chain(labisec[i]);
    }
    chain(Optfrec[1]);
    chain(Optfrec[2]);
    for (int i = 1; i <= 3; ++i) {
        chain(Optserv[i]);
    }
    for (QWidget* next : {static_cast<QWidget*>(labobs), static_cast<QWidget*>(Command1),
                          static_cast<QWidget*>(Command2), static_cast<QWidget*>(Command3)}) {
        chain(next);
    }
}

void Form1::buildMenus() {
    const auto item = [this](QMenu* menu, const char* name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1StringView(name));
        return action;
    };
    menuarch = menuBar()->addMenu(QStringLiteral("&File"));
    menuarch->setObjectName(QStringLiteral("menuarch"));
    menuarchnue = item(menuarch, "menuarchnue", QStringLiteral("&New"));
    menuarchabr = item(menuarch, "menuarchabr", QStringLiteral("&Open"));
    menuarchguard = item(menuarch, "menuarchguard", QStringLiteral("&Save"));
    menuarch->addSeparator()->setObjectName(QStringLiteral("nada1"));
    menuarchimp = item(menuarch, "menuarchimp", QStringLiteral("&Print"));
    menuarch->addSeparator()->setObjectName(QStringLiteral("nada"));
    menuarchsal = item(menuarch, "menuarchsal", QStringLiteral("&Quit"));

    QMenu* menuconfig = menuBar()->addMenu(QStringLiteral("&Config"));
    menuconfig->setObjectName(QStringLiteral("menuconfig"));
    menutension = item(menuconfig, "menutension", QStringLiteral("Primary &Voltage"));
    QMenu* menufrec = menuconfig->addMenu(QStringLiteral("Working &Frequency"));
    menufrec->setObjectName(QStringLiteral("menufrec"));
    mnufrec[1] = item(menufrec, "mnufrec(1)", QStringLiteral("50 Hz"));
    mnufrec[2] = item(menufrec, "mnufrec(2)", QStringLiteral("60 Hz"));
    QMenu* menuservicio = menuconfig->addMenu(QStringLiteral("&Service"));
    menuservicio->setObjectName(QStringLiteral("menuservicio"));
    mnuserv[1] = item(menuservicio, "mnuserv(1)", QStringLiteral("Continuous"));
    mnuserv[2] = item(menuservicio, "mnuserv(2)", QStringLiteral("Discontinuous"));
    mnuserv[3] = item(menuservicio, "mnuserv(3)", QStringLiteral("Random"));
    for (QAction* choice : {mnufrec[1], mnufrec[2], mnuserv[1], mnuserv[2], mnuserv[3]}) {
        choice->setCheckable(true);
    }
    menumaterial = item(menuconfig, "menumaterial", QStringLiteral("&Materials costs"));

    buildDesignViews();
    menudcsec = item(menuDesign, "menudcsec", QStringLiteral("Secondary for a DC &output…"));
    buildAlternativesView();

    QMenu* menuacerca = menuBar()->addMenu(QStringLiteral("A&bout"));
    menuacerca->setObjectName(QStringLiteral("menuacerca"));
    menuayuda = item(menuacerca, "menuayuda", QStringLiteral("&Help"));
    menuacerca->addSeparator()->setObjectName(QStringLiteral("nada2"));
    menuacercatrafo = item(menuacerca, "menuacercatrafo", QStringLiteral("About &Coilwise"));
}

void Form1::showPictures() {
    findChild<QLabel*>(QStringLiteral("Picture1"))
        ->setPixmap(sharpPicture(QStringLiteral(":/pictures/transformer.png")));
    findChild<QLabel*>(QStringLiteral("Picture2"))
        ->setPixmap(sharpPicture(QStringLiteral(":/pictures/banner.png")));
}

} // namespace coilwise
