#include "media/CIconLibrary.h"

#include "graphics/BitmapResource.h"
#include "graphics/CDisplayState.h"
#include "graphics/CProgressSink.h"
#include "graphics/ColorConversion.h"
#include "graphics/ImageEffects.h"
#include "media/CIconFile.h"
#include "model/CIconFolderScan.h"
#include "model/CIconNameMap.h"
#include "model/CIconTable.h"
#include "model/CTrace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <algorithm>
#include <iterator>

namespace {

bool s_importRunning = false;

// More icon files than this (fewer on a palette display, where each one is
// also fitted to the palette) are imported behind the please-wait window.
constexpr int kQuietImports = 15;
constexpr int kQuietImportsWithPalette = 10;

// A mask as the library keeps it: black where opaque, white elsewhere.
QImage normalisedMask(const QImage &mask)
{
    QImage out(mask.size(), QImage::Format_RGB32);
    for (int y = 0; y < mask.height(); ++y) {
        auto *d = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < mask.width(); ++x)
            d[x] = qGray(mask.pixel(x, y)) >= 128 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    }
    return out;
}

QImage resourceMask(int id)
{
    const QByteArray packed = LoadDIBFromResource(id);
    if (packed.isEmpty())
        return {};
    const QImage mask = DecodePackedDib(packed);
    return mask.isNull() ? QImage() : normalisedMask(mask);
}

