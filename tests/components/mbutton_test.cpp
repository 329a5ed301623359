#include "mbutton.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <vector>

namespace {

enum class Act { Press, Release };

struct Step {
    Act act;
    Qt::MouseButton button;
    int x;
    int y = 10;
};

// A 50 × 41 button on a shown window, with what its events reported.
class MButtonTest : public testing::Test {
protected:
    void SetUp() override {
        window.resize(200, 150);
        button = new TMButton(&window);
        button->setGeometry(10, 10, 50, 41);
        QObject::connect(button, &TMButton::OnClick, [this] {
            clicks.push_back({button->Down(), button->ClickLeft()});
        });
        QObject::connect(button, &TMButton::OnMouseMove, [this] { ++moves; });
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // Straight to the button, as the window delivers them, also at points Qt would not route.
    void send(const Step& step) {
        const bool press = step.act == Act::Press;
        const QPoint at(step.x, step.y);
        QMouseEvent event(press ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease, at,
                          button->mapToGlobal(at), step.button,
                          press ? Qt::MouseButtons(step.button) : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(button, &event);
    }

    void moveTo(QPoint at) {
        QMouseEvent event(QEvent::MouseMove, at, button->mapToGlobal(at), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(button, &event);
    }

    struct Click {
        bool down;
        bool clickLeft;
    };

    QWidget window;
    TMButton* button = nullptr;
    std::vector<Click> clicks;
    int moves = 0;
};

TEST_F(MButtonTest, PressAndReleaseFollowTheStateTable) {
    const Step leftDown{Act::Press, Qt::LeftButton, 10};
    const Step leftUp{Act::Release, Qt::LeftButton, 10};
    const struct {
        const char* name;
        bool latch;
        std::vector<Step> steps;
        bool down;
        std::size_t clicks;
    } cases[] = {
        {"held push button", false, {leftDown}, true, 0},
        {"push button released", false, {leftDown, leftUp}, false, 1},
        {"latch: first press stays down", true, {leftDown, leftUp}, true, 1},
        {"latch: second press comes up", true, {leftDown, leftUp, leftDown, leftUp}, false, 2},
        {"middle button presses, never clicks",
         false,
         {{Act::Press, Qt::MiddleButton, 10}},
         true,
         0},
        {"middle release",
         false,
         {{Act::Press, Qt::MiddleButton, 10}, {Act::Release, Qt::MiddleButton, 10}},
         false,
         0},
        {"right button changes nothing", false, {{Act::Press, Qt::RightButton, 10}}, false, 0},
        {"right release keeps a latched button down",
         true,
         {leftDown, leftUp, {Act::Release, Qt::RightButton, 10}},
         true,
         1},
        {"released outside: up, no click",
         false,
         {leftDown, {Act::Release, Qt::LeftButton, 70}},
         false,
         0},
        {"release without a press on it: no click", false, {leftUp}, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        button->setLatch(c.latch);
        button->setDown(false);
        clicks.clear();
        for (const Step& step : c.steps)
            send(step);
        EXPECT_EQ(button->Down(), c.down);
        EXPECT_EQ(clicks.size(), c.clicks);
        send({Act::Release, Qt::LeftButton, 70}); // whatever is still held ends off the button
    }
}

TEST_F(MButtonTest, ClickSeesThePressedStateAndTheRockerHalf) {
    button->setRockerLR(true);
    const struct {
        int x;
        bool clickLeft;
    } cases[] = {{24, true}, {25, false}, {2, true}, {48, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "pressed at x " << c.x);
        clicks.clear();
        send({Act::Press, Qt::LeftButton, c.x});
        send({Act::Release, Qt::LeftButton, c.x});
        ASSERT_EQ(clicks.size(), 1u);
        EXPECT_TRUE(clicks[0].down);
        EXPECT_EQ(clicks[0].clickLeft, c.clickLeft);
        EXPECT_FALSE(button->Down());
    }
}

TEST_F(MButtonTest, RightPressMovesThePressPositionOnly) {
    button->setRockerLR(true);
    send({Act::Press, Qt::LeftButton, 40});
    send({Act::Release, Qt::LeftButton, 40});
    send({Act::Press, Qt::RightButton, 5});
    EXPECT_FALSE(button->Down());
    button->setDown(true); // the next paint of the rocker reads the position
    EXPECT_TRUE(button->ClickLeft());
}

TEST_F(MButtonTest, HighlightTracksArrivalOnceAndStopsOutside) {
    moveTo({10, 10});
    moveTo({12, 10});
    moveTo({50, 41}); // the far corner is still over the button
    EXPECT_EQ(moves, 3);
    moveTo({51, 10}); // outside: tracking ends, no event
    EXPECT_EQ(moves, 3);
}

TEST_F(MButtonTest, WithoutHighlightEveryMoveIsReported) {
    button->setHighlight(false);
    for (const QPoint at : {QPoint(10, 10), QPoint(51, 10), QPoint(-3, -3)})
        moveTo(at);
    EXPECT_EQ(moves, 3);
}

TEST_F(MButtonTest, DropDownMenuPopsBelowAndLeavesTheButtonUp) {
    QMenu menu;
    menu.addAction(QStringLiteral("One"));
    button->setDropDownMenu(&menu);
    button->setLatch(true);
    QPoint shownAt;
    bool downWhileShown = false;
    QTimer::singleShot(0, &menu, [&] {
        shownAt = menu.pos();
        downWhileShown = button->Down();
        menu.close();
    });
    send({Act::Press, Qt::LeftButton, 10});
    EXPECT_EQ(shownAt, button->mapToGlobal(QPoint(0, button->height())));
    EXPECT_TRUE(downWhileShown);
    EXPECT_FALSE(button->Down());
}

TEST_F(MButtonTest, ForgetsADestroyedDropDownMenu) {
    auto* menu = new QMenu;
    button->setDropDownMenu(menu);
    delete menu;
    send({Act::Press, Qt::LeftButton, 10});
    EXPECT_TRUE(button->Down());
}

TEST_F(MButtonTest, FlagsAreWrittenByIndex) {
    const struct {
        int index;
        bool (TMButton::*read)() const;
    } flags[] = {
        {TMButton::LatchFlag, &TMButton::Latch},
        {TMButton::DownFlag, &TMButton::Down},
        {TMButton::BorderFlag, &TMButton::Border},
        {TMButton::StretchFlag, &TMButton::Stretch},
        {TMButton::RockerLRFlag, &TMButton::RockerLR},
        {TMButton::RockerUDFlag, &TMButton::RockerUD},
        {TMButton::HighlightFlag, &TMButton::Highlight},
    };
    for (const auto& flag : flags) {
        SCOPED_TRACE(flag.index);
        const bool before = (button->*flag.read)();
        button->SetFlag(flag.index, !before);
        EXPECT_NE((button->*flag.read)(), before);
    }
    std::vector<bool> before;
    for (const auto& flag : flags)
        before.push_back((button->*flag.read)());
    for (int unused : {0, 4, 9, -1}) {
        button->SetFlag(unused, true);
        EXPECT_FALSE(button->Flag(unused));
    }
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ((button->*flags[i].read)(), before[i]);
}

TEST_F(MButtonTest, StartsWithTheDeclaredDefaults) {
    TMButton fresh;
    EXPECT_TRUE(fresh.Highlight());
    EXPECT_TRUE(fresh.Border());
    EXPECT_TRUE(fresh.Stretch());
    EXPECT_FALSE(fresh.Latch() || fresh.Down() || fresh.RockerLR() || fresh.RockerUD());
    EXPECT_FALSE(fresh.ClickLeft());
    EXPECT_EQ(fresh.ColorDark(), cl3DDkShadow);
    EXPECT_EQ(fresh.ColorLight(), cl3DLight);
    EXPECT_TRUE(fresh.Bitmap().isNull());
    EXPECT_EQ(fresh.DropDownMenu(), nullptr);
}

} // namespace
