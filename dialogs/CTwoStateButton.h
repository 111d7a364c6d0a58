#pragma once

#include "dialogs/CSkinBitmap.h"

#include <QAbstractButton>

// A push button drawn as one picture normally and another while pressed,
// centred in the button.
class CTwoStateButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit CTwoStateButton(QWidget *parent = nullptr);

    void Load(int normalResource, int pressedResource);
    // Where a picture of size s lands in the button.
    QPoint PictureOrigin(QSize s) const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    CSkinBitmap m_normal;
    CSkinBitmap m_pressed;
};
