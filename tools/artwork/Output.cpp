#include "Output.h"

#include "BmpFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

bool writeBitmaps(const ArtworkSet &set, const QString &root, QString *error)
{
    const QList<int> ids = set.ids();
    for (int id : ids) {
        const Bitmap &b = set.at(id);
        QByteArray data;
        switch (b.kind) {
        case Bitmap::Kind::Colour: data = encodeBmp24(b.image); break;
        case Bitmap::Kind::Mask: data = encodeBmp1(b.image); break;
        case Bitmap::Kind::Palette: data = encodeBmp8(b.image, b.table); break;
        }
        if (!writeFile(root, QStringLiteral("resources/bitmaps/%1.bmp").arg(id), data, error))
            return false;
    }
    QDir dir(QDir(root).filePath(QStringLiteral("resources/bitmaps")));
    const QStringList present = dir.entryList({QStringLiteral("*.bmp")}, QDir::Files);
    for (const QString &name : present) {
        bool ok = false;
        const int id = QFileInfo(name).completeBaseName().toInt(&ok);
        if (!ok || !set.contains(id))
            dir.remove(name);
    }
    return true;
}

} // namespace art
