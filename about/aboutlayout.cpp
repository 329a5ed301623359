// The About window's controls at their designed positions, sizes and captions.
#include "aboutbox.h"
#include "abouttexts.h"
#include "designedlayout.h"
#include "fitlabel.h"
#include "mbutton.h"
#include "tcolor.h"

#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {
// Sizes itself to its caption, as the designer's labels did.
QLabel* label(QWidget* page, const char* caption, int left, int top) {
    auto* text = new QLabel(QString::fromLatin1(caption), page);
    text->setTextFormat(Qt::PlainText);
    text->move(left, top);
    fitLabel(text);
    return text;
}

// A fixed-size label whose lines wrap.
QLabel* textBox(QWidget* page, int left, int top, int width, int height, Qt::Alignment align) {
    auto* text = placed(new QLabel(page), left, top, width, height);
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    text->setAlignment(align | Qt::AlignTop);
    return text;
}

// A borderless picture button drawing its picture at its own size.
TMButton* pictureButton(QWidget* parent, const char* picture, QRect geometry) {
    auto* button = new TMButton(parent);
    button->setGeometry(geometry);
    button->setBorder(false);
    button->setStretch(false);
    button->setBitmap(QImage(QStringLiteral(":/about/") + QString::fromLatin1(picture)));
    return button;
}

TMButton* webSiteButton(QWidget* page, int left, int top) {
    TMButton* button = pictureButton(page, "website.png", {left, top, 49, 41});
    button->setToolTip(QStringLiteral("Visit the Velmor Graphics Website"));
    return button;
}

void setBase(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, color);
    widget->setPalette(palette);
}

QWidget* addPage(QTabWidget* pages, const char* caption) {
    auto* page = new QWidget;
    pages->addTab(page, QString::fromLatin1(caption));
    return page;
}
} // namespace

void TAboutForm::buildForm() {
    setWindowTitle(QStringLiteral("About "));
    setFont(designerFont());
    setFixedSize(458, 308);

    PageControl1 = placed(new QTabWidget(this), 0, 0, 458, 308);
    buildProgramPage();
    buildMakerPage();
    buildDllPage();
    buildCopyrightPage();
    PageControl1->setCurrentIndex(0);

    // Made after the pages, so they stand above them.
    MButton4 = pictureButton(this, "velmor.png", {288, 64, 145, 145});
    Button2 = placed(new QPushButton(QStringLiteral("Close"), this), 304, 224, 105, 25);
    ListBox2 = placed(new QListWidget(this), 344, 240, 73, 33);
    ListBox2->setVisible(false);
    setTabOrder(Button2, PageControl1);
}

void TAboutForm::buildProgramPage() {
    TabSheet1 = addPage(PageControl1, "Program");
    Image1 = placed(new QLabel(TabSheet1), 16, 16, 33, 33);
    Label2 = label(TabSheet1, "", 72, 28);
    Label1 = textBox(TabSheet1, 16, 60, 233, 137, Qt::AlignLeft);
}

void TAboutForm::buildMakerPage() {
    TabSheet2 = addPage(PageControl1, "Velmor Graphics");
    Memo3 = placed(new QPlainTextEdit(makerText(), TabSheet2), 16, 12, 217, 145);
    Memo3->setFrameShape(QFrame::NoFrame);
    Memo3->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
    // The page's own colour shows through; styles paint pages lighter than their palette says.
    Memo3->viewport()->setAutoFillBackground(false);
    MButton3 = webSiteButton(TabSheet2, 24, 160);
    Label4 = label(TabSheet2, "Website", 80, 168);
    MButton2 = pictureButton(TabSheet2, "mail.png", {24, 200, 49, 41});
    MButton2->setToolTip(QStringLiteral("Contact"));
    Label5 = label(TabSheet2, "Email", 80, 208);
}

void TAboutForm::buildDllPage() {
    TabSheet3 = addPage(PageControl1, "DLLs");
    ListBox1 = placed(new QListWidget(TabSheet3), 16, 16, 209, 145);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPixelSize(11);
    ListBox1->setFont(fixed);
    QPalette colours = ListBox1->palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    ListBox1->setPalette(colours);
    Label3 = textBox(TabSheet3, 8, 172, 233, 73, Qt::AlignHCenter);
    Label3->setText(QStringLiteral("This displays the versions of the various DLLs currently "
                                   "installed on your system.  Click on entry for description"));
    Label6 = label(TabSheet3, "Visit the Website for the latest versions of the DLLs", 64, 248);
    MButton1 = webSiteButton(TabSheet3, 8, 240);
}

void TAboutForm::buildCopyrightPage() {
    TabSheet4 = addPage(PageControl1, "Copyrights");
    Memo1 = placed(new QPlainTextEdit(copyrightText(), TabSheet4), 8, 16, 257, 209);
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setBase(Memo1, resolveColor(clBtnFace, Memo1->palette()));
}
