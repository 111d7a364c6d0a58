#pragma once

#include "dialogs/CSkinBitmap.h"

#include <QDialog>

// The about box: a borderless picture, the program's credits, sized to the
// picture and closed by a click anywhere on it.
class CAboutBoxDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kPicture = 538;

    explicit CAboutBoxDlg(QWidget *parent = nullptr);

    // The client size for a picture of size s: one pixel narrower and lower.
    static QSize ClientSizeFor(QSize s) { return QSize(qMax(1, s.width() - 1), qMax(1, s.height() - 1)); }
    bool HasPicture() { return !m_picture.IsStandIn(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    CSkinBitmap m_picture;
};
