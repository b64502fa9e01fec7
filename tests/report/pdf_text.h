#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <vector>

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

// A word on a page and its box, in points from the page's top-left corner.
struct PdfWord {
    QString text;
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
};

inline std::vector<PdfWord> pdfWords(const QString& path) {
    const QString boxes =
        popplerOutput(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re"));
    std::vector<PdfWord> words;
    for (const QRegularExpressionMatch& found : word.globalMatch(boxes)) {
        words.push_back({found.captured(4), found.captured(1).toDouble(), found.captured(2).toDouble(),
                         found.captured(3).toDouble()});
    }
    return words;
}

inline QString pdfInfo(const QString& path) {
    return popplerOutput(QStringLiteral("pdfinfo"), {path});
}

} // namespace coilwise
