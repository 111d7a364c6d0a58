#include "app/CImportProgress.h"

#include "dialogs/CProgressWnd.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProgressBar>

CImportProgress::CImportProgress(QWidget *parent, const QString &path) : m_parent(parent), m_path(path)
{
    m_clock.start();
}

CImportProgress::~CImportProgress() = default;

void CImportProgress::Report(qint64 done, qint64 total)
{
    const qint64 now = m_clock.elapsed();
    if (now - m_lastServed < kServeEveryMs)
        return;
    m_lastServed = now;
    if (!m_window && now >= kShowAfterMs) {
        m_window = std::make_unique<CProgressWnd>(m_parent);
        //: %1 is the name of the file being imported.
        m_window->SetText(QCoreApplication::translate("CImportProgress", "Importing reminders from %1...")
                              .arg(QFileInfo(m_path).fileName()));
        m_window->SetMaxGraphics(100);
        m_window->show();
        m_window->raise();
    }
    if (m_window && total > 0) {
        const int percent = static_cast<int>(std::min<qint64>(100, done * 100 / total));
        while (m_window->Steps() < percent)
            m_window->StepGraphics();
    }
    // Mouse and keys wait: the list is half imported until the end.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
