#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>

// The up and down arrows beside the month and year displays: a position
// within a range, stepped by a click on an arrow (held, it repeats) or by
// the mouse wheel. It does not wrap at the ends.
class CSpinArrows : public QWidget
{
    Q_OBJECT

public:
    explicit CSpinArrows(QWidget *parent = nullptr);

    void SetRange(int low, int high);
    int Low() const { return m_low; }
    int High() const { return m_high; }
    // Sets the position without notifying (kept within the range).
    void SetPos(int pos);
    int Pos() const { return m_pos; }
    // Steps by delta as a click would, notifying when it moved.
    void StepBy(int delta);
    // How a position reads (a month's name); the number unless set.
    void SetValueText(std::function<QString(int)> text) { m_valueText = std::move(text); }
    QString ValueText() const;
    // The number a screen reader gives for a position: the position plus
    // this (1 for months counted from 0, so that December reads 12).
    void SetShownOffset(int offset) { m_shownOffset = offset; }
    int ShownOffset() const { return m_shownOffset; }

signals:
    void positionChanged(int pos);
    void hovered(QWidget *self);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *) override { update(); }
    void focusOutEvent(QFocusEvent *) override { update(); }

private:
    void announce();

    int m_low = 0;
    int m_high = 100;
    int m_pos = 0;
    int m_pressed = 0; // +1 up arrow held, -1 down arrow held
    QTimer m_repeat;
    std::function<QString(int)> m_valueText;
    int m_shownOffset = 0;
};
