#pragma once

#include <QFrame>

class CEditorIcons;

// The editor's preview: the chosen icon drawn centred on a sunken panel.
class CIconPreview : public QFrame
{
    Q_OBJECT

public:
    explicit CIconPreview(CEditorIcons *icons, QWidget *parent = nullptr);

    void SetIconNumber(int number);
    int IconNumber() const { return m_number; }
    // Top-left corner of the 32 x 32 picture.
    QPoint PictureOrigin() const { return QPoint(width() / 2 - 16, height() / 2 - 16); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    CEditorIcons *m_icons = nullptr;
    int m_number = 0;
};
