// An error escaping a handler is shown in the error box and the program carries on.
#include "apperror.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
QMessageBox* openMessageBox() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible())
            return box;
    return nullptr;
}
} // namespace

TEST(ErrorBox, HandlerErrorIsShownAndTheLoopGoesOn) {
    QString shownText;
    QString shownReason;
    bool loopWentOn = false;
    QEventLoop loop;
    QTimer::singleShot(0,
                       [] { throw AppError("Cannot create file /x/grab_000.bmp", "Disk full"); });
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QMessageBox* box = openMessageBox()) {
            shownText = box->text();
            shownReason = box->informativeText();
            box->accept();
        }
    });
    closer.start(20);
    QTimer::singleShot(300, [&] {
        loopWentOn = true;
        loop.quit();
    });
    loop.exec();
    EXPECT_EQ(shownText, "Cannot create file /x/grab_000.bmp");
    EXPECT_EQ(shownReason, "Disk full");
    EXPECT_TRUE(loopWentOn);
}
