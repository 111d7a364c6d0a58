#include "dialogs/CLibraryEditorIcons.h"

#include "dialogs/CSkinBitmap.h"
#include "media/CIconNameMap.h"
#include "media/CIconTable.h"

#include <QImage>


QPixmap CLibraryEditorIcons::BuiltinPicture(int number, int set)
{
    if (!CIconTable::IsBuiltin(number))
        return QPixmap();
    const CIconTableRow &row = CIconTable::Row(number);
    QImage colour(CSkinBitmap::ResourcePath(set == 1 ? row.m_res16 : row.m_res32));
    const QImage mask(CSkinBitmap::ResourcePath(set == 1 ? row.m_mask16 : row.m_mask32));
    if (colour.isNull())
        return QPixmap();
    colour = colour.convertToFormat(QImage::Format_ARGB32);
    // The mask is black where the icon is opaque.
    if (mask.size() == colour.size()) {
        for (int y = 0; y < colour.height(); ++y) {
            for (int x = 0; x < colour.width(); ++x) {
                if (qGray(mask.pixel(x, y)) >= 128)
                    colour.setPixel(x, y, qRgba(0, 0, 0, 0));
            }
        }
    }
    return QPixmap::fromImage(colour);
}


int CLibraryEditorIcons::Count() const { return CIconTable::kBuiltinCount; }

QString CLibraryEditorIcons::Name(int number) const { return CIconTable::Name(number); }

int CLibraryEditorIcons::Lookup(const QString &name) const
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

bool CLibraryEditorIcons::Holds(const QString &name) const
{
    return !name.isEmpty() && (name == CIconTable::Name(0) || Lookup(name) != 0);
}

void CLibraryEditorIcons::ImportIcons() {}

int CLibraryEditorIcons::Generation() const { return 1; }

QPixmap CLibraryEditorIcons::Picture(int number, int set) const
{
    const int key = number * 2 + (set == 1 ? 1 : 0);
    auto it = m_cache.find(key);
    if (it == m_cache.end())
        it = m_cache.insert(key, BuiltinPicture(number, set));
    return *it;
}

