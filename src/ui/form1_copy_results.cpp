#include "engine/design_run.h"
#include "form1.h"
#include "results/result_json.h"
#include "results/text_sheet.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <sstream>

namespace coilwise {

// The window's design calculated as the command line calculates it, so that what is pasted is
// exactly what `coilwise --calc` prints for it: the text sheet, and the JSON result for scripts.
void Form1::menuCopyResults_Click() {
    const DesignRun run(typedDesign(), locale_);

    std::ostringstream sheet;
    writeTextSheet(sheet, run);
    std::string json;
    appendResultJson(json, run);
    json += '\n';

    auto* data = new QMimeData;
    data->setText(QString::fromStdString(sheet.str()));
    data->setData(QStringLiteral("application/json"), QByteArray::fromStdString(json));
    QApplication::clipboard()->setMimeData(data);
}

DesignInput Form1::typedDesign() const {
    DesignInput input;
    input.primary = text({Field::labvpri});
    for (int row = 1; row <= rowCount; ++row) {
        const auto i = static_cast<std::size_t>(row - 1);
        input.volts[i] = text({Field::labvsec, row});
        input.amps[i] = text({Field::labisec, row});
    }
    input.notes = text({Field::labobs});
    input.frequency = record_.frec;
    input.service = record_.tiserv;
    input.ironPrice = record_.costofe;
    input.copperPrice = record_.costocu;
    return input;
}

} // namespace coilwise
