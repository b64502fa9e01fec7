#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace coilwise {

// What poppler's tools read in a PDF file; empty when they cannot read it.
inline QString popplerOutput(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished() || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of the pages, laid out in lines and columns as printed.
inline QString pdfText(const QString& path) {
    return popplerOutput(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
}

inline QString pdfInfo(const QString& path) {
    return popplerOutput(QStringLiteral("pdfinfo"), {path});
}

} // namespace coilwise
