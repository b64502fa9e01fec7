#pragma once

#include "maker_links.h"

#include <QDialog>
#include <QUrl>
#include <functional>

class QLabel;
class QPushButton;

namespace coilwise {

// Hands a link to the system (mail program, web browser); what happens then is not our concern.
using LinkOpener = std::function<void(const QUrl& target)>;

// The About box: name, description, version and the maker's two links (each shown only when the
// build has its address). Not modal; its OK is a picture with a pressed look, and a hidden
// default-and-cancel button gives it Enter and Escape.
class frmAbout final : public QDialog {
    Q_OBJECT

public:
    frmAbout(const QString& applicationTitle, LinkOpener openLink, QWidget* parent = nullptr,
             MakerLinks links = builtInMakerLinks());

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWidgets();
    void Form_Load(const QString& applicationTitle);
    void Label1_Click();
    void Label3_Click();
    void LabelOK_MouseDown();
    void LabelOK_MouseUp();
    void LabelOK_Click() { close(); }
    void cmdOK_Click() { close(); }

    LinkOpener openLink_;
    MakerLinks links_;
    QLabel* lblDescription = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Picture2 = nullptr;
    QLabel* LabelOK = nullptr;
    QLabel* Picture5 = nullptr; // the OK picture pressed, never shown itself
    QLabel* Picture6 = nullptr; // the OK picture released, never shown itself
    QPushButton* cmdOK = nullptr;
};

} // namespace coilwise
