#include "app/command_line.h"

#include <QCommandLineParser>
#include <cstdio>

namespace tallimo {

namespace {

constexpr char kMoreHelp[] = "Tapez « tallimo --help » pour voir les options.\n";

CommandLine Mistake(const QString& message) {
    CommandLine command;
    command.run = false;
    command.exit_status = 1;
    command.error =
        QStringLiteral("tallimo : ") + message + QLatin1Char('\n') + QString::fromUtf8(kMoreHelp);
    return command;
}

QString HelpText(const QString& name, const QString& version) {
    return QStringLiteral(
               "Utilisation : tallimo [options] [FICHIER]\n"
               "%1 %2, calculatrice de bureau à bande : chaque calcul s'inscrit dans une "
               "grille.\n"
               "\n"
               "Options :\n"
               "  -h, --help     affiche cette aide et s'arrête\n"
               "  -v, --version  affiche la version et s'arrête\n"
               "\n"
               "Argument :\n"
               "  FICHIER        facultatif : un fichier de calculs (.dat) à ouvrir au "
               "démarrage\n")
        .arg(name, version);
}

}  // namespace

CommandLine ReadCommandLine(const QStringList& arguments, const QString& name,
                            const QString& version) {
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version_option({QStringLiteral("v"), QStringLiteral("version")},
                                            QString());
    parser.addOption(help);
    parser.addOption(version_option);
    if (!parser.parse(arguments)) {
        // Parser's own errors are English; the only options take no value,
        // so what it refuses is an unknown option.
        const QStringList unknown = parser.unknownOptionNames();
        const QString option = unknown.isEmpty() ? QString() : unknown.front();
        return Mistake(
            QStringLiteral("option inconnue « %1%2 ».")
                .arg(option.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), option));
    }
    CommandLine command;
    if (parser.isSet(help)) {
        command.run = false;
        command.output = HelpText(name, version);
        return command;
    }
    if (parser.isSet(version_option)) {
        command.run = false;
        command.output = name + QLatin1Char(' ') + version + QLatin1Char('\n');
        return command;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        return Mistake(QStringLiteral("un seul fichier de calculs peut être ouvert."));
    }
    if (!files.isEmpty()) {
        command.file = files.front();
    }
    return command;
}

int PrintAnswer(const CommandLine& command) {
    std::fputs(command.output.toLocal8Bit().constData(), stdout);
    std::fputs(command.error.toLocal8Bit().constData(), stderr);
    std::fflush(stdout);
    return command.exit_status;
}

}  // namespace tallimo
