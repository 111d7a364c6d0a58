#pragma once

#include "dialogs/CBitmapSet.h"

#include <QListWidget>

class QFontMetrics;

// A list painted over a picture: the plain picture behind every line and
// the empty space, the selected picture behind the selected line, and the
// texts in white with a black shadow, shortened with an ellipsis to fit.
// Each line carries a number (the reminder's index) as its data.
class CSkinListBox : public QListWidget
{
    Q_OBJECT

public:
    static constexpr int kIndexRole = Qt::UserRole;

    explicit CSkinListBox(QWidget *parent = nullptr);

    // Pictures 0 (selected) and 1 (plain) of the set are used; not owned.
    void SetBitmaps(CBitmapSet *set) { m_bitmaps = set; viewport()->update(); }
    CBitmapSet *Bitmaps() const { return m_bitmaps; }

    void AddLine(const QString &text, int data);
    int LineData(int row) const;

    // The text as a line of width itemWidth shows it: whole when it fits in
    // itemWidth - 20, else cut at a character boundary with an ellipsis.
    static QString ShortenText(const QString &text, const QFontMetrics &metrics, int itemWidth);

signals:
    void hovered(QWidget *self);
    // The user made row current with the mouse or the keyboard. Focus,
    // rebuilds and programmatic changes do not count.
    void linePicked(int row);

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    friend class CSkinListDelegate;
    void DrawBackground(QPainter &painter, int which, const QRect &rect);

    CBitmapSet *m_bitmaps = nullptr;
};
