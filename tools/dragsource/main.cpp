// kestrelmark-dragsource FILE...: a small window named "Drag source" that,
// when pressed, drags the files' URLs with the desktop's drag-and-drop
// protocol and prints "dropped" or "not dropped" when the drag ends. It
// quits a while later: the target fetches the URLs from it after the drop.
#include <QApplication>
#include <QDrag>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>
#include <cstdio>

namespace {

constexpr int kLingerMs = 10000;

class CDragSource : public QLabel
{
public:
    explicit CDragSource(const QList<QUrl> &urls) : m_urls(urls)
    {
        setWindowTitle(QStringLiteral("Drag source"));
        setText(QStringLiteral("Press to drag"));
        setAlignment(Qt::AlignCenter);
        setFixedSize(120, 60);
    }

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        auto *data = new QMimeData;
        data->setUrls(m_urls);
        // On the heap: the platform keeps the drag, and with it the data,
        // for the target to fetch after the drop, and deletes it later.
        auto *drag = new QDrag(this);
        drag->setMimeData(data);
        const Qt::DropAction action = drag->exec(Qt::CopyAction | Qt::LinkAction, Qt::CopyAction);
        std::printf("%s\n", action == Qt::IgnoreAction ? "not dropped" : "dropped");
        std::fflush(stdout);
        QTimer::singleShot(kLingerMs, qApp, &QApplication::quit);
    }

private:
    QList<QUrl> m_urls;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QList<QUrl> urls;
    for (const QString &arg : app.arguments().mid(1))
        urls << QUrl::fromLocalFile(QFileInfo(arg).absoluteFilePath());
    if (urls.isEmpty()) {
        std::fprintf(stderr, "Usage: kestrelmark-dragsource FILE...\n");
        return 1;
    }
    CDragSource source(urls);
    source.move(0, 0);
    source.show();
    return app.exec();
}