QImage resourceColour(int id)
{
    QPixmap pixmap;
    if (!LoadDIB(id, &pixmap, CDisplayState::Instance().ActivePalette()))
        return {};
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

CIconLibrary::CIconLibrary(const QString &iconsFolder) : m_iconsFolder(iconsFolder) {}

CIconLibrary::~CIconLibrary() = default;

void CIconLibrary::SetWindowEnabler(std::function<bool()> isEnabled, std::function<void(bool)> setEnabled)
{
    m_windowEnabled = std::move(isEnabled);
    m_setWindowEnabled = std::move(setEnabled);
}

bool CIconLibrary::IsImportRunning() { return s_importRunning; }

void CIconLibrary::Load()
{
    if (m_loaded)
        return;
    Clear();
    CIconNameMap &names = CIconNameMap::Instance();
    names.RemoveAll();
    m_images[0].Create(QSize(32, 32), kInitialImages, kGrowBy);
    m_images[1].Create(QSize(16, 16), kInitialImages, kGrowBy);
    m_sharp[0].Create(QSize(32, 32), kInitialImages, kGrowBy, 2.0);
    m_sharp[1].Create(QSize(16, 16), kInitialImages, kGrowBy, 2.0);
    // The 2x pictures are kept on every true-colour display (a window may
    // move to a screen above 100 % at any time) and drawn where the device
    // asks for them; palette displays draw the pictures as they are.
    m_sharpWanted = CDisplayState::Instance().ActivePalette() == nullptr;
    m_loaded = true;
    for (int row = 0; row < CIconTable::kBuiltinCount; ++row) {
        const CIconTableRow &r = CIconTable::Row(row);
        const int n = AddIconFromResource(r.m_res32, r.m_res16, r.m_mask32, r.m_mask16);
        if (n < 0) {
            Trace("AddIconFromResource failed.\n");
            continue;
        }
        const QString name = CIconTable::Name(row);
        names.Register(name, n);
        m_icons[size_t(n)]->m_name = name;
    }
    ImportIcons();
    m_loaded = true;
}

int CIconLibrary::Append(std::unique_ptr<CReminderIcon> icon)
{
    m_icons.push_back(std::move(icon));
    return int(m_icons.size()) - 1;
}

void CIconLibrary::AddToImageLists(CReminderIcon &icon, const QImage &colour32, const QImage &colour16)
{
    icon.m_imageIndex[0] = m_images[0].Add(colour32, icon.m_mask32);
    if (icon.m_imageIndex[0] < 0) {
        Trace("CImageList::Add failed!\n");
        return;
    }
    icon.m_imageIndex[1] = m_images[1].Add(colour16, icon.m_mask16);
    if (icon.m_imageIndex[1] < 0)
        Trace("CImageList::Add failed!\n");
}

int CIconLibrary::AddIconFromResource(int colour32, int colour16, int mask32, int mask16)
{
    auto icon = std::make_unique<CReminderIcon>();
    const QImage big = resourceColour(colour32);
    const QImage small = resourceColour(colour16);
    icon->m_mask32 = resourceMask(mask32);
    icon->m_mask16 = resourceMask(mask16);
    if (big.isNull() || small.isNull() || icon->m_mask32.isNull() || icon->m_mask16.isNull())
        return -1;
    AddToImageLists(*icon, big, small);
    if (m_sharpWanted) {
        // Most screens are at 100 %: the 2x pictures wait until a screen
        // above it draws the icon.
        const int sources[4] = {colour32, colour16, mask32, mask16};
        std::copy(std::begin(sources), std::end(sources), std::begin(icon->m_sharpPending));
    }
    return Append(std::move(icon));
}

void CIconLibrary::LoadPendingSharp(CReminderIcon &icon)
{
    if (icon.m_sharpPending[0] < 0)
        return;
    const int *source = icon.m_sharpPending;
    const QImage colour[2] = {LoadSharpImage(source[0], QSize(32, 32)), LoadSharpImage(source[1], QSize(16, 16))};
    const QImage sharpMask[2] = {LoadSharpImage(source[2], QSize(32, 32)), LoadSharpImage(source[3], QSize(16, 16))};
    std::fill(std::begin(icon.m_sharpPending), std::end(icon.m_sharpPending), -1);
    if (!sharpMask[0].isNull() && !sharpMask[1].isNull())
        AddSharp(icon, colour, {normalisedMask(sharpMask[0]), normalisedMask(sharpMask[1])});
}

void CIconLibrary::AddSharp(CReminderIcon &icon, const QImage (&colour)[2], const QImage (&mask)[2])
{
    for (int set = 0; set < 2; ++set) {
        icon.m_sharpIndex[set] = m_sharp[set].Add(colour[set], mask[set]);
        if (icon.m_sharpIndex[set] >= 0)
            icon.m_sharpMask[set] = mask[set];
    }
}

void CIconLibrary::AddSharpFromFile(CReminderIcon &icon, const CIconResource &file)
{
    // The file's largest picture, when it is larger than the 32 x 32 one,
    // scaled smoothly to both 2x sizes.
    const int largest = ChooseLargestImage(file);
    CIconPicture picture;
    if (largest < 0 || file.m_images[size_t(largest)].m_width <= 32
        || !DecodeIconImage(file.m_images[size_t(largest)], &picture))
        return;
    const QImage source = picture.m_colour.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage colour[2], mask[2];
    for (int set = 0; set < 2; ++set) {
        const int size = set == 0 ? 64 : 32;
        colour[set] = source.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                          .convertToFormat(QImage::Format_ARGB32);
        mask[set] = QImage(size, size, QImage::Format_RGB32);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                mask[set].setPixel(x, y, qAlpha(colour[set].pixel(x, y)) >= 128 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    }
    AddSharp(icon, colour, mask);
}

int CIconLibrary::AddIconFromICOFile(const QString &path)
{
    const std::unique_ptr<CIconResource> file = ReadIconFromICOFile(path);
    if (!file) {
        Trace("ReadIconFromICOFile failed.\n");
        return -1;
    }
    auto icon = std::make_unique<CReminderIcon>();
    const int chosen = ChooseIconImage(*file);
    if (chosen < 0) {
        Trace("At least one 32x32 image must be present in ICO file.\n");
        return -1;
    }
    CIconPicture picture;
    if (!DecodeIconImage(file->m_images[size_t(chosen)], &picture)) {
        Trace("ConvertDIBToBitmap failed!\n");
        return -1;
    }
    const QImage colour32 = FitToPalette(picture.m_colour, CDisplayState::Instance().ActivePalette());
    if (colour32.isNull()) {
        Trace("ConvertDIBToBitmap failed!\n");
        return -1;
    }
    icon->m_mask32 = picture.m_mask;
    // The small image drops every second pixel of the large one.
    const QImage colour16 = HalveImage(colour32);
    icon->m_mask16 = HalveImage(icon->m_mask32);
    if (colour16.isNull() || icon->m_mask16.isNull()) {
        Trace("StretchBlt failed!\n");
        return -1;
    }
    AddToImageLists(*icon, colour32, colour16);
    if (m_sharpWanted)
        AddSharpFromFile(*icon, *file);
    return Append(std::move(icon));
}

void CIconLibrary::ImportIcons()
{
    if (s_importRunning)
        return;
    s_importRunning = true;
    const int before = GetCount() - 1;
    const bool disable = m_windowEnabled && m_setWindowEnabled && m_windowEnabled();
    if (disable)
        m_setWindowEnabled(false);

    CIconNameMap &names = CIconNameMap::Instance();
    QStringList found = CIconFolderScan::Scan(m_iconsFolder, names);
    if (found.size() > kMaxImportsPerRun)
        found.resize(kMaxImportsPerRun);

    const bool palette = CDisplayState::Instance().ActivePalette() != nullptr;
    std::unique_ptr<CProgressSink> progress;
    if (found.size() > kQuietImports || (palette && found.size() > kQuietImportsWithPalette)) {
        progress = CProgressSink::Create();
        if (progress) {
            progress->SetText(QCoreApplication::translate("CIconLibrary", "Importing icons..."));
            progress->SetMaxGraphics(int(found.size()));
        }
    }
    QString folder = m_iconsFolder;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    for (const QString &name : found) {
        CDisplayState::PumpMessages();
        if (progress)
            progress->StepGraphics();
        const int n = AddIconFromICOFile(folder + CIconFolderScan::ToFileName(name));
        if (n >= 0) {
            names.Register(name, n);
            m_icons[size_t(n)]->m_name = name;
        } else {
            names.Register(name, CIconNameMap::kFailed);
        }
    }
    if (disable)
        m_setWindowEnabled(true);
    progress.reset();
    if (GetCount() - 1 > before)
        ++m_generation;
    s_importRunning = false;
}

void CIconLibrary::Clear()
{
    m_icons.clear();
    for (CImageList &images : m_images)
        images.RemoveAll();
    for (CImageList &images : m_sharp)
        images.RemoveAll();
    m_loaded = false;
}

int CIconLibrary::Lookup(const QString &name) const { return CIconNameMap::Instance().Lookup(name); }

QString CIconLibrary::GetName(int number) const
{
    if (number < 0 || number >= GetCount() || !m_icons[size_t(number)])
        return {};
    return m_icons[size_t(number)]->m_name;
}

CReminderIcon *CIconLibrary::Entry(int number)
{
    if (!m_loaded)
        Load();
    if (number < 0 || number >= GetCount())
        return nullptr;
    return m_icons[size_t(number)].get();
}

void CIconLibrary::Draw(QPainter &painter, int number, int x, int y, int set)
{
    set = qBound(0, set, 1);
    CReminderIcon *icon = Entry(number);
    if (!icon)
        return;
    const QPaintDevice *device = painter.device();
    if (device && device->devicePixelRatio() > 1.0)
        LoadPendingSharp(*icon);
    if (device && device->devicePixelRatio() > 1.0 && icon->m_sharpIndex[set] >= 0) {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        m_sharp[set].Draw(painter, icon->m_sharpIndex[set], QPoint(x, y));
        painter.restore();
        return;
    }
    m_images[set].Draw(painter, icon->m_imageIndex[set], QPoint(x, y));
}

void CIconLibrary::DrawMask(QPainter &painter, int number, int x, int y, int set)
{
    set = qBound(0, set, 1);
    CReminderIcon *icon = Entry(number);
    if (!icon)
        return;
    const QImage &mask = set == 0 ? icon->m_mask32 : icon->m_mask16;
    if (mask.isNull())
        return;
    const QPainter::CompositionMode old = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(x, y), mask);
    painter.setCompositionMode(old);
}

CDIB *CIconLibrary::GetShadowDIB(int number, int sizeClass)
{
    if (!m_loaded)
        Load();
    if (number < 0 || number > GetCount() - 1)
        return nullptr;
    CReminderIcon *icon = m_icons[size_t(number)].get();
    if (!icon)
        return nullptr;
    if (sizeClass != 0 && sizeClass != 1) {
        Trace("GetShadowDIB: bad sizeIndex!\n");
        return nullptr;
    }
    if (icon->m_shadows[sizeClass])
        return icon->m_shadows[sizeClass].get();

    // The slot is filled first: a mask whose drawing fails part-way is
    // kept and used as it is.
    const int s = kShadowSize[sizeClass];
    icon->m_shadows[sizeClass] = std::make_unique<CDIB>();
    CDIB *shadow = icon->m_shadows[sizeClass].get();
    shadow->SetSize(s, s);
    if (!shadow->Create())
        return shadow;
    QPainter *dc = shadow->GetDC();
    dc->fillRect(QRect(0, 0, s, s), Qt::white);
    DrawMask(*dc, number, 4, 4, sizeClass);
    for (int pass = 0; pass < 4; ++pass)
        SmoothFilter(shadow, shadow->m_bits, 1.0);
    return shadow;
}

CDIB *CIconLibrary::SharpShadow(CReminderIcon &icon, int sizeClass)
{
    LoadPendingSharp(icon);
    if (icon.m_sharpMask[sizeClass].isNull())
        return nullptr;
    if (icon.m_sharpShadows[sizeClass])
        return icon.m_sharpShadows[sizeClass].get();
    // The shadow of the 1x picture at twice the pixels: the silhouette twice
    // as far off and softened as far (four times the passes: a pass spreads
    // it by its square root).
    const int s = 2 * kShadowSize[sizeClass];
    icon.m_sharpShadows[sizeClass] = std::make_unique<CDIB>();
    CDIB *shadow = icon.m_sharpShadows[sizeClass].get();
    shadow->SetSize(s, s);
    if (!shadow->Create())
        return shadow;
    QPainter *dc = shadow->GetDC();
    dc->fillRect(QRect(0, 0, s, s), Qt::white);
    dc->setCompositionMode(QPainter::CompositionMode_Source);
    dc->drawImage(QPoint(8, 8), icon.m_sharpMask[sizeClass]);
    for (int pass = 0; pass < 16; ++pass)
        SmoothFilter(shadow, shadow->m_bits, 1.0);
    return shadow;
}

bool CIconLibrary::DrawShadow(QImage &target, int number, int sizeClass, QPoint at, double amount, QRect clip)
{
    if (target.devicePixelRatio() == 2.0 && (sizeClass == 0 || sizeClass == 1)) {
        CReminderIcon *icon = Entry(number);
        const CDIB *shadow = icon ? SharpShadow(*icon, sizeClass) : nullptr;
        if (shadow && shadow->m_bits) {
            // Worked in the target's own pixels, cut as below.
            const QPoint corner = at * 2;
            int w = shadow->Width();
            int h = shadow->Height();
            if (!clip.isNull()) {
                w = qMin(w, 2 * (clip.x() + clip.width()) - corner.x());
                h = qMin(h, 2 * (clip.y() + clip.height()) - corner.y());
            }
            if (w <= 0 || h <= 0)
                return false;
            target.setDevicePixelRatio(1.0);
            const bool done = CDIB::DarkenBlock(target, corner.x(), corner.y(), w, h, *shadow, amount);
            target.setDevicePixelRatio(2.0);
            return done;
        }
    }
    const CDIB *shadow = GetShadowDIB(number, sizeClass);
    if (!shadow || !shadow->m_bits)
        return false;
    int w = shadow->Width();
    int h = shadow->Height();
    if (!clip.isNull()) {
        if (at.x() + w > clip.x() + clip.width())
            w = clip.x() + clip.width() - at.x();
        if (at.y() + h > clip.y() + clip.height())
            h = clip.y() + clip.height() - at.y();
    }
    if (w <= 0 || h <= 0)
        return false;
    return CDIB::DarkenBlock(target, at.x(), at.y(), w, h, *shadow, amount);
}

QImage CIconLibrary::Image(int number, int set)
{
    set = qBound(0, set, 1);
    CReminderIcon *icon = Entry(number);
    return icon ? m_images[set].Image(icon->m_imageIndex[set]) : QImage();
}

QImage CIconLibrary::SharpImage(int number, int set)
{
    const QImage sharp = ArtworkScale() == 2 ? TwiceImage(number, set) : QImage();
    return sharp.isNull() ? Image(number, set) : sharp;
}

QImage CIconLibrary::TwiceImage(int number, int set)
{
    set = qBound(0, set, 1);
    CReminderIcon *icon = Entry(number);
    if (!icon)
        return {};
    LoadPendingSharp(*icon);
    return icon->m_sharpIndex[set] >= 0 ? m_sharp[set].Image(icon->m_sharpIndex[set]) : QImage();
}

QImage CIconLibrary::LargeImage(int number) { return Image(number, 0); }

QImage CIconLibrary::SmallImage(int number) { return Image(number, 1); }

QImage CIconLibrary::MaskImage(int number, int set)
{
    CReminderIcon *icon = Entry(number);
    if (!icon)
        return {};
    return qBound(0, set, 1) == 0 ? icon->m_mask32 : icon->m_mask16;
}
