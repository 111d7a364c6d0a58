// kestrelmark-cli: inspects and scripts reminder files without a display.
#include "cli/CCliCommand.h"
#include "l10n/CTranslations.h"
#include "model/CIconNameMap.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

#ifdef KM_CLI_COMPANION
// Hands the command line, unchanged, to the companion program that has
// every command; returns only when it cannot be started.
static int runCompanion(char **argv)
{
    // Beside the tool in a build folder; in its own folder once installed.
    const QString dir = QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).absolutePath();
    const QString name = QStringLiteral(KM_CLI_COMPANION);
    QString path = dir + QLatin1Char('/') + name;
    if (!QFileInfo(path).isExecutable())
        path = dir + QStringLiteral("/" KM_CLI_COMPANION_DIR "/") + name;
    const QByteArray file = QFile::encodeName(path);
    ::execv(file.constData(), argv);
    const int error = errno;
    std::fprintf(stderr, "kestrelmark-cli: %s\n",
                 qPrintable(QCoreApplication::translate("kestrelmark-cli", "cannot run %1: %2")
                                .arg(QString::fromLocal8Bit(file), QString::fromLocal8Bit(std::strerror(error)))));
    return 2;
}
#endif

static void printHelp()
{
    //: The tool's --help. COMMAND and ARGUMENTS are placeholders; .km2 and .kmr are file types.
    const QString head = QCoreApplication::translate("kestrelmark-cli",
        "Usage: kestrelmark-cli COMMAND [ARGUMENTS]\n\n"
        "Reads and writes Kestrelmark reminder files (.km2, legacy .kmr) and prints JSON.\n"
        "Exit codes: 0 success, 1 usage error, 2 unreadable or corrupt input.\n\nCommands:\n");
    std::printf("%s", head.toUtf8().constData());
    for (CCliCommand *c : CCliCommand::All())
        std::printf("  %-14s %s\n", c->Name().toUtf8().constData(), c->Summary().toUtf8().constData());
    const QString tail = QCoreApplication::translate("kestrelmark-cli", "\n'kestrelmark-cli COMMAND --help' describes a command.\n");
    std::printf("%s", tail.toUtf8().constData());
}

int main(int argc, char **argv)
{
#ifdef KM_CLI_COMPANION
    // The commands of this tool read and write files only: they need no
    // event loop, so the tool starts without the application object and
    // its set-up (a tenth of a month's listing over 10 000 reminders).
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    // Help, in the user's language, and the commands that exchange with others.
    if (args.isEmpty() || !CCliCommand::Find(args[0]) || args.contains(QLatin1String("--help"))
        || args.contains(QLatin1String("-h")))
        return runCompanion(argv);
#else
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const CTranslations translations(CTranslations::Scope::ProgramOnly);
#endif
    QCoreApplication::setOrganizationName(QStringLiteral("Quendrake Inc"));
    QCoreApplication::setApplicationName(QStringLiteral("Kestrelmark"));
    // No pictures are loaded here: the map holds what a complete load of
    // the built-in icons would register, so names resolve as in the program.
    CIconNameMap::Instance().RegisterBuiltinNames();

    if (args.isEmpty() || args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h")
        || args[0] == QLatin1String("help")) {
        printHelp();
        return args.isEmpty() ? CCliCommand::kUsage : CCliCommand::kOk;
    }
    CCliCommand *command = CCliCommand::Find(args[0]);
    if (!command)
        return CCliCommand::UsageError(
            QCoreApplication::translate("kestrelmark-cli", "unknown command '%1' (see --help)").arg(args[0]));
    args.removeFirst();
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        std::printf("%s\n", command->Usage().toUtf8().constData());
        return CCliCommand::kOk;
    }
    return command->Run(args);
}
