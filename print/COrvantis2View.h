#pragma once

#include "dialogs/CIconSource.h"
#include "model/COleDateTime.h"
#include "print/CPrintLayout.h"
#include "storage/CReminderArray.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <functional>
#include <vector>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;
class QPrinter;
class QWidget;

// The print view of the reminder list: holds the entries the print command
// chose and prints them as pages, each with the title picture, the time of
// printing, one block per entry (icon, date in bold, message) and the page
// number. The print steps (begin, prepare a page, print it, end) are public
// so that tests can run them on any paint device.
class COrvantis2View
{
public:
    COrvantis2View();

    CReminderArray m_printReminderArray;

    // Where the pictures come from.
    void SetIconSource(const CIconSource &icons) { m_icons = icons; }
    // The title picture; by default the program's artwork.
    void SetTitlePicture(const QImage &picture) { m_titlePicture = picture; }
    // The clock of the printed-at line (tests fix it).
    void SetClock(std::function<COleDateTime()> clock) { m_clock = std::move(clock); }
    // Offered as the output file when the print dialog opens with no
    // printer to choose.
    void SetDefaultPdfPath(const QString &path) { m_defaultPdfPath = path; }
    QString DefaultPdfPath() const;

    // "Print reminders...": the print dialog, then the pages. The entries
    // stay until the next print command whatever the outcome.
    enum PrintResult { Printed, Cancelled, Failed };
    PrintResult OnFilePrint(QWidget *parent);
    // "Print preview...": the pages in a preview window, printable from
    // there. Returns the pages of the last drawing it made.
    int OnFilePrintPreview(QWidget *parent);

    // The whole print run on printer (no dialog): pages from 1 until the
    // first whose start is past the last entry. Returns the pages printed.
    int PrintDocument(QPrinter &printer);
    // The same on any paged device (a PDF writer in tests).
    int PrintDocument(QPagedPaintDevice &device);

    // The print steps.
    void OnBeginPrinting(QPaintDevice &device);
    // False when page has nothing left to print.
    bool OnPreparePage(int page) const;
    void OnPrint(QPainter &painter, int page);
    void OnEndPrinting();

    // The page starts of the run so far (entry 0 unused, page 1 starts at 0)
    // and what the last drawn page held.
    const std::vector<int> &PageStarts() const { return m_pageStarts; }
    int CurrentStart() const { return m_currentStart; }
    int DrawnCount() const { return m_drawnCount; }
    // The layout of the page just drawn, in twips.
    const CPrintLayout::Page &LastPage() const { return m_lastPage; }

    // The height in twips of an entry's texts (date in bold, message below)
    // on the device given to OnBeginPrinting.
    int MeasureEntry(int entry) const;

    static QString PrintedAtText(const COleDateTime &when);
    static QString PageText(int page);
    // The message as it prints: its own line breaks, whatever their form.
    static QString PrintedMessage(const QString &message);

private:
    void DrawPage(QPainter &painter);
    void DrawTitle(QPainter &painter);
    void DrawEntry(QPainter &painter, const CPrintLayout::Block &block);
    void DrawIcon(QPainter &painter, int number, int top);
    QRect Device(const QRect &twips) const;
    QRect TextRect(int top, int height) const;

    CIconSource m_icons;
    QImage m_titlePicture;
    std::function<COleDateTime()> m_clock;
    QString m_defaultPdfPath;

    QFont m_normalFont;
    QFont m_boldFont;
    bool m_fontsMade = false;
    std::vector<int> m_pageStarts;
    int m_currentStart = 0;
    int m_drawnCount = 0;
    CPrintLayout::Page m_lastPage;
    COleDateTime m_printedAt;
    int m_dpiX = CPrintLayout::kTwipsPerInch;
    int m_dpiY = CPrintLayout::kTwipsPerInch;
    QPaintDevice *m_device = nullptr;
};
