#include "print/COrvantis2View.h"

#include "model/CTrace.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFontMetrics>
#include <QGraphicsView>
#include <QLineEdit>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

namespace {

// The preview's tool bar buttons take no focus of their own: each is made
// a stop of the Tab round, the most used get keys, told by their tips, and
// the fields without a label get names.
void ReachToolBarByKeys(QWidget &preview)
{
    const struct
    {
        const char *m_Text;
        QKeySequence m_Keys;
    } keys[] = {
        { "Print", QKeySequence(Qt::CTRL | Qt::Key_P) },
        { "Page setup", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S) },
        { "Zoom in", QKeySequence(Qt::CTRL | Qt::Key_Plus) },
        { "Zoom out", QKeySequence(Qt::CTRL | Qt::Key_Minus) },
    };
    for (QToolBar *bar : preview.findChildren<QToolBar *>()) {
        for (QAction *action : bar->actions()) {
            for (const auto &key : keys) {
                // Qt names these in its own catalogue.
                if (action->text() == QCoreApplication::translate("QPrintPreviewDialog", key.m_Text)
                    && action->shortcut().isEmpty()) {
                    action->setShortcut(key.m_Keys);
                    action->setToolTip(QStringLiteral("%1 (%2)").arg(action->text(), key.m_Keys.toString(QKeySequence::NativeText)));
                }
            }
        }
        for (QToolButton *button : bar->findChildren<QToolButton *>()) {
            button->setFocusPolicy(Qt::TabFocus);
            // The button for what does not fit has no text of its own.
            if (button->text().isEmpty())
                button->setAccessibleName(QCoreApplication::translate("COrvantis2View", "More tools"));
        }
        for (QLineEdit *edit : bar->findChildren<QLineEdit *>())
            edit->setAccessibleName(qobject_cast<QComboBox *>(edit->parentWidget()) ? QCoreApplication::translate("COrvantis2View", "Zoom factor")
                                                                                      : QCoreApplication::translate("COrvantis2View", "Current page"));
        // Wide enough that every button shows rather than under "More tools".
        preview.resize(qMax(preview.width(), bar->sizeHint().width() + 24), preview.height());
    }
    for (QGraphicsView *pages : preview.findChildren<QGraphicsView *>()) {
        pages->setAccessibleName(QCoreApplication::translate("COrvantis2View", "Pages"));
        pages->viewport()->setAccessibleName(pages->accessibleName());
    }
}

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs;

QFont makeFont(int weight)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif, QFont::PreferOutline);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

} // namespace

COrvantis2View::COrvantis2View()
    : m_titlePicture(QStringLiteral(":/bitmaps/150.bmp")), m_clock(&COleDateTime::GetCurrentTime)
{
}

QString COrvantis2View::PrintedAtText(const COleDateTime &when)
{
    //: The head of every printed page; %1 is the date and time of printing.
    return QCoreApplication::translate("COrvantis2View", "Reminder list printed %1").arg(when.Format());
}

QString COrvantis2View::PageText(int page) { return QCoreApplication::translate("COrvantis2View", "Page %1").arg(page); }

