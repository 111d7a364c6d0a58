#pragma once

#include "dialogs/CSkinBitmap.h"

#include <QBasicTimer>
#include <QWidget>
#include <array>

// A picture button: lights up under the mouse (frame 1) and, when pressed
// or left, runs once through its release sequence of frames and stops on
// the last one. Pressing it sends its command.
class CAnimButton : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kMaxFrames = 10;
    static constexpr int kTimerId = 67;

    explicit CAnimButton(QWidget *parent = nullptr);

    // Frames by resource number (at most 10), the release sequence (at most
    // 10 frame indices) and the command sent when pressed.
    void Setup(const int *frames, int frameCount, const int *sequence, int sequenceLength, int commandId);
    // The words on the button when they differ from the artwork's (another
    // language): painted over each frame, in the artwork's colours.
    void SetLabel(const QString &label, const QString &artworkLabel);
    // Releases the frame pictures; they load again when next drawn.
    void FreeFrames();
    // Loads every frame now rather than at its first showing.
    void Preload();

    // The mouse at p in the button's coordinates; (-1, -1) means it is
    // elsewhere (the main window tells every other canvas so).
    void HoverMove(const QPoint &p);
    // What a left press does.
    void Press();
    // One step of the release animation (the timer's work).
    void Step();

    int State() const { return m_State; }
    int Frame() const { return m_Frame; }
    int StepIndex() const { return m_Step; }
    int CommandId() const { return m_CommandId; }
    bool IsAnimating() const { return m_timer.isActive(); }
    // The frame a paint shows now, -1 for none.
    int ShownFrame() const;

    int m_Period = 80;

signals:
    void command(int id);
    // The mouse is over this control: the others lose their highlight.
    void hovered(QWidget *self);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *) override { update(); }
    void focusOutEvent(QFocusEvent *) override { update(); }

private:
    void StartRelease();

    std::array<CSkinBitmap, kMaxFrames> m_frames;
    int m_State = -1;
    int m_CommandId = 0;
    int m_Frame = 0;
    int m_Step = 0;
    int m_FrameCount = 0;
    int m_SequenceLength = 2;
    std::array<int, kMaxFrames> m_Sequence { 1, 0, 0, 0, 0, 0, 0, 0, 0, 0 };
    QBasicTimer m_timer;
};
