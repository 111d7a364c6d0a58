#pragma once

#include "model/COleDateTime.h"
#include "model/CUserMessage.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// One command of kestrelmark-cli. Commands register themselves with a
// static CCliCommand::Registrar in their own source file.
class CCliCommand
{
public:
    // Exit codes of the tool.
    enum { kOk = 0, kUsage = 1, kBadInput = 2 };

    virtual ~CCliCommand() = default;
    virtual QString Name() const = 0;
    virtual QString Summary() const = 0;
    virtual QString Usage() const = 0;
    virtual int Run(const QStringList &args) = 0;

    static void Register(CCliCommand *command);
    static const std::vector<CCliCommand *> &All();
    static CCliCommand *Find(const QString &name);

    struct Registrar
    {
        explicit Registrar(CCliCommand *command) { Register(command); }
    };

    // Shared helpers for the commands.
    static int UsageError(const QString &text);  // one line on stderr, exit 1
    static int InputError(const QString &text);  // one line on stderr, exit 2
    static void PrintJson(const QJsonValue &value);
    // A message from the libraries, as its own line on stderr; nothing when
    // it is empty.
    static void Tell(const CUserMessage &message);

    // Readers that dump offers by file extension (".km2", ".rpk", ...).
    // A reader fills the object and returns an exit code, writing its own
    // error line on failure.
    using DumpReader = std::function<int(const QString &path, QJsonObject &out)>;
    static void RegisterDumpReader(const QString &extension, DumpReader reader);
    static DumpReader FindDumpReader(const QString &path);

    // Options of the form --name VALUE and flags --name; positional
    // arguments in order. Unknown options are errors.
    struct ParsedArgs
    {
        QStringList positional;
        QMap<QString, QString> options;
        QStringList flags;
        QString error;
        bool Has(const QString &name) const { return options.contains(name) || flags.contains(name); }
    };
    static ParsedArgs Parse(const QStringList &args, const QStringList &valueOptions, const QStringList &flagOptions);

    // The commands over a range of days: one file, --from and --to as
    // possible dates, and the flags and further value options given.
    // Returns kOk or the usage error.
    struct RangeArgs
    {
        ParsedArgs args;
        COleDateTime from, to;
    };
    int ParseFileAndRange(const QStringList &args, const QStringList &flagOptions, RangeArgs &out,
                          const QStringList &valueOptions = {}) const;
};
