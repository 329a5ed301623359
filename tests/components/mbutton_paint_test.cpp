#include "mbutton.h"
#include "testpictures.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QtTest/QTest>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr TColor kLight = 0x0000ff00; // green
constexpr TColor kDark = 0x00ff0000;  // blue
const QColor kFace(255, 0, 0);

// One character per half-edge, clockwise from the bottom-left: L light, D dark, F face.
std::string tonesOf(const QImage& image) {
    const int w = image.width();
    const int h = image.height();
    const QPoint middles[] = {{0, 3 * h / 4},     {0, h / 4},     {w / 4, 0},
                              {3 * w / 4, 0},     {w - 1, h / 4}, {w - 1, 3 * h / 4},
                              {3 * w / 4, h - 1}, {w / 4, h - 1}};
    std::string tones;
    for (const QPoint at : middles) {
        const QRgb pixel = image.pixel(at);
        tones += pixel == resolveColor(kLight, {}).rgb()  ? 'L'
                 : pixel == resolveColor(kDark, {}).rgb() ? 'D'
                 : pixel == kFace.rgb()                   ? 'F'
                                                          : '?';
    }
    return tones;
}

// A 50 × 41 button in plain colours on a shown window.
class MButtonPaintTest : public testing::Test {
protected:
    void SetUp() override {
        window.resize(200, 150);
        button = new TMButton(&window);
        button->setGeometry(10, 10, 50, 41);
        button->setColorLight(kLight);
        button->setColorDark(kDark);
        button->setColor(kFace);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void press(int x, Qt::MouseButton which = Qt::LeftButton) {
        const QPoint at(x, 10);
        QMouseEvent event(QEvent::MouseButtonPress, at, button->mapToGlobal(at), which, which,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(button, &event);
    }

    QImage rendered() const {
        return button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // What the window shows now, without painting it again.
    QImage onScreen() const {
        const QPixmap shot = window.screen()->grabWindow(window.winId(), button->x(), button->y(),
                                                         button->width(), button->height());
        return shot.toImage().convertToFormat(QImage::Format_RGB32);
    }

    QWidget window;
    TMButton* button = nullptr;
};

TEST_F(MButtonPaintTest, BevelHalvesTakeTheirColours) {
    const struct {
        const char* name;
        bool border;
        bool rocker;
        int pressAt; // -1: not pressed
        const char* tones;
    } cases[] = {
        {"raised", true, false, -1, "LLLLDDDD"},
        {"sunken", true, false, 10, "DDDDLLLL"},
        {"rocker pressed left", true, true, 24, "DDDLDDDL"},
        {"rocker pressed right", true, true, 25, "LLLDLLLD"},
        {"borderless up", false, false, -1, "FFFFFFFF"},
        {"borderless down", false, false, 10, "DDDDLLLL"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        button->setDown(false);
        button->setBorder(c.border);
        button->setRockerLR(c.rocker);
        if (c.pressAt >= 0)
            press(c.pressAt);
        EXPECT_EQ(tonesOf(rendered()), c.tones);
    }
}

TEST_F(MButtonPaintTest, CornersBelongToTheEdgeThatStartsThere) {
    const QImage image = rendered();
    const QRgb light = resolveColor(kLight, {}).rgb();
    const QRgb dark = resolveColor(kDark, {}).rgb();
    EXPECT_EQ(image.pixel(0, 0), light);
    EXPECT_EQ(image.pixel(0, 40), light);
    EXPECT_EQ(image.pixel(49, 0), dark);
    EXPECT_EQ(image.pixel(49, 40), dark);
    EXPECT_EQ(image.pixel(1, 1), kFace.rgb());
}

TEST_F(MButtonPaintTest, UnstretchedPictureIsCentredAtItsOwnSize) {
    button->resize(49, 41);
    button->setStretch(false);
    button->setBitmap(patternPicture(40, 32));
    const QImage image = rendered();
    EXPECT_EQ(image.pixel(4, 4), patternColour(0, 0, 0));
    EXPECT_EQ(image.pixel(43, 35), patternColour(39, 31, 0));
    EXPECT_EQ(image.pixel(3, 4), kFace.rgb());
    EXPECT_EQ(image.pixel(44, 35), kFace.rgb());
}

TEST_F(MButtonPaintTest, StretchedPictureFillsTheFaceInsideTheBevel) {
    QImage plain(4, 4, QImage::Format_RGB32);
    plain.fill(Qt::yellow);
    button->setBitmap(plain);
    const QImage image = rendered();
    for (const QPoint at : {QPoint(2, 2), QPoint(47, 2), QPoint(2, 38), QPoint(47, 38)})
        EXPECT_EQ(image.pixel(at), QColor(Qt::yellow).rgb()) << at.x() << "," << at.y();
    for (const QPoint at : {QPoint(1, 20), QPoint(48, 20), QPoint(25, 39)})
        EXPECT_EQ(image.pixel(at), kFace.rgb()) << at.x() << "," << at.y();
}

TEST_F(MButtonPaintTest, BitmapIsCopiedNotShared) {
    QImage picture = patternPicture(8, 8);
    button->setBitmap(picture);
    picture.fill(Qt::black);
    EXPECT_EQ(button->Bitmap().pixel(0, 0), patternColour(0, 0, 0));
}

TEST_F(MButtonPaintTest, EverySetterRepaintsAtOnceEvenWithoutAChange) {
    button->setStretch(false);
    button->setBitmap(patternPicture(8, 8));
    const struct {
        const char* name;
        std::function<void()> set;
        Qt::GlobalColor picture;
    } cases[] = {
        {"same Latch", [this] { button->setLatch(false); }, Qt::yellow},
        {"unused index", [this] { button->SetFlag(4, true); }, Qt::cyan},
        {"same Stretch", [this] { button->SetFlag(TMButton::StretchFlag, false); }, Qt::white},
        {"same light colour", [this] { button->setColorLight(kLight); }, Qt::black},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // Changes to the owned picture are not watched: they show at the next repaint.
        button->Bitmap().fill(c.picture);
        EXPECT_NE(onScreen().pixel(25, 20), QColor(c.picture).rgb());
        c.set();
        EXPECT_EQ(onScreen().pixel(25, 20), QColor(c.picture).rgb());
    }
}

TEST_F(MButtonPaintTest, BorderlessBevelAppearsOnArrivalAndGoesOnLeaving) {
    button->setBorder(false);
    EXPECT_EQ(tonesOf(onScreen()), "FFFFFFFF");
    QTest::mouseMove(button, QPoint(20, 20));
    EXPECT_EQ(tonesOf(onScreen()), "LLLLDDDD");
    QTest::mouseMove(&window, QPoint(150, 120));
    EXPECT_EQ(tonesOf(onScreen()), "FFFFFFFF");
}

TEST_F(MButtonPaintTest, WithoutHighlightHoveringDrawsNothing) {
    button->setBorder(false);
    button->setHighlight(false);
    QTest::mouseMove(button, QPoint(20, 20));
    EXPECT_EQ(tonesOf(onScreen()), "FFFFFFFF");
}

TEST_F(MButtonPaintTest, HeldButtonStaysSunkenWhenDraggedOff) {
    button->setBorder(false);
    QTest::mouseMove(button, QPoint(20, 20));
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseMove(&window, QPoint(150, 120));
    EXPECT_EQ(tonesOf(onScreen()), "DDDDLLLL");
    // The press keeps the pointer, so the release comes to the button at an outside point.
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(140, 110));
    EXPECT_FALSE(button->Down());
    EXPECT_EQ(tonesOf(onScreen()), "FFFFFFFF");
}

// A parent that paints its own background, as the pane of a tab page does.
class PaintedParent final : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::yellow); }
};

TEST(MButtonColour, WithoutAColourOfItsOwnTheParentShowsThrough) {
    PaintedParent parent;
    parent.resize(100, 100);
    auto* button = new TMButton(&parent);
    button->setGeometry(10, 10, 49, 41);
    button->setBorder(false);
    parent.show();
    const QImage image = parent.grab().toImage();
    for (const QPoint at : {QPoint(10, 10), QPoint(35, 30), QPoint(58, 50)})
        EXPECT_EQ(image.pixel(at), QColor(Qt::yellow).rgb()) << at.x() << "," << at.y();
}

} // namespace
