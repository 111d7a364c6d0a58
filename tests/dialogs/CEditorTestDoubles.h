#pragma once

// Doubles for the editor dialogs' tests: an icon library of painted
// squares that imports ".ico" files (any letter case) from a folder the
// way the real one does, a sound player that records, and a data folder.

#include "dialogs/CEditorContext.h"
#include "dialogs/CEditorIcons.h"
#include "media/CSoundPlayer.h"
#include "storage/CProgramSettings.h"
#include "storage/CSettingsStore.h"
#include "support/CRecordingSoundPlayer.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPainter>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <map>

class CFakeEditorIcons : public CEditorIcons
{
public:
    explicit CFakeEditorIcons(QString iconsFolder = QString()) : m_folder(std::move(iconsFolder))
    {
        for (int i = 0; i < 63; ++i)
            m_names << (i == 0 ? QStringLiteral("Kestrelmark") : i == 62 ? QStringLiteral("Skull")
                                                                         : QStringLiteral("Builtin %1").arg(i));
        m_names[18] = QStringLiteral("Star");
        m_names[33] = QStringLiteral("Music");
    }

    int Count() const override { return static_cast<int>(m_names.size()); }
    QString Name(int n) const override { return n >= 0 && n < Count() ? m_names[n] : QString(); }
    int Lookup(const QString &name) const override
    {
        const qsizetype at = m_names.indexOf(name);
        return at < 0 ? 0 : static_cast<int>(at);
    }
    bool Holds(const QString &name) const override { return m_names.contains(name); }
    void ImportIcons() override
    {
        ++m_importRuns;
        if (m_folder.isEmpty())
            return;
        bool added = false;
        QDirIterator it(m_folder, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString name = QDir(m_folder).relativeFilePath(path).replace(QLatin1Char('/'), QLatin1Char('\\'));
            if (!name.endsWith(QStringLiteral(".ico"), Qt::CaseInsensitive) || m_names.contains(name) || m_failed.contains(name))
                continue;
            QFile f(path);
            // A real icon file starts with reserved 0 and type 1.
            if (f.open(QIODevice::ReadOnly) && f.read(4) == QByteArray("\0\0\1\0", 4)) {
                m_names << name;
                added = true;
            } else {
                m_failed << name;
            }
        }
        if (added)
            ++m_generation;
    }
    int Generation() const override { return m_generation; }
    QPixmap Picture(int n, int set) const override
    {
        if (n < 0 || n >= Count())
            return QPixmap();
        const int size = set == 1 ? 16 : 32;
        QPixmap p(size, size);
        p.fill(Qt::transparent);
        QPainter painter(&p);
        painter.setBrush(QColor::fromHsv((n * 37) % 360, 200, 220));
        painter.setPen(Qt::black);
        painter.drawEllipse(1, 1, size - 3, size - 3);
        if (set == 0) {
            painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 7));
            painter.drawText(p.rect(), Qt::AlignCenter, QString::number(n));
        }
        return p;
    }

    QStringList m_names;
    QStringList m_failed;
    QString m_folder;
    int m_generation = 1;
    int m_importRuns = 0;
};

// A data folder with icons/ and sounds/, the doubles, and a context that
// answers file dialogs from a queue.
struct CEditorFixture
{
    CEditorFixture() : m_icons(m_dir.path() + QStringLiteral("/icons"))
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("sounds"));
        m_context.m_Icons = &m_icons;
        m_context.m_Sound = &m_sound;
        m_context.m_DataFolder = m_dir.path();
        m_context.m_Options = &m_options;
        m_context.m_ChooseFile = [this](QWidget *, const QString &caption, const QString &initial, const QString &filter,
                                        const QString &) {
            m_fileDialogs << caption + QStringLiteral("|") + initial + QStringLiteral("|") + filter;
            return m_chosenFiles.isEmpty() ? QString() : m_chosenFiles.takeFirst();
        };
    }

    QString WriteFile(const QString &relative, const QByteArray &bytes) const
    {
        const QString path = m_dir.path() + QLatin1Char('/') + relative;
        QDir().mkpath(path.left(path.lastIndexOf(QLatin1Char('/'))));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }
    static QByteArray IconBytes(char tag) { return QByteArray("\0\0\1\0\1\0", 6) + QByteArray(10, tag); }

    QTemporaryDir m_dir;
    // The options in a settings file of the fixture's own.
    CSettingsStore m_settings { m_dir.filePath(QStringLiteral("settings.ini")) };
    CProgramSettings m_options { m_settings };
    CFakeEditorIcons m_icons;
    CRecordingSoundPlayer m_sound;
    CEditorContext m_context;
    QStringList m_chosenFiles;
    QStringList m_fileDialogs;
};

// The modal dialog the application shows now, of type T.
template <typename T> T *ActiveModal()
{
    return qobject_cast<T *>(QApplication::activeModalWidget());
}
