#include "dialogs/CLibraryEditorIcons.h"

#include "dialogs/CSkinBitmap.h"
#include "graphics/BitmapResource.h"
#include "graphics/CDisplayState.h"
#include "model/CIconNameMap.h"
#include "model/CIconTable.h"

#include <QImage>

#include "media/CIconLibrary.h"

namespace {

// The colours, transparent where the mask is white.
QPixmap Masked(QImage colour, const QImage &mask)
{
    if (colour.isNull())
        return QPixmap();
    const qreal ratio = colour.devicePixelRatio();
    colour = colour.convertToFormat(QImage::Format_ARGB32);
    if (mask.size() == colour.size()) {
        for (int y = 0; y < colour.height(); ++y) {
            for (int x = 0; x < colour.width(); ++x) {
                if (qGray(mask.pixel(x, y)) >= 128)
                    colour.setPixel(x, y, qRgba(0, 0, 0, 0));
            }
        }
    }
    colour.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(colour);
}

} // namespace

QPixmap CLibraryEditorIcons::BuiltinPicture(int number, int set, bool sharp)
{
    if (!CIconTable::IsBuiltin(number))
        return QPixmap();
    const CIconTableRow &row = CIconTable::Row(number);
    const int colour = set == 1 ? row.m_res16 : row.m_res32;
    const int mask = set == 1 ? row.m_mask16 : row.m_mask32;
    if (!sharp)
        return Masked(QImage(CSkinBitmap::ResourcePath(colour)), QImage(CSkinBitmap::ResourcePath(mask)));
    if (CDisplayState::Instance().ActivePalette())
        return QPixmap();
    const QSize size = set == 1 ? QSize(16, 16) : QSize(32, 32);
    const QImage sharpMask = LoadSharpImage(mask, size);
    return sharpMask.isNull() ? QPixmap() : Masked(LoadSharpImage(colour, size), sharpMask);
}

int CLibraryEditorIcons::BuiltinCount() { return CIconTable::kBuiltinCount; }

QString CLibraryEditorIcons::BuiltinName(int number) { return CIconTable::Name(number); }

int CLibraryEditorIcons::BuiltinLookup(const QString &name)
{
    const int number = CIconNameMap::Instance().Find(name);
    if (number >= 0 && number < CIconTable::kBuiltinCount)
        return number;
    for (int i = 0; i < CIconTable::kBuiltinCount; ++i) {
        if (CIconTable::Name(i) == name)
            return i;
    }
    return 0;
}

bool CLibraryEditorIcons::BuiltinHolds(const QString &name)
{
    return !name.isEmpty() && (name == CIconTable::Name(0) || BuiltinLookup(name) != 0);
}

QPixmap CLibraryEditorIcons::BuiltinPictureCached(int number, int set, bool sharp) const
{
    const int key = number * 4 + (set == 1 ? 1 : 0) + (sharp ? 2 : 0);
    auto it = m_cache.find(key);
    if (it == m_cache.end())
        it = m_cache.insert(key, BuiltinPicture(number, set, sharp));
    return *it;
}


int CLibraryEditorIcons::Count() const
{
    if (!m_library)
        return BuiltinCount();
    m_library->Load();
    return m_library->GetCount();
}

QString CLibraryEditorIcons::Name(int number) const
{
    if (!m_library)
        return BuiltinName(number);
    m_library->Load();
    return m_library->GetName(number);
}

int CLibraryEditorIcons::Lookup(const QString &name) const
{
    if (!m_library)
        return BuiltinLookup(name);
    m_library->Load();
    return m_library->Lookup(name);
}

bool CLibraryEditorIcons::Holds(const QString &name) const
{
    if (!m_library)
        return BuiltinHolds(name);
    m_library->Load();
    const int number = CIconNameMap::Instance().Find(name);
    return number >= 0 && number < m_library->GetCount() && m_library->GetName(number) == name;
}

void CLibraryEditorIcons::ImportIcons()
{
    if (!m_library)
        return;
    // Loading imports the folder's icons as well.
    if (!m_library->IsLoaded())
        m_library->Load();
    else
        m_library->ImportIcons();
}

int CLibraryEditorIcons::Generation() const { return m_library ? m_library->GetGeneration() : 1; }

QPixmap CLibraryEditorIcons::Picture(int number, int set) const
{
    if (!m_library)
        return BuiltinPictureCached(number, set, false);
    const QImage image = m_library->Image(number, set == 1 ? 1 : 0);
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

QPixmap CLibraryEditorIcons::SharpPicture(int number, int set) const
{
    if (!m_library)
        return BuiltinPictureCached(number, set, true);
    const QImage image = m_library->TwiceImage(number, set == 1 ? 1 : 0);
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}


