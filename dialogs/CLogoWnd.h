#pragma once

#include "dialogs/CSkinBitmap.h"

#include <QWidget>

class QUrl;

// The logo of the main window: shows its picture, opens the program's web
// page on a double-click and asks for the general menu on a right click.
class CLogoWnd : public QWidget
{
    Q_OBJECT

public:
    static const char *const kWebPage;

    explicit CLogoWnd(QWidget *parent = nullptr);

    void SetBitmap(int resource, int value);
    void Release() { m_picture.Release(); }
    // Loads the picture now, so that painting never has to.
    void Preload() { m_picture.Pixmap(); }
    int Value() const { return m_value; }

    // Opens the web page in the user's browser (the double-click).
    void OpenWebPage();
    // How the page is opened; tests put in their own. Null restores the
    // desktop's browser.
    using Browser = bool (*)(const QUrl &url);
    static void SetBrowser(Browser browser);

signals:
    // Right click at a point of the screen: the main window shows menu 526.
    void contextMenuRequested(const QPoint &global);
    void hovered(QWidget *self);
    void webPageRequested(const QString &url);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    CSkinBitmap m_picture;
    int m_value = 0;
};
