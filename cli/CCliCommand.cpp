#include "cli/CCliCommand.h"
#include "cli/CCliValues.h"
#include "l10n/CNotes.h"
#include "l10n/CTranslations.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>
#include <cstdio>

namespace {
std::vector<CCliCommand *> &commands()
{
    static std::vector<CCliCommand *> all;
    return all;
}
QMap<QString, CCliCommand::DumpReader> &dumpReaders()
{
    static QMap<QString, CCliCommand::DumpReader> readers;
    return readers;
}

// line in the user's words. The quick commands run without the application
// object and so without the catalogue; an error line is worth loading them
// for, once, and they stay until the tool exits.
QString shown(const QString &line)
{
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "kestrelmark-cli";
        static char *argv[] = { name, nullptr };
        static QCoreApplication *const app = new QCoreApplication(argc, argv);
        static const CTranslations *const catalogue = new CTranslations(CTranslations::Scope::ProgramOnly);
        Q_UNUSED(app);
        Q_UNUSED(catalogue);
    }
    return CNotes::Shown(line);
}
} // namespace

void CCliCommand::Register(CCliCommand *command) { commands().push_back(command); }

const std::vector<CCliCommand *> &CCliCommand::All() { return commands(); }

CCliCommand *CCliCommand::Find(const QString &name)
{
    for (CCliCommand *c : commands())
        if (c->Name() == name)
            return c;
    return nullptr;
}

int CCliCommand::UsageError(const QString &text)
{
    std::fprintf(stderr, "kestrelmark-cli: %s\n", shown(text).toLocal8Bit().constData());
    return kUsage;
}

int CCliCommand::ParseFileAndRange(const QStringList &args, const QStringList &flagOptions, RangeArgs &out,
                                   const QStringList &valueOptions) const
{
    out.args = Parse(args, QStringList { QStringLiteral("from"), QStringLiteral("to") } + valueOptions, flagOptions);
    const ParsedArgs &a = out.args;
    if (!a.error.isEmpty())
        return UsageError(a.error);
    if (a.positional.size() != 1 || !a.options.contains(QStringLiteral("from")) || !a.options.contains(QStringLiteral("to")))
        return UsageError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "%1 takes one file, --from and --to")).arg(Name()));
    if (!CCliValues::ParseDate(a.options.value(QStringLiteral("from")), out.from)
        || !CCliValues::ParseDate(a.options.value(QStringLiteral("to")), out.to))
        return UsageError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "--from and --to must be possible dates (YYYY-MM-DD)")));
    return kOk;
}

int CCliCommand::InputError(const QString &text)
{
    std::fprintf(stderr, "kestrelmark-cli: %s\n", shown(text).toLocal8Bit().constData());
    return kBadInput;
}

void CCliCommand::Tell(const CUserMessage &message)
{
    if (!message.IsEmpty())
        std::fprintf(stderr, "%s\n", message.m_Text.toLocal8Bit().constData());
}

void CCliCommand::PrintJson(const QJsonValue &value)
{
    QByteArray bytes;
    if (value.isObject())
        bytes = QJsonDocument(value.toObject()).toJson(QJsonDocument::Indented);
    else if (value.isArray())
        bytes = QJsonDocument(value.toArray()).toJson(QJsonDocument::Indented);
    QFile out;
    if (out.open(stdout, QIODevice::WriteOnly))
        out.write(bytes);
}

void CCliCommand::RegisterDumpReader(const QString &extension, DumpReader reader)
{
    dumpReaders().insert(extension.toLower(), std::move(reader));
}

CCliCommand::DumpReader CCliCommand::FindDumpReader(const QString &path)
{
    // File kinds go by the last four characters in lower case.
    return dumpReaders().value(path.right(4).toLower());
}

CCliCommand::ParsedArgs CCliCommand::Parse(const QStringList &args, const QStringList &valueOptions,
                                           const QStringList &flagOptions)
{
    ParsedArgs parsed;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (!a.startsWith(QLatin1String("--")) || a == QLatin1String("--")) {
            parsed.positional << a;
            continue;
        }
        const QString name = a.mid(2);
        if (valueOptions.contains(name)) {
            if (i + 1 >= args.size()) {
                parsed.error = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "option %1 needs a value")).arg(a);
                return parsed;
            }
            parsed.options.insert(name, args[++i]);
        } else if (flagOptions.contains(name)) {
            parsed.flags << name;
        } else {
            parsed.error = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "unknown option %1")).arg(a);
            return parsed;
        }
    }
    return parsed;
}
