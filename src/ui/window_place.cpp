#include "window_place.h"

#include "settings/settings_store.h"

#include <QEvent>
#include <QSettings>
#include <QWidget>

namespace coilwise {

namespace {

QString placeKey(const QString& name) {
    return QStringLiteral("windows/") + name;
}

const QString keeperName = QStringLiteral("windowPlaceKeeper");

// Remembers the window's place each time it is hidden, closed by the user included.
class PlaceKeeper final : public QObject {
public:
    PlaceKeeper(QWidget& window, QString name) : QObject(&window), window_(window), name_(std::move(name)) {
        setObjectName(keeperName);
    }

    void remember() const {
        QSettings(preferencesPath(), QSettings::IniFormat).setValue(placeKey(name_), window_.saveGeometry());
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide) {
            remember();
        }
        return false;
    }

private:
    QWidget& window_;
    QString name_;
};

} // namespace

void keepWindowPlace(QWidget& window, const QString& name) {
    const QByteArray place =
        QSettings(preferencesPath(), QSettings::IniFormat).value(placeKey(name)).toByteArray();
    if (!place.isEmpty()) {
        window.restoreGeometry(place);
    }
    window.installEventFilter(new PlaceKeeper(window, name));
}

void rememberShownWindowPlaces(const QObject& owner) {
    for (QObject* child : owner.findChildren<QObject*>(keeperName)) {
        const auto* keeper = dynamic_cast<const PlaceKeeper*>(child);
        if (keeper != nullptr && static_cast<const QWidget*>(keeper->parent())->isVisible()) {
            keeper->remember();
        }
    }
}

} // namespace coilwise
