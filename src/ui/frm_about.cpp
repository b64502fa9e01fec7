#include "frm_about.h"

#include "widgets/pictures.h"
#include "widgets/twips.h"
#include "widgets/version_text.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace coilwise {

namespace {

QLabel* picture(QWidget* parent, const char* name, const QString& resource, QRect area) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1StringView(name));
    label->setPixmap(sharpPicture(resource));
    label->setGeometry(area);
    return label;
}

QLabel* text(QWidget* parent, const char* name, const QString& caption, QRect area) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1StringView(name));
    label->setGeometry(area);
    return label;
}

QLabel* link(QWidget* parent, const char* name, const QString& caption, const QString& tooltip, QRect area) {
    QLabel* label = text(parent, name, caption, area);
    label->setToolTip(tooltip);
    label->setCursor(Qt::PointingHandCursor);
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0xC0));
    label->setPalette(palette);
    return label;
}

} // namespace

frmAbout::frmAbout(const QString& applicationTitle, LinkOpener openLink, QWidget* parent, MakerLinks links)
    : QDialog(parent), openLink_(std::move(openLink)), links_(std::move(links)) {
    setObjectName(QStringLiteral("frmAbout"));
    buildWidgets();
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    for (QLabel* label : {Label1, Label3, LabelOK}) {
        label->installEventFilter(this);
    }
    Form_Load(applicationTitle);
}

void frmAbout::buildWidgets() {
    setFixedSize(twips(6615), twips(5085));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    palette.setColor(QPalette::WindowText, QColor(0x40, 0x00, 0x40));
    setPalette(palette);
    QFont font(QStringLiteral("Liberation Sans"), 9);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);

    picture(this, "Picture1", QStringLiteral(":/icons/coilwise-128.png"), twipsRect(240, 240, 960, 960));
    picture(this, "Picture3", QStringLiteral(":/pictures/banner.png"), twipsRect(1440, 300, 4320, 840));
    lblVersion = text(this, "lblVersion", {}, twipsRect(1440, 1200, 4320, 300));
    lblVersion->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblDescription = text(
        this, "lblDescription",
        QStringLiteral("Coilwise allows you to calculate easy and quickly small power mains transformers."),
        twipsRect(240, 1620, 6135, 540));
    lblDescription->setWordWrap(true);

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(twipsRect(240, 2280, 6135, 30));

    picture(this, "Picture4", QStringLiteral(":/pictures/lamination.png"), twipsRect(240, 2520, 1440, 1440));
    Label1 = link(this, "Label1", links_.mail, QStringLiteral("Comments or suggestions are welcome"),
                  twipsRect(1920, 2760, 4455, 300));
    Label3 = link(this, "Label3", links_.web, QStringLiteral("Visit our web site"),
                  twipsRect(1920, 3180, 4455, 300));
    Label1->setVisible(!links_.mail.isEmpty());
    Label3->setVisible(!links_.web.isEmpty());

    const QRect button = twipsRect(4935, 4365, 1440, 480);
    Picture5 = picture(this, "Picture5", QStringLiteral(":/pictures/ok_pressed.png"), button);
    Picture6 = picture(this, "Picture6", QStringLiteral(":/pictures/ok_normal.png"), button);
    Picture5->hide();
    Picture6->hide();
    Picture2 = picture(this, "Picture2", QStringLiteral(":/pictures/ok_normal.png"), button);
    LabelOK = text(Picture2, "LabelOK", QStringLiteral("OK"), Picture2->rect());
    LabelOK->setAlignment(Qt::AlignCenter);

    // Below the visible area: it only carries Enter and Escape.
    cmdOK = new QPushButton(QStringLiteral("Aceptar"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twipsRect(4935, 5520, 1440, 480));
    cmdOK->setDefault(true);
}

void frmAbout::Form_Load(const QString& applicationTitle) {
    setWindowTitle(QStringLiteral("Acerca de ") + applicationTitle);
    lblVersion->setText(QLatin1Char('v') + versionNumbers());
}

// The box goes first, so that the mail program or browser comes up in front of the main window.
void frmAbout::Label1_Click() {
    close();
    openLink_(QUrl(QStringLiteral("mailto:") + links_.mail));
}

void frmAbout::Label3_Click() {
    close();
    openLink_(QUrl(links_.web));
}

void frmAbout::LabelOK_MouseDown() {
    Picture2->setPixmap(Picture5->pixmap());
}

void frmAbout::LabelOK_MouseUp() {
    Picture2->setPixmap(Picture6->pixmap());
}

// Clicks on the labels: a click is a left-button release over the label that was pressed.
bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease) {
        return QDialog::eventFilter(watched, event);
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) {
        return QDialog::eventFilter(watched, event);
    }
    if (type == QEvent::MouseButtonPress) {
        if (watched == LabelOK) {
            LabelOK_MouseDown();
        }
        return true;
    }
    const bool over = static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint());
    if (watched == LabelOK) {
        LabelOK_MouseUp();
        if (over) {
            LabelOK_Click();
        }
    } else if (over && watched == Label1) {
        Label1_Click();
    } else if (over && watched == Label3) {
        Label3_Click();
    }
    return true;
}

} // namespace coilwise
