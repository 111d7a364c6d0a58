#pragma once

#include <QIconEngine>
#include <QPixmap>
#include <map>
#include <vector>

// The program icon's pictures, read from the program's resources when a
// size is asked for rather than all of them when the icon is made: the
// window system takes each size once per window, the tray and the title
// bars the small ones again and again. Small pictures are kept; large ones
// (the task switcher's) are read each time they are asked for.
class CProgramIconEngine : public QIconEngine
{
public:
    struct Picture
    {
        QString m_Path;
        int m_Side = 0;  // in pixels
        int m_Scale = 1; // 2: drawn for a screen at twice the pixels
    };
    // pictures: the files, each square, in any order.
    explicit CProgramIconEngine(std::vector<Picture> pictures);

    // The program's own files, ":/icons/kestrelmark-<size>[@2x].png"; empty
    // when the program carries none.
    static std::vector<Picture> ProgramPictures();

    static constexpr int kKeptSide = 64;

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;
    QString key() const override;
    bool isNull() override { return m_pictures.empty(); }

private:
    // The smallest picture at least side pixels wide, else the largest.
    const Picture *best(int side) const;

    std::vector<Picture> m_pictures; // by side, smallest first
    std::map<int, QPixmap> m_kept;   // by side asked for
};
