#include "form1.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>

namespace coilwise {

namespace {

// One local design file, or nothing: a drag of anything else gets no promise from the window.
QString droppedDesign(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) {
        return {};
    }
    const QUrl& url = data->urls().front();
    if (!url.isLocalFile()) {
        return {};
    }
    const QString path = url.toLocalFile();
    return QFileInfo(path).suffix().compare(QStringLiteral("cwf"), Qt::CaseInsensitive) == 0 ? path
                                                                                             : QString();
}

} // namespace

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedDesign(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

// The drop is handled once the drag has ended, so that Open's messages never run inside it.
void Form1::dropEvent(QDropEvent* event) {
    const QString path = droppedDesign(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    QMetaObject::invokeMethod(
        this, [this, path] { openWithoutDialog(path); }, Qt::QueuedConnection);
}

} // namespace coilwise
