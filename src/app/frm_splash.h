#pragma once

#include <QPixmap>
#include <QWidget>
#include <chrono>
#include <functional>

class QLabel;
class QTimer;

namespace coilwise {

// The splash screen: the picture and the version. A click on it, a key that types a character, or
// its timer brings up the main window and closes the splash.
class frmSplash final : public QWidget {
    Q_OBJECT

public:
    frmSplash(std::function<void()> showMain,
              std::chrono::milliseconds interval = std::chrono::milliseconds(4000),
              QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void Form_Click() { showMainAndClose(); }
    void Form_KeyPress() { showMainAndClose(); }
    void Timer1_Timer() { showMainAndClose(); }
    void showMainAndClose();

    std::function<void()> showMain_;
    QPixmap picture_;
    QLabel* lblVersion = nullptr;
    QTimer* Timer1 = nullptr;
};

} // namespace coilwise
