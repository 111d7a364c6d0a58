// kestrelmark-artwork: draws the program's pictures, icons and click sounds and
// writes them into the source tree (or into --out DIR). Run it with
// QT_QPA_PLATFORM=offscreen; the result is the same on every run.
#include "ArtworkSet.h"
#include "ContactSheet.h"
#include "Fonts.h"
#include "IconSet.h"
#include "MockWindow.h"
#include "Notice.h"
#include "Output.h"
#include "ProgramIcon.h"
#include "Sounds.h"
#include "WindowSet.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>

namespace {

QByteArray png(const QImage &image)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return data;
}

bool writeEverything(const QString &root, QString *error)
{
    art::ArtworkSet set, sharp;
    art::makeIcons(set, 1);
    art::makeWindowArt(set, 1);
    art::makeIcons(sharp, 2);
    art::makeWindowArt(sharp, 2);
    if (!art::writeBitmaps(set, sharp, root, error))
        return false;

    const QList<QImage> icons = art::makeProgramIcons();
    for (const QImage &icon : icons) {
        const QString name = QStringLiteral("resources/icons/kestrelmark-%1.png").arg(icon.width());
        if (!art::writeFile(root, name, png(icon), error))
            return false;
    }
    for (const QImage &icon : art::makeProgramIcons(2)) {
        const QString name = QStringLiteral("resources/icons/kestrelmark-%1@2x.png").arg(icon.width() / 2);
        if (!art::writeFile(root, name, png(icon), error))
            return false;
    }
    QByteArray notice;
    return art::writeFile(root, QStringLiteral("resources/sounds/IDR_WAVE_CLICK.wav"), art::clickSound(), error)
           && art::writeFile(root, QStringLiteral("resources/sounds/IDR_WAVE_CLICK2.wav"), art::interfaceClick(), error)
           && art::makeNotice(&notice, error)
           && art::writeFile(root, QStringLiteral("resources/NOTICE"), notice, error)
           && art::writeFile(root, QStringLiteral("tools/artwork/contact-sheet.png"),
                             png(art::makeContactSheet(set, icons)), error)
           && art::writeFile(root, QStringLiteral("tools/artwork/mock-main.png"), png(art::makeMainWindowMock(set)), error);
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the artwork of Kestrelmark."));
    parser.addHelpOption();
    const QCommandLineOption outOption(QStringLiteral("out"),
                                       QStringLiteral("Root folder to write into (default: the source tree)."),
                                       QStringLiteral("dir"), QStringLiteral(KM_SOURCE_DIR));
    parser.addOption(outOption);
    parser.process(app);

    QString error;
    if (!art::Fonts::load(&error) || !writeEverything(parser.value(outOption), &error)) {
        std::fprintf(stderr, "kestrelmark-artwork: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
