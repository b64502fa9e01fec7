#include "frminicial.h"

#include "frm_splash.h"

#include <QCoreApplication>

namespace coilwise {

frminicial::frminicial(QStringList arguments, ProgramValues& values, std::function<void()> showMain)
    : arguments_(std::move(arguments)), values_(values), showMain_(std::move(showMain)) {}

void frminicial::Form_Load() {
    values_.folder = QCoreApplication::applicationDirPath();
    values_.pendingPath = arguments_.join(QLatin1Char(' '));
    auto* splash = new frmSplash(showMain_);
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();
    splash->activateWindow();
}

} // namespace coilwise
