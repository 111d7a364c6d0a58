#pragma once

#include "dialogs/CSkinBitmap.h"

#include <QWidget>

// The logo of the main window: shows its picture, asks for the program's
// manual on a double-click and for the window's menu on a right click.
class CLogoWnd : public QWidget
{
    Q_OBJECT

public:
    explicit CLogoWnd(QWidget *parent = nullptr);

    void SetBitmap(int resource, int value);
    void Release() { m_picture.Release(); }
    // Loads the picture now, so that painting never has to.
    void Preload() { m_picture.Pixmap(); }
    int Value() const { return m_value; }

    // The double-click: asks for the manual (the window opens it).
    void OpenManual();

signals:
    // Right click at a point of the screen: the main window shows its menu.
    void contextMenuRequested(const QPoint &global);
    void hovered(QWidget *self);
    void manualRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    CSkinBitmap m_picture;
    int m_value = 0;
};
