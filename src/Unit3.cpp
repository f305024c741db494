#include "Unit3.h"

#include "ApplicationSetup.h"
#include "ImageList.h"
#include "ScreenLook.h"
#include "TURLLabel.h"

#include <QApplication>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

TAboutBox *AboutBox = nullptr;

const char *const TAboutBox::kHomePage = "https://cdvennix.example.org/";
const char *const TAboutBox::kNationalSocietiesDirectory
    = "https://www.ifrc.org/national-societies-directory";

namespace {

const QColor kTeal(0, 128, 128);

// A panel with a lowered outer and a raised inner bevel, one pixel each: an etched groove.
class BevelPanel : public QFrame
{
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const QColor shadow = palette().color(QPalette::Dark);
        const QColor light = palette().color(QPalette::Light);
        const QRect outer = rect().adjusted(0, 0, -1, -1);
        const QRect inner = outer.adjusted(1, 1, -1, -1);
        drawBevel(p, outer, shadow, light);
        drawBevel(p, inner, light, shadow);
    }

private:
    static void drawBevel(QPainter &p, const QRect &r, const QColor &topLeft,
                          const QColor &bottomRight)
    {
        p.setPen(topLeft);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(bottomRight);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
};

QFrame *makePanel(QWidget *parent, const QRect &geometry)
{
    auto *panel = new BevelPanel(parent);
    panel->setGeometry(geometry);
    return panel;
}

QLabel *makeLabel(QWidget *parent, const QRect &geometry, const QString &text,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop, bool wordWrap = false)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    label->setWordWrap(wordWrap);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, kTeal);
    label->setPalette(p);
    return label;
}

QLabel *makeImage(QWidget *parent, const QRect &geometry, const QPixmap &pixmap, bool stretch)
{
    auto *image = new QLabel(parent);
    image->setGeometry(geometry);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setScaledContents(stretch);
    image->setPixmap(pixmap);
    return image;
}

} // namespace

QImage TAboutBox::emblem()
{
    const QColor grey(192, 192, 192);
    const QColor red(237, 28, 36);
    QImage image(23, 12, QImage::Format_RGB32);
    image.fill(grey);
    QPainter p(&image);
    // The cross: two 4-pixel bars over a 10 x 10 square, one pixel in from the left.
    p.fillRect(4, 1, 4, 10, red);
    p.fillRect(1, 4, 10, 4, red);
    // The crescent: a red disc with a grey disc over its right part, opening to the right.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    p.drawEllipse(QRectF(12.5, 1.0, 10.0, 10.0));
    p.setBrush(grey);
    p.drawEllipse(QRectF(15.5, 1.5, 8.5, 9.0));
    return image;
}

TAboutBox::TAboutBox(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(233, 280);
    setFont(formFont());

    Panel1 = makePanel(this, QRect(8, 8, 217, 129));
    const QPixmap icon = programIcon().pixmap(32, 32);
    ProgramIcon = makeImage(Panel1, QRect(16, 16, 41, 41), icon, true);
    ProductName = makeLabel(Panel1, QRect(64, 16, 133, 16), QStringLiteral("CD Vennix Designer"));
    QFont productFont = formFont();
    productFont.setPixelSize(pixelsForPoints(10));
    productFont.setBold(true);
    ProductName->setFont(productFont);
    Version = makeLabel(Panel1, QRect(64, 40, 53, 13), QStringLiteral("Version 1.1"));
    // These two size themselves to their text: they grow where this font is wider.
    for (QLabel *label : {ProductName, Version})
        label->resize(label->size().expandedTo(label->sizeHint()));
    Copyright
        = makeLabel(Panel1, QRect(8, 64, 201, 13), QStringLiteral("Copyright \u00A9 2000 Talmerin"),
                    Qt::AlignHCenter | Qt::AlignTop);

    URLLabel1 = new TURLLabel(Panel1);
    URLLabel1->setGeometry(8, 80, 201, 13);
    URLLabel1->setText(QString::fromLatin1(kHomePage));
    URLLabel1->URL = QString::fromLatin1(kHomePage);
    URLLabel1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    URLLabel1->setToolTip(QStringLiteral("Go to Talmerin"));

    Comments = makeLabel(Panel1, QRect(48, 96, 121, 31),
                         QStringLiteral("\"It's so easy that even my boss can use it!\""),
                         Qt::AlignHCenter | Qt::AlignTop, true);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setGeometry(87, 252, 66, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    Panel2 = makePanel(this, QRect(8, 144, 217, 105));
    Label1
        = makeLabel(Panel2, QRect(8, 8, 201, 57), QString(), Qt::AlignHCenter | Qt::AlignTop, true);
    const QPixmap emblemPixmap = QPixmap::fromImage(emblem());
    Image1 = makeImage(Panel2, QRect(8, 80, 30, 14), emblemPixmap, false);

    URLLabel2 = new TURLLabel(Panel2);
    URLLabel2->setGeometry(52, 72, 115, 26);
    URLLabel2->setText(QStringLiteral("National Red Cross and Red Crescent Societies"));
    URLLabel2->URL = QString::fromLatin1(kNationalSocietiesDirectory);
    URLLabel2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    URLLabel2->setWordWrap(true);
    // Two lines at 115 pixels in the original face. A wider face would push a third line
    // out of the panel, so the label first widens, about its centre, into the room between
    // the emblems; only then does it take more lines.
    for (int width = 115; width <= 131; width += 2) {
        URLLabel2->setGeometry(52 - (width - 115) / 2, 72, width, 26);
        if (URLLabel2->heightForWidth(width) <= 26)
            break;
    }
    URLLabel2->resize(URLLabel2->width(),
                      std::max(26, URLLabel2->heightForWidth(URLLabel2->width())));
    URLLabel2->setToolTip(QStringLiteral("Go to IFRC"));

    Image2 = makeImage(Panel2, QRect(176, 80, 30, 14), emblemPixmap, false);

    OKButton->setFocus();
}

// Escape closes nothing here: the box has no cancel button.
void TAboutBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TAboutBox::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    OKButton->setFocus();
}
