#pragma once

#include <QColor>
#include <QStringList>
#include <QWidget>

// A text display drawn in a chosen font and colours with a drop shadow.
// It shows its text, an entry of a list of texts (list mode) or a number
// (number mode); a spin control drives the last two through SetValue.
class CTextLabel : public QWidget
{
    Q_OBJECT

public:
    explicit CTextLabel(QWidget *parent = nullptr);

    void SetCommand(int commandId) { m_CommandId = commandId; }
    // As a spin's notification: list mode keeps to the last line.
    void SetValue(int value);
    void SetText(const QString &text);
    // What a paint shows now.
    QString DisplayText() const;
    // The font the text is drawn in: m_Face at m_Size x the text size factor.
    QFont DrawFont() const;

    int m_Format = Qt::AlignHCenter;
    double m_Size = 18.0;
    QString m_Face = QStringLiteral("Arial");
    bool m_Bold = false;
    QString m_Text = QStringLiteral("Bite me!");
    int m_Shadow = 1;
    int m_ShadowOffset = 2;
    QColor m_TextColour = QColor(10, 240, 20);
    QColor m_BackColour = QColor(0, 0, 0);
    QColor m_ShadowColour = QColor(5, 120, 5);
    int m_Upper = 0;
    int m_ListMode = 0;
    int m_NumberMode = 0;
    int m_Value = 0;
    QStringList m_Lines;
    int m_CommandId = -1;
    // Send the command on a single click too (the today display).
    bool m_CommandOnClick = false;

signals:
    void command(int id);
    void hovered(QWidget *self);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
};
