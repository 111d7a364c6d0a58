#pragma once

#include <QWidget>

// A small light-yellow window with one line of text, shown beside the
// calendar's icons. It never takes the focus, fits its size to the text,
// stays on the screen and closes itself when the mouse moves over it.
class CTipWnd : public QWidget
{
    Q_OBJECT
public:
    // Shown at once at pos (global), owned by owner.
    CTipWnd(const QString &text, const QPoint &pos, QWidget *owner);

    static QFont TipFont();
    // Text width + 10 by text height + 5.
    static QSize SizeForText(const QString &text);
    // geometry moved left so that it ends at the screen's right edge.
    static QRect FitToScreen(const QRect &geometry, const QRect &screen);

    QString Text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QString m_text;
};
