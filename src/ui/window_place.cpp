#include "window_place.h"

#include "settings/preferences.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace coilwise {

namespace {

QString placeKey(const QString& name) {
    return QStringLiteral("windows/") + name;
}

// A place saved on a larger screen, or edited by hand, must not build a window larger than the
// screen it opens on, nor put it off that screen. Before the first show the frame is not known
// yet, so the window is bounded once more when it shows, frame included.
void fitOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect room = screen->availableGeometry();
    const QRect client = window.geometry();
    const QRect frame = window.frameGeometry();
    const QSize frameExtra = frame.size() - client.size();
    QRect place(frame.topLeft(), frame.size().boundedTo(room.size()));
    place.moveLeft(std::clamp(place.left(), room.left(), room.right() - place.width() + 1));
    place.moveTop(std::clamp(place.top(), room.top(), room.bottom() - place.height() + 1));
    if (place != frame) {
        window.setGeometry(
            QRect(place.topLeft() + (client.topLeft() - frame.topLeft()), place.size() - frameExtra));
    }
}

const QString keeperName = QStringLiteral("windowPlaceKeeper");

// Remembers the window's place each time it is hidden, closed by the user included.
class PlaceKeeper final : public QObject {
public:
    PlaceKeeper(QWidget& window, QString name) : QObject(&window), window_(window), name_(std::move(name)) {
        setObjectName(keeperName);
    }

    void remember() const { Preferences().setValue(placeKey(name_), window_.saveGeometry()); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            fitOnScreen(window_);
        } else if (event->type() == QEvent::Hide) {
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
    const QByteArray place = Preferences().value(placeKey(name)).toByteArray();
    if (!place.isEmpty() && window.restoreGeometry(place)) {
        fitOnScreen(window);
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
