#include "help/ui/help_book.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QXmlStreamReader>

#include "tallimo_product.h"

namespace tallimo {

namespace {

constexpr char kBookFile[] = "aide.xml";

bool FindContext(const std::vector<HelpTopic>& topics, int context, QString& page) {
    for (const HelpTopic& topic : topics) {
        if (topic.context == context) {
            page = topic.page;
            return true;
        }
        if (FindContext(topic.children, context, page)) {
            return true;
        }
    }
    return false;
}

// Reads the <rubrique> elements inside the current element into `topics`.
void ReadTopics(QXmlStreamReader& xml, std::vector<HelpTopic>& topics) {
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("rubrique")) {
            xml.skipCurrentElement();
            continue;
        }
        HelpTopic topic;
        const QXmlStreamAttributes attributes = xml.attributes();
        topic.title = attributes.value(QLatin1String("titre")).toString();
        topic.page = attributes.value(QLatin1String("page")).toString();
        topic.context = attributes.value(QLatin1String("contexte")).toInt();
        ReadTopics(xml, topic.children);
        topics.push_back(std::move(topic));
    }
}

}  // namespace

QString HelpBook::PageOfContext(int context) const {
    QString page;
    FindContext(topics, context, page);
    return page;
}

std::optional<HelpBook> LoadHelpBook(const QString& folder) {
    QFile file(QDir(folder).filePath(QString::fromLatin1(kBookFile)));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QXmlStreamReader xml(&file);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("aide")) {
        return std::nullopt;
    }
    HelpBook book;
    book.folder = QDir(folder).absolutePath();
    book.title = xml.attributes().value(QLatin1String("titre")).toString();
    book.home = xml.attributes().value(QLatin1String("accueil")).toString();
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("sommaire")) {
            ReadTopics(xml, book.topics);
        } else if (xml.name() == QLatin1String("index")) {
            while (xml.readNextStartElement()) {
                const QXmlStreamAttributes attributes = xml.attributes();
                book.index.push_back({attributes.value(QLatin1String("mot")).toString(),
                                      attributes.value(QLatin1String("page")).toString()});
                xml.skipCurrentElement();
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    if (xml.hasError() || book.home.isEmpty()) {
        return std::nullopt;
    }
    return book;
}

QString FindHelpFolder() {
    const QString beside = QDir(QCoreApplication::applicationDirPath())
                               .absoluteFilePath(QStringLiteral(TALLIMO_HELP_RELATIVE_DIR));
    if (QFile::exists(QDir(beside).filePath(QString::fromLatin1(kBookFile)))) {
        return QDir::cleanPath(beside);
    }
    const QString book = QStandardPaths::locate(
        QStandardPaths::GenericDataLocation,
        QStringLiteral(TALLIMO_HELP_SUBDIR "/") + QString::fromLatin1(kBookFile));
    return book.isEmpty() ? QString() : QFileInfo(book).absolutePath();
}

}  // namespace tallimo
