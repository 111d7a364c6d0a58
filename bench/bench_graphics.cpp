// Speed of the picture work at start-up and while painting: the shadow
// masks of all built-in icons, the 256-colour conversion of the largest
// picture, a full load of the icon library, and the pieces under them.
// Run by hand: build-*/bench/bench_graphics (needs the artwork compiled in).
#include "graphics/BitmapResource.h"
#include "graphics/CColorMatcher.h"
#include "graphics/CDIB.h"
#include "graphics/CDisplayState.h"
#include "graphics/CKdib.h"
#include "graphics/ColorConversion.h"
#include "graphics/ImageEffects.h"
#include "media/CIconLibrary.h"
#include "model/CIconNameMap.h"
#include "graphics/CMessageBox.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kBackground = 179; // 614 x 408, the largest picture

QString emptyIconsFolder()
{
    static QTemporaryDir home;
    return home.path() + QStringLiteral("/icons");
}

void BM_ShadowMasksOfAllIcons(benchmark::State &state)
{
    CIconLibrary library(emptyIconsFolder());
    for (auto _ : state) {
        state.PauseTiming();
        library.Clear();
        library.Load();
        state.ResumeTiming();
        for (int n = 0; n < library.GetCount(); ++n)
            for (int c : {0, 1})
                benchmark::DoNotOptimize(library.GetShadowDIB(n, c));
    }
    state.counters["masks"] = 2.0 * library.GetCount();
}
BENCHMARK(BM_ShadowMasksOfAllIcons)->Unit(benchmark::kMillisecond);

void BM_SmoothFilterOneMask(benchmark::State &state)
{
    CDIB dib;
    dib.SetSize(40, 40);
    dib.Create();
    dib.GetDC()->fillRect(QRect(0, 0, 40, 40), Qt::white);
    for (auto _ : state)
        SmoothFilter(&dib, dib.m_bits, 1.0);
}
BENCHMARK(BM_SmoothFilterOneMask)->Unit(benchmark::kMicrosecond);

void BM_ConvertTo8BitOfTheBackground(benchmark::State &state)
{
    const QByteArray picture = LoadDIBFromResource(kBackground);
    const CPalette palette = CPalette::BuildProgramPalette();
    if (picture.isEmpty() || palette.IsNull()) {
        state.SkipWithError("no artwork");
        return;
    }
    CColorMatcher::Instance().Build(palette.Entries()); // built once per run in the program
    for (auto _ : state)
        benchmark::DoNotOptimize(ConvertTo8Bit(picture, palette));
    state.counters["pixels"] = 614.0 * 408.0;
}
BENCHMARK(BM_ConvertTo8BitOfTheBackground)->Unit(benchmark::kMillisecond);

void BM_ReadCachedBackground(benchmark::State &state)
{
    const QByteArray picture = LoadDIBFromResource(kBackground);
    const CPalette palette = CPalette::BuildProgramPalette();
    if (picture.isEmpty() || palette.IsNull()) {
        state.SkipWithError("no artwork");
        return;
    }
    CKdib reduced;
    reduced.Attach(ConvertTo8Bit(picture, palette));
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    reduced.Write(file);
    const QByteArray bytes = file.data();
    for (auto _ : state) {
        QBuffer in;
        in.setData(bytes);
        in.open(QIODevice::ReadOnly);
        CKdib k;
        k.Read(in);
        benchmark::DoNotOptimize(k.CreateDeviceBitmap());
    }
}
BENCHMARK(BM_ReadCachedBackground)->Unit(benchmark::kMillisecond);

void BM_FullLoadOfTheLibrary(benchmark::State &state)
{
    CIconLibrary library(emptyIconsFolder());
    for (auto _ : state) {
        library.Clear();
        library.Load();
        benchmark::DoNotOptimize(library.GetCount());
    }
    state.counters["icons"] = library.GetCount();
}
BENCHMARK(BM_FullLoadOfTheLibrary)->Unit(benchmark::kMillisecond);

void BM_DrawIconWithShadow(benchmark::State &state)
{
    CIconLibrary library(emptyIconsFolder());
    library.Load();
    QImage cell(53, 49, QImage::Format_RGB32);
    cell.fill(qRgb(252, 248, 237));
    int n = 0;
    for (auto _ : state) {
        library.DrawShadow(cell, n, 0, QPoint(6, 4), 0.5, cell.rect());
        QPainter p(&cell);
        library.Draw(p, n, 6, 4, 0);
        n = (n + 1) % library.GetCount();
    }
}
BENCHMARK(BM_DrawIconWithShadow)->Unit(benchmark::kMicrosecond);

class QuietSink : public CMessageSink
{
public:
    Answer Show(const QString &, Buttons, Icon) override { return IdOk; }
};

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QuietSink sink;
    CMessageBox::SetSink(&sink);
    CDisplayState::Instance().SetScreenDepth(24);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
