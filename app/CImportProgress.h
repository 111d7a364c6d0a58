#pragma once

#include <QElapsedTimer>
#include <QString>
#include <memory>

class CProgressWnd;
class QWidget;

// Keeps the program answering during a long import: told how far the file
// has been read, it lets the window system and the hand-over socket be
// served every few hundredths of a second (user input waits until the
// import ends), and once the import has taken a moment it shows the
// please-wait window with the share read.
class CImportProgress
{
public:
    CImportProgress(QWidget *parent, const QString &path);
    ~CImportProgress();
    CImportProgress(const CImportProgress &) = delete;
    CImportProgress &operator=(const CImportProgress &) = delete;

    void Report(qint64 done, qint64 total);
    bool WindowShown() const { return m_window != nullptr; }

    static constexpr qint64 kServeEveryMs = 40;
    static constexpr qint64 kShowAfterMs = 300;

private:
    QWidget *m_parent = nullptr;
    QString m_path;
    QElapsedTimer m_clock;
    qint64 m_lastServed = 0;
    std::unique_ptr<CProgressWnd> m_window;
};
