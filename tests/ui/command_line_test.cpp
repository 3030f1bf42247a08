// The command line as a user types it: "tallimo", "tallimo fichier.dat",
// --help and --version, and the mistakes.
#include <gtest/gtest.h>

#include "app/command_line.h"

namespace tallimo {
namespace {

CommandLine Read(const QStringList& arguments) {
    return ReadCommandLine(QStringList{QStringLiteral("tallimo")} + arguments,
                           QStringLiteral("Tallimo"), QStringLiteral("1.5.0"));
}

TEST(CommandLine, AFileOrNothingRunsTheProgram) {
    for (const QStringList& arguments :
         {QStringList{}, QStringList{"calculs.dat"}, QStringList{"--", "-tiret.dat"}}) {
        const CommandLine command = Read(arguments);
        EXPECT_TRUE(command.run);
        EXPECT_EQ(command.file, arguments.isEmpty() ? QString() : arguments.back());
        EXPECT_TRUE(command.output.isEmpty() && command.error.isEmpty());
    }
}

TEST(CommandLine, HelpAndVersionAnswerInFrenchAndEnd) {
    for (const char* option : {"--help", "-h"}) {
        const CommandLine help = Read({QString::fromLatin1(option), "calculs.dat"});
        EXPECT_FALSE(help.run);
        EXPECT_EQ(help.exit_status, 0);
        EXPECT_TRUE(help.output.startsWith("Utilisation : tallimo [options] [FICHIER]\n"))
            << help.output.toStdString();
        for (const char* line :
             {"  -h, --help", "  -v, --version", "  FICHIER        facultatif : un fichier"}) {
            EXPECT_TRUE(help.output.contains(QString::fromUtf8(line))) << line;
        }
        EXPECT_TRUE(help.error.isEmpty());
    }
    for (const char* option : {"--version", "-v"}) {
        const CommandLine version = Read({QString::fromLatin1(option)});
        EXPECT_FALSE(version.run);
        EXPECT_EQ(version.exit_status, 0);
        EXPECT_EQ(version.output, "Tallimo 1.5.0\n");
    }
}

TEST(CommandLine, MistakesAreExplainedOnTheErrorOutput) {
    const std::pair<QStringList, const char*> mistakes[] = {
        {{"--aide"}, "tallimo : option inconnue « --aide ».\n"},
        {{"-x", "calculs.dat"}, "tallimo : option inconnue « -x ».\n"},
        {{"a.dat", "b.dat"}, "tallimo : un seul fichier de calculs peut être ouvert.\n"}};
    for (const auto& [arguments, message] : mistakes) {
        const CommandLine command = Read(arguments);
        EXPECT_FALSE(command.run);
        EXPECT_EQ(command.exit_status, 1);
        EXPECT_TRUE(command.output.isEmpty());
        EXPECT_EQ(command.error,
                  QString::fromUtf8(message) + "Tapez « tallimo --help » pour voir les options.\n");
    }
}

}  // namespace
}  // namespace tallimo
