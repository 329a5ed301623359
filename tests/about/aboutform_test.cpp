// The About window as it shows itself: version label, library list, descriptions, links.
#include "../components/printers.h"
#include "aboutbox.h"
#include "librarytable.h"
#include "mbutton.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

namespace {

// What CMake's project version makes of "P.00.L"; this test carries the same record.
const QString kVersion = QStringLiteral("%1.00.%2")
                             .arg(CLIPSTASH_VERSION_MAJOR)
                             .arg(CLIPSTASH_VERSION_PATCH * 65536u + CLIPSTASH_BUILD_NUMBER);

// Takes the links the window hands to the desktop instead of opening them.
class LinkCatcher final : public QObject {
    Q_OBJECT
public:
    LinkCatcher() {
        for (const char* scheme : {"https", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~LinkCatcher() override {
        for (const char* scheme : {"https", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};

// The About window over a stand-in for the main window.
class AboutFormTest : public testing::Test {
protected:
    void SetUp() override {
        opener.setGeometry(120, 90, 300, 200);
        opener.show();
        about = new TAboutForm(&opener);
    }

    void showAbout() {
        about->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
    }

    QWidget opener;
    TAboutForm* about = nullptr; // owned by the opener
};

TEST_F(AboutFormTest, FixedWindowWithFourPages) {
    EXPECT_EQ(about->windowTitle(), "About ");
    EXPECT_EQ(about->size(), QSize(458, 308));
    EXPECT_EQ(about->minimumSize(), about->maximumSize());
    ASSERT_EQ(about->PageControl1->count(), 4);
    const char* captions[] = {"Program", "Velmor Graphics", "DLLs", "Copyrights"};
    for (int page = 0; page < 4; ++page)
        EXPECT_EQ(about->PageControl1->tabText(page), captions[page]);
    EXPECT_EQ(about->PageControl1->currentIndex(), 0);
    EXPECT_EQ(about->Button2->text(), "Close");
    EXPECT_EQ(about->Button2->parentWidget(), about);
    EXPECT_EQ(about->MButton4->parentWidget(), about);
    EXPECT_TRUE(about->Memo1->isReadOnly());
}

TEST_F(AboutFormTest, PicturesComeFromTheResources) {
    const struct {
        TMButton* button;
        QSize picture;
        const char* hint;
    } cases[] = {
        {about->MButton1, {40, 32}, "Visit the Velmor Graphics Website"},
        {about->MButton2, {40, 32}, "Contact"},
        {about->MButton3, {40, 32}, "Visit the Velmor Graphics Website"},
        {about->MButton4, {134, 137}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hint);
        EXPECT_EQ(c.button->Bitmap().size(), c.picture);
        EXPECT_FALSE(c.button->Border());
        EXPECT_FALSE(c.button->Stretch());
        EXPECT_EQ(c.button->toolTip(), c.hint);
    }
}

TEST_F(AboutFormTest, ShowsOurVersionDescriptionAndIcon) {
    QImage icon(32, 32, QImage::Format_RGB32);
    icon.fill(Qt::magenta);
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(icon)));
    about->Description = QStringLiteral("What it does\n\nHow to use it");
    showAbout();
    EXPECT_EQ(about->Label2->text(), "Version " + kVersion);
    EXPECT_EQ(about->Label1->text(), about->Description);
    EXPECT_EQ(about->Image1->size(), QSize(32, 32));
    EXPECT_EQ(about->Image1->pixmap().toImage().pixel(16, 16), QColor(Qt::magenta).rgb());
    QApplication::setWindowIcon(QIcon());
}

TEST_F(AboutFormTest, EachShowingStartsAtTheOpenersCorner) {
    for (const QPoint corner : {QPoint(120, 90), QPoint(310, 240)}) {
        opener.move(corner);
        showAbout();
        EXPECT_EQ(about->pos(), opener.pos());
        about->hide();
    }
}

TEST_F(AboutFormTest, NineLibrariesOurModuleFirstAtEveryShowing) {
    for (int showing = 1; showing <= 2; ++showing) {
        SCOPED_TRACE(showing);
        showAbout();
        ASSERT_EQ(about->ListBox1->count(), 9);
        EXPECT_EQ(about->ListBox2->count(), 9);
        EXPECT_EQ(about->ListBox1->item(0)->text(), "quorpix.so   -   " + kVersion);
        for (int row = 1; row < 9; ++row) {
            const QString name = libraryTable()[row].fileName;
            EXPECT_LE(name.size(), 12);
            EXPECT_EQ(about->ListBox1->item(row)->text(),
                      name.leftJustified(12) + " -   Not found");
        }
        about->hide();
    }
}

TEST_F(AboutFormTest, ChosenLineShowsItsDescriptionAlsoAfterReopening) {
    showAbout();
    about->hide();
    showAbout();
    for (int row = 0; row < 9; ++row) {
        about->ListBox1->setCurrentRow(row);
        EXPECT_EQ(about->Label3->text(), libraryTable()[row].description + " ");
    }
    about->ListBox1->setCurrentRow(2);
    QTest::keyClick(about->ListBox1, Qt::Key_Down);
    EXPECT_EQ(about->Label3->text(), libraryTable()[3].description + " ");
}

TEST_F(AboutFormTest, NoChosenLineLeavesTheDescription) {
    showAbout();
    const QString explanation = about->Label3->text();
    EXPECT_TRUE(explanation.startsWith("This displays the versions of the various DLLs"));
    about->ListBox1->clearSelection();
    EXPECT_EQ(about->Label3->text(), explanation);
    about->ListBox1->setCurrentRow(4);
    about->ListBox1->clearSelection();
    EXPECT_EQ(about->Label3->text(), libraryTable()[4].description + " ");
    // A new showing rebuilds the list but keeps the description last shown.
    about->hide();
    showAbout();
    EXPECT_EQ(about->Label3->text(), libraryTable()[4].description + " ");
}

TEST_F(AboutFormTest, LinkButtonsHandTheirAddressToTheDesktopAndClose) {
    const struct {
        TMButton* TAboutForm::*button;
        int page;
        const char* link;
    } cases[] = {
        {&TAboutForm::MButton3, 1, "https://velmor-graphics.example.com/"},
        {&TAboutForm::MButton1, 2, "https://velmor-graphics.example.com/"},
        {&TAboutForm::MButton2, 1, "mailto:contact@velmor-graphics.example.com"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.link);
        LinkCatcher links;
        showAbout();
        about->PageControl1->setCurrentIndex(c.page);
        QTest::mouseClick(about->*c.button, Qt::LeftButton, {}, QPoint(20, 20));
        EXPECT_EQ(links.opened, QList<QUrl>{QUrl(QString::fromLatin1(c.link))});
        EXPECT_FALSE(about->isVisible());
    }
}

TEST_F(AboutFormTest, CloseButtonClosesOnly) {
    LinkCatcher links;
    showAbout();
    QTest::mouseClick(about->Button2, Qt::LeftButton);
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(links.opened.isEmpty());
}

} // namespace

#include "aboutform_test.moc"
