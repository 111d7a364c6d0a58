#include "Output.h"

#include "BmpFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <utility>
#include <QSaveFile>

namespace art {

bool writeFile(const QString &root, const QString &relative, const QByteArray &data, QString *error)
{
    const QString path = QDir(root).filePath(relative);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *error = QStringLiteral("cannot make the folder of %1").arg(path);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool writeBitmaps(const ArtworkSet &set, const ArtworkSet &sharp, const QString &root, QString *error)
{
    QStringList written;
    for (const auto &[bitmaps, suffix] : {std::pair{&set, ""}, std::pair{&sharp, "@2x"}}) {
        const QList<int> ids = bitmaps->ids();
        for (int id : ids) {
            const Bitmap &b = bitmaps->at(id);
            QByteArray data;
            switch (b.kind) {
            case Bitmap::Kind::Colour: data = encodeBmp24(b.image); break;
            case Bitmap::Kind::Mask: data = encodeBmp1(b.image); break;
            case Bitmap::Kind::Palette: data = encodeBmp8(b.image, b.table); break;
            }
            const QString name = QStringLiteral("%1%2.bmp").arg(id).arg(QLatin1String(suffix));
            if (!writeFile(root, QStringLiteral("resources/bitmaps/") + name, data, error))
                return false;
            written << name;
        }
    }
    QDir dir(QDir(root).filePath(QStringLiteral("resources/bitmaps")));
    const QStringList present = dir.entryList({QStringLiteral("*.bmp")}, QDir::Files);
    for (const QString &name : present)
        if (!written.contains(name))
            dir.remove(name);
    return true;
}

} // namespace art
