// A printed PDF read back with poppler's tools: each page's words with their
// boxes in points (pdftotext -bbox), and the texts printed in bold
// (pdftohtml -xml marks them).
#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>
#include <vector>

namespace tallimo::testing {

struct PdfWord {
    QString text;
    double left = 0;
    double top = 0;
    double right = 0;
};

struct PdfPage {
    double width = 0;
    double height = 0;
    std::vector<PdfWord> words;
};

inline QByteArray RunTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    return process.readAllStandardOutput();
}

inline std::vector<PdfPage> ReadPdfWords(const QString& path) {
    std::vector<PdfPage> pages;
    QXmlStreamReader xml(RunTool(QStringLiteral("pdftotext"), {"-bbox", path, "-"}));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const auto at = [&xml](const char* name) {
            return xml.attributes().value(name).toDouble();
        };
        if (xml.name() == QLatin1String("page")) {
            pages.push_back({at("width"), at("height"), {}});
        } else if (xml.name() == QLatin1String("word") && !pages.empty()) {
            const PdfWord word{{}, at("xMin"), at("yMin"), at("xMax")};
            pages.back().words.push_back(word);
            pages.back().words.back().text = xml.readElementText();
        }
    }
    return pages;
}

// Every run of bold text, in the order printed, words joined by one space.
inline QStringList ReadPdfBoldTexts(const QString& path) {
    const QString xml = QString::fromUtf8(
        RunTool(QStringLiteral("pdftohtml"), {"-xml", "-i", "-stdout", "-q", path}));
    QStringList bold;
    static const QRegularExpression kBold(QStringLiteral("<b>(.*?)</b>"));
    for (auto match = kBold.globalMatch(xml); match.hasNext();) {
        bold << match.next().captured(1).simplified();
    }
    return bold;
}

}  // namespace tallimo::testing