QString COrvantis2View::PrintedMessage(const QString &message)
{
    QString text = message;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString COrvantis2View::DefaultPdfPath() const
{
    if (!m_defaultPdfPath.isEmpty())
        return m_defaultPdfPath;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    //: The file name offered when the list is printed to a PDF file.
    return QDir(folder).filePath(QCoreApplication::translate("COrvantis2View", "Reminders.pdf"));
}

// --- the print steps ---------------------------------------------------------

void COrvantis2View::OnBeginPrinting(QPaintDevice &device)
{
    Trace("OnBeginPrinting()\n");
    m_device = &device;
    m_dpiX = std::max(1, device.logicalDpiX());
    m_dpiY = std::max(1, device.logicalDpiY());
    m_normalFont = makeFont(400);
    m_boldFont = makeFont(700);
    const int pixels = std::max(1, CPrintLayout::ToDevice(CPrintLayout::kFontHeight, m_dpiY));
    m_normalFont.setPixelSize(pixels);
    m_boldFont.setPixelSize(pixels);
    m_fontsMade = true;
    m_pageStarts.assign(2, 0);
    m_currentStart = 0;
    m_drawnCount = 0;
    m_lastPage = {};
    // One time for the whole run: every page says when the list was printed.
    m_printedAt = m_clock ? m_clock() : COleDateTime::GetCurrentTime();
}

bool COrvantis2View::OnPreparePage(int page) const
{
    if (page < 1 || page >= static_cast<int>(m_pageStarts.size()))
        return false;
    return m_pageStarts[static_cast<size_t>(page)] < static_cast<int>(m_printReminderArray.size());
}

void COrvantis2View::OnPrint(QPainter &painter, int page)
{
    painter.save();
    painter.setFont(m_normalFont);
    painter.setPen(Qt::black);
    const QFontMetrics fm(m_normalFont, m_device);
    const auto textAt = [&](int left, int top, const QString &text) {
        const QRect r = Device(QRect(left, top, CPrintLayout::kTextRight - left, 0));
        painter.drawText(QPoint(r.left(), r.top() + fm.ascent()), text);
    };
    textAt(CPrintLayout::kPageNumberLeft, CPrintLayout::kPageNumberTop, PageText(page));
    textAt(CPrintLayout::kPrintedAtLeft, CPrintLayout::kPrintedAtTop, PrintedAtText(m_printedAt));
    painter.restore();

    m_currentStart = m_pageStarts[static_cast<size_t>(page)];
    DrawPage(painter);
    const size_t next = static_cast<size_t>(page) + 1;
    if (m_pageStarts.size() <= next)
        m_pageStarts.resize(next + 1, 0);
    m_pageStarts[next] = m_currentStart + m_drawnCount;
}

void COrvantis2View::OnEndPrinting()
{
    m_fontsMade = false;
    m_device = nullptr;
}

// --- drawing -------------------------------------------------------------------

QRect COrvantis2View::Device(const QRect &twips) const { return CPrintLayout::ToDevice(twips, m_dpiX, m_dpiY); }

QRect COrvantis2View::TextRect(int top, int height) const
{
    return Device(QRect(CPrintLayout::kTextLeft, top, CPrintLayout::kTextRight - CPrintLayout::kTextLeft, height));
}

int COrvantis2View::MeasureEntry(int entry) const
{
    if (entry < 0 || entry >= static_cast<int>(m_printReminderArray.size()) || !m_fontsMade)
        return 0;
    const CReminder &r = m_printReminderArray[static_cast<size_t>(entry)];
    const QRect area = TextRect(0, CPrintLayout::kEntryAreaBottom);
    const QRect date = QFontMetrics(m_boldFont, m_device).boundingRect(area, kTextFlags, r.m_DateTime.Format());
    const QString message = PrintedMessage(r.m_Message);
    const int messageHeight =
        message.isEmpty() ? 0 : QFontMetrics(m_normalFont, m_device).boundingRect(area, kTextFlags, message).height();
    return CPrintLayout::FromDevice(date.height() + messageHeight, m_dpiY);
}

void COrvantis2View::DrawTitle(QPainter &painter)
{
    if (m_titlePicture.isNull()) {
        Trace("COrvantis2View: no title picture.\n");
        return;
    }
    const QRect target = Device(QRect(CPrintLayout::kTitleLeft, CPrintLayout::kTitleTop,
                                      m_titlePicture.width() * CPrintLayout::kTitleTwipsPerPixel,
                                      m_titlePicture.height() * CPrintLayout::kTitleTwipsPerPixel));
    painter.drawImage(target, m_titlePicture);
}

void COrvantis2View::DrawPage(QPainter &painter)
{
    DrawTitle(painter);
    const CPrintLayout::Page page = CPrintLayout::LayoutPage(
        m_currentStart, static_cast<int>(m_printReminderArray.size()), [this](int i) { return MeasureEntry(i); });
    for (const CPrintLayout::Block &block : page.m_blocks)
        DrawEntry(painter, block);
    m_drawnCount = page.DrawnCount();
    m_lastPage = page;
}

void COrvantis2View::DrawEntry(QPainter &painter, const CPrintLayout::Block &block)
{
    const CReminder &r = m_printReminderArray[static_cast<size_t>(block.m_entry)];
    painter.save();
    if (block.m_cut)
        painter.setClipRect(Device(QRect(0, block.m_top, CPrintLayout::kTextRight, block.m_height)));
    painter.setPen(Qt::black);

    const QRect area = TextRect(block.m_top, CPrintLayout::kEntryAreaBottom);
    painter.setFont(m_boldFont);
    QRect drawn;
    painter.drawText(area, kTextFlags, r.m_DateTime.Format(), &drawn);
    const QString message = PrintedMessage(r.m_Message);
    if (!message.isEmpty()) {
        painter.setFont(m_normalFont);
        painter.drawText(area.adjusted(0, drawn.height(), 0, 0), kTextFlags, message);
    }
    painter.restore();
    DrawIcon(painter, r.m_IconNumber, block.m_top);
}

void COrvantis2View::DrawIcon(QPainter &painter, int number, int top)
{
    const QImage icon = m_icons.Large(number);
    if (icon.isNull())
        return; // no such icon: the space stays empty
    // The icon on white at its own size, then stretched square by square,
    // as a 32 x 32 picture enlarged on paper.
    QImage picture(CPrintLayout::kIconPixels, CPrintLayout::kIconPixels, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter p(&picture);
        p.drawImage(QRect(0, 0, CPrintLayout::kIconPixels, CPrintLayout::kIconPixels), icon);
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(Device(QRect(CPrintLayout::kIconLeft, top, CPrintLayout::kIconSize, CPrintLayout::kIconSize)),
                      picture);
    painter.restore();
}

// --- the print run ---------------------------------------------------------------

int COrvantis2View::PrintDocument(QPagedPaintDevice &device)
{
    QPainter painter;
    if (!painter.begin(&device)) {
        Trace("COrvantis2View: cannot start printing.\n");
        return 0;
    }
    OnBeginPrinting(device);
    int printed = 0;
    for (int page = 1; OnPreparePage(page); ++page) {
        if (page > 1 && !device.newPage())
            break;
        OnPrint(painter, page);
        ++printed;
        if (m_drawnCount == 0)
            break; // nothing could be placed: stop rather than loop
    }
    painter.end();
    OnEndPrinting();
    return printed;
}

int COrvantis2View::PrintDocument(QPrinter &printer) { return PrintDocument(static_cast<QPagedPaintDevice &>(printer)); }

COrvantis2View::PrintResult COrvantis2View::OnFilePrint(QWidget *parent)
{
    Trace("OnFilePrint()\n");
    QPrinter printer(QPrinter::HighResolution);
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        printer.setOutputFileName(DefaultPdfPath());
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("printDialog"));
    dialog.setWindowTitle(QCoreApplication::translate("COrvantis2View", "Print reminders"));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted)
        return Cancelled;
    const bool printed = PrintDocument(printer) > 0 && printer.printerState() != QPrinter::Error;
    return printed ? Printed : Failed;
}

int COrvantis2View::OnFilePrintPreview(QWidget *parent)
{
    Trace("OnFilePrintPreview()\n");
    QPrinter printer(QPrinter::HighResolution);
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        printer.setOutputFileName(DefaultPdfPath());
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("printPreview"));
    preview.setWindowTitle(QCoreApplication::translate("COrvantis2View", "Print preview"));
    ReachToolBarByKeys(preview);
    int pages = 0;
    // Drawn again whenever the page set-up changes.
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [this, &pages](QPrinter *p) { pages = PrintDocument(*p); });
    preview.exec();
    return pages;
}
