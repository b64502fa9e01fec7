#include "main_window_host.h"

#include "ui/form1.h"

namespace coilwise {

MainWindowHost::MainWindowHost(DialogsPort& dialogs, const Locale& locale, const ProgramValues& values)
    : dialogs_(dialogs), locale_(locale), values_(values) {}

MainWindowHost::~MainWindowHost() = default;

void MainWindowHost::show() {
    if (form_ != nullptr) {
        form_->show();
        form_->raise();
        form_->activateWindow();
        return;
    }
    form_ = std::make_unique<Form1>(dialogs_, locale_);
    form_->setPendingPath(values_.pendingPath);
    form_->setProgramFolder(values_.folder);
    form_->Form_Load();
}

} // namespace coilwise
