#pragma once

#include <QString>
#include <QVariant>
#include <memory>

class QSettings;

namespace coilwise {

// The preferences file (coilwise.conf: recent designs, own cores, window places) through one door.
// A path that is not a regular file (a FIFO would block start-up for ever, a folder cannot be
// read) or is larger than any preferences file can be is left untouched: the preferences then
// live in memory for the session, and standard error says so once.
class Preferences {
public:
    Preferences();
    ~Preferences();
    Preferences(const Preferences&) = delete;
    Preferences& operator=(const Preferences&) = delete;

    QVariant value(const QString& key) const;
    void setValue(const QString& key, const QVariant& value);

private:
    std::unique_ptr<QSettings> file_; // none when the path is unsafe
};

inline constexpr qint64 maxPreferencesBytes = 1024 * 1024;

} // namespace coilwise
