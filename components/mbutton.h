// Picture button: a one-pixel bevel around a bitmap. It can light up while hovered, latch,
// act as a left/right rocker and drop a menu down below itself.
#pragma once

#include "tcolor.h"

#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <array>
#include <optional>

// Bevel rules, free of the widget so they can be checked on their own.

// Which colour one half-edge of the bevel takes.
enum class BevelTone { Light, Dark, Face };

// The eight half-edges clockwise from the bottom-left corner: left lower, left upper, top left,
// top right, right upper, right lower, bottom right, bottom left.
using BevelTones = std::array<BevelTone, 8>;

struct BevelState {
    bool down = false;
    bool rockerLR = false;
    bool border = true;
    bool hoverPaint = false;
    int pressX = 0;
    int width = 0;
};

struct BevelLook {
    BevelTones tones;
    // Set only for a pressed rocker: whether the press was on its left half.
    std::optional<bool> clickLeft;
};

BevelLook bevelLook(const BevelState& state);

// Where the picture goes: a 2-pixel margin inside the bevel when stretched, else centred at
// its own size (a picture larger than the control starts at a negative offset).
QRect pictureRect(QSize control, QSize picture, bool stretch);

// Outside unless 0 <= x <= width and 0 <= y <= height: the far edges still count as inside.
bool outsideControl(QPoint point, QSize control);

class TMButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QMenu* DropDownMenu READ DropDownMenu WRITE setDropDownMenu)
    Q_PROPERTY(QImage Bitmap READ Bitmap WRITE setBitmap)
    Q_PROPERTY(bool Latch READ Latch WRITE setLatch)
    Q_PROPERTY(bool Highlight READ Highlight WRITE setHighlight)
    Q_PROPERTY(bool Down READ Down WRITE setDown)
    Q_PROPERTY(bool Border READ Border WRITE setBorder)
    Q_PROPERTY(bool Stretch READ Stretch WRITE setStretch)
    Q_PROPERTY(bool RockerLR READ RockerLR WRITE setRockerLR)
    Q_PROPERTY(bool RockerUD READ RockerUD WRITE setRockerUD)
    Q_PROPERTY(bool ClickLeft READ ClickLeft)
    Q_PROPERTY(TColor ColorDark READ ColorDark WRITE setColorDark)
    Q_PROPERTY(TColor ColorLight READ ColorLight WRITE setColorLight)
    Q_PROPERTY(QColor Color READ Color WRITE setColor)

public:
    // Indices of the flags that SetFlag writes; 4 is not used.
    enum FlagIndex {
        LatchFlag = 1,
        DownFlag = 2,
        BorderFlag = 3,
        StretchFlag = 5,
        RockerLRFlag = 6,
        RockerUDFlag = 7,
        HighlightFlag = 8,
    };

    explicit TMButton(QWidget* parent = nullptr);

    // Writes one flag (an unknown index changes nothing), then repaints in any case.
    virtual void SetFlag(int index, bool value);
    // Repaints at once, before the caller goes on.
    virtual void Refresh();
    // Copies the picture into the button's own bitmap, then repaints.
    virtual void setBitmap(const QImage& picture);

    // The owned picture; changes made to it directly show at the next repaint.
    QImage& Bitmap() { return m_bitmap; }
    const QImage& Bitmap() const { return m_bitmap; }
    // Referenced, not owned: forgotten when the menu is destroyed.
    QMenu* DropDownMenu() const { return m_dropDownMenu; }
    void setDropDownMenu(QMenu* menu) { m_dropDownMenu = menu; }

    bool Flag(int index) const;
    bool Latch() const { return Flag(LatchFlag); }
    void setLatch(bool value) { SetFlag(LatchFlag, value); }
    bool Highlight() const { return Flag(HighlightFlag); }
    void setHighlight(bool value) { SetFlag(HighlightFlag, value); }
    bool Down() const { return Flag(DownFlag); }
    void setDown(bool value) { SetFlag(DownFlag, value); }
    bool Border() const { return Flag(BorderFlag); }
    void setBorder(bool value) { SetFlag(BorderFlag, value); }
    bool Stretch() const { return Flag(StretchFlag); }
    void setStretch(bool value) { SetFlag(StretchFlag, value); }
    bool RockerLR() const { return Flag(RockerLRFlag); }
    void setRockerLR(bool value) { SetFlag(RockerLRFlag, value); }
    bool RockerUD() const { return Flag(RockerUDFlag); }
    void setRockerUD(bool value) { SetFlag(RockerUDFlag, value); }
    // Decided when a pressed rocker is painted, so OnClick, which follows that paint, reads it.
    bool ClickLeft() const { return m_clickLeft; }

    TColor ColorDark() const { return m_colorDark; }
    void setColorDark(TColor color);
    TColor ColorLight() const { return m_colorLight; }
    void setColorLight(TColor color);
    // The background. Until one is set the parent shows through, as its own colour would.
    QColor Color() const;
    void setColor(const QColor& color);

signals:
    // Left button released over the button after being pressed on it; Down still holds the
    // value the press gave it.
    void OnClick();
    void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void OnMouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void stopTracking();
    void dropMenuDown();
    void paintBevel(QPainter& painter);

    QPointer<QMenu> m_dropDownMenu;
    QImage m_bitmap;
    std::array<bool, 9> m_flags{};
    bool m_clickLeft = false;
    TColor m_colorDark = cl3DDkShadow;
    TColor m_colorLight = cl3DLight;
    std::optional<QColor> m_color;
    QPoint m_pressPosition;
    // True while the pointer is known to be over the button (hover tracking).
    bool m_tracking = false;
    // True only during the repaint that marks the pointer's arrival.
    bool m_hoverPaint = false;
    // A left press on the button that a release over it turns into a click.
    bool m_leftPressed = false;
};
