// Reminder packs from strangers: any bytes must be refused or merged
// without a crash, and nothing may be written anywhere but the data
// folder's icons and sounds folders.
#include "graphics/CMessageBox.h"
#include "model/CReminderList.h"
#include "storage/CReminderPack.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {

class SilentSink : public CMessageSink
{
public:
    Answer Show(const QString &, Buttons buttons, Icon) override { return buttons == Ok ? IdOk : IdCancel; }
};

struct World
{
    World()
    {
        CMessageBox::SetSink(&sink);
        QDir().mkpath(Data());
    }
    QString Data() const { return root.path() + QStringLiteral("/data"); }
    QTemporaryDir root;
    SilentSink sink;
    int runs = 0;
};

void check(const World &w)
{
    const QStringList top = QDir(w.root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    const QStringList inside = QDir(w.Data()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    bool ok = top == QStringList { QStringLiteral("data") };
    for (const QString &name : inside)
        ok = ok && (name == QLatin1String("icons") || name == QLatin1String("sounds"));
    if (!ok) {
        std::fprintf(stderr, "written outside icons/ and sounds/: %s | %s\n", qPrintable(top.join(' ')),
                     qPrintable(inside.join(' ')));
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static World world;
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char *>(data), qsizetype(size));
    buffer.open(QIODevice::ReadOnly);
    CReminderList list;
    CReminderPack::ImportPack(list, buffer, world.Data());
    check(world);
    if (++world.runs % 500 == 0) {
        QDir(world.Data() + QStringLiteral("/icons")).removeRecursively();
        QDir(world.Data() + QStringLiteral("/sounds")).removeRecursively();
    }
    return 0;
}
