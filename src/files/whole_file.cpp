#include "whole_file.h"

#include <QFile>
#include <QSaveFile>

namespace coilwise {

std::optional<std::string> readWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return bytes.toStdString();
}

bool writeWholeFile(const QString& path, std::string_view bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const auto size = static_cast<qint64>(bytes.size());
    // The commit overlooks a failure of the final flush, so the flush is checked here. Returning
    // without a commit discards the new file and keeps the old one.
    if (file.write(bytes.data(), size) != size || !file.flush()) {
        return false;
    }
    return file.commit();
}

} // namespace coilwise
