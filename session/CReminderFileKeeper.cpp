#include "session/CReminderFileKeeper.h"

#include "l10n/CNotes.h"
#include "model/CReminderList.h"
#include "model/CTrace.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <QtGlobal>

CReminderFileKeeper::CReminderFileKeeper(CReminderStore &store, CReminderList &list, QObject *parent)
    : QObject(parent), m_file(store), m_list(list)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &CReminderFileKeeper::takeOutsideChanges);
    m_compact.setSingleShot(true);
    m_compact.setInterval(kCompactMs);
    connect(&m_compact, &QTimer::timeout, this, &CReminderFileKeeper::compact);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &CReminderFileKeeper::onFolderChanged);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &CReminderFileKeeper::onFolderChanged);
}

CReminderFileKeeper::~CReminderFileKeeper()
{
    if (m_packer)
        m_packer->wait();
}

CReminderStore::LoadResult CReminderFileKeeper::Load(CUserMessage *tell)
{
    const CReminderStore::LoadResult result = m_file.Load(m_list, tell);
    // The load has told the user already; the first failing save is part
    // of the same streak.
    m_failing = result == CReminderStore::Unreadable;
    watch();
    compact();
    return result;
}

void CReminderFileKeeper::compact()
{
    if (m_packer)
        return; // its end looks again
    CSharedReminderFile::PackRequest request = m_file.BaseToPack();
    if (request.m_Bytes.isEmpty())
        return;
    // The thread gets its own reference to the bytes, which are never
    // changed, and drops it when it is done; the pack is taken on this
    // thread, and only if the base is still the one packed.
    auto packed = std::make_shared<CSharedReminderFile::PackedBase>();
    m_packed = packed;
    m_packer.reset(QThread::create([request = std::move(request), packed]() mutable {
        *packed = CSharedReminderFile::Pack(std::move(request));
    }));
    connect(m_packer.get(), &QThread::finished, this, &CReminderFileKeeper::adoptPacked, Qt::QueuedConnection);
    m_packer->start();
}

void CReminderFileKeeper::adoptPacked()
{
    m_packer->wait();
    m_packer.reset();
    if (m_file.AdoptPacked(std::move(*m_packed)))
        Trace("Packed the base of the reminder file.\n");
    else if (!m_file.IsCompact())
        m_compact.start(); // replaced while it was packed: the new one after a quiet time
    m_packed.reset();
}

void CReminderFileKeeper::watch()
{
    const QString folder = QFileInfo(m_file.FilePath()).absolutePath();
    if (!m_watcher.directories().contains(folder) && !m_watcher.addPath(folder))
        Trace(QStringLiteral("Cannot watch ") + folder + QStringLiteral(" for changes.\n"));
    // The file itself too: a writer that rewrites it in place changes no
    // folder entry.
    if (QFileInfo::exists(m_file.FilePath()) && !m_watcher.files().contains(m_file.FilePath()))
        m_watcher.addPath(m_file.FilePath());
}

void CReminderFileKeeper::onFolderChanged()
{
    if (!m_settle.isActive())
        m_settle.start();
}

void CReminderFileKeeper::takeOutsideChanges()
{
    watch(); // a replaced file is a new file to the watcher
    if (m_mayChange && !m_mayChange()) {
        m_settle.start(kRetryMs);
        return;
    }
    const CSharedReminderFile::Outcome outcome = m_file.TakeOutsideChanges(m_list);
    if (outcome.m_ListChanged)
        emit listChanged();
    if (!m_file.IsCompact())
        m_compact.start();
}

bool CReminderFileKeeper::Save()
{
    const CSharedReminderFile::Outcome outcome = m_file.Save(m_list);
    if (outcome.m_ListChanged)
        emit listChanged();
    report(outcome);
    watch();
    if (!m_file.IsCompact())
        m_compact.start();
    return outcome.m_Status == CSharedReminderFile::Saved || outcome.m_Status == CSharedReminderFile::Unchanged;
}

void CReminderFileKeeper::report(const CSharedReminderFile::Outcome &outcome)
{
    const QString path = QDir::toNativeSeparators(m_file.FilePath());
    if (!outcome.m_DamagedCopy.isEmpty()) {
        //: %1 is the reminder file, %2 the copy kept of it.
        const char *const sentence = QT_TR_NOOP("Sorry, the reminder file %1 was damaged by another program. Every "
                                                "reminder that could still be read was kept, and a copy of the "
                                                "damaged file was kept as %2.");
        const QString copy = QDir::toNativeSeparators(outcome.m_DamagedCopy);
        if (m_ending)
            qWarning("%s", qPrintable(QString::fromLatin1(sentence).arg(path, copy)));
        else
            emit fileNotice(CUserMessage::Warning(tr(sentence).arg(path, copy)));
    }
    // The load's box named the copy already: the user is told of the
    // damage once, and the log has the rest.
    if (!outcome.m_SavedOverDamage.isEmpty())
        qInfo("Saved your reminders over the damaged file (a copy is at %s).",
              qPrintable(QDir::toNativeSeparators(outcome.m_SavedOverDamage)));
    QString text;
    switch (outcome.m_Status) {
    case CSharedReminderFile::Saved:
    case CSharedReminderFile::Unchanged:
        if (m_failing)
            Trace(QStringLiteral("Saved ") + path + QStringLiteral(" again.\n"));
        m_failing = false;
        return;
    case CSharedReminderFile::Unreadable:
        text = CReminderStore::UnreadableMessage(m_file.FilePath(), outcome.m_Error);
        break;
    case CSharedReminderFile::Busy:
    case CSharedReminderFile::WriteFailed:
        //: %1 is the reminder file, %2 why it could not be written.
        text = tr("Sorry, your reminders could not be saved to %1: %2. They stay in this program, "
                  "and it will try again at the next save.")
                   .arg(path, CNotes::Shown(outcome.m_Error));
        break;
    }
    // Every failure goes to the log; the user hears of a streak once.
    qWarning("%s", qPrintable(text));
    if (m_failing || m_ending)
        return;
    m_failing = true;
    emit saveFailed(CUserMessage::Error(text));
}
