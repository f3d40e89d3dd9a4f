#include "shell/frmSplash.h"

#include "platform/gui/Controls.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Modal.h"
#include "shell/EditorFactories.h"
#include "shell/MainControls.h"
#include "shell/modMain.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {
const QString GameMakerSite = QStringLiteral("https://www.dunmarrow.example/");
const QString AuthorHomePage = QStringLiteral("https://quenby.example/");
const QString DonationPage = QStringLiteral("https://quenby.example/donate");
const char* const UrlProperty = "url";

// The logo: a shield with the editor's initial.
QPixmap Logo() {
    QPixmap logo(Tw(1440), Tw(1440));
    logo.fill(Qt::transparent);
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = logo.width();
    QPainterPath shield;
    shield.moveTo(s * 0.5, s * 0.04);
    shield.lineTo(s * 0.92, s * 0.18);
    shield.quadTo(s * 0.9, s * 0.72, s * 0.5, s * 0.96);
    shield.quadTo(s * 0.1, s * 0.72, s * 0.08, s * 0.18);
    shield.closeSubpath();
    p.setPen(QPen(QColor(0x5A, 0x3A, 0x12), s * 0.04));
    p.setBrush(QColor(0xB8, 0x86, 0x2E));
    p.drawPath(shield);
    QFont font = p.font();
    font.setPixelSize(static_cast<int>(s * 0.5));
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0xFF, 0xF4, 0xD6));
    p.drawText(QRectF(0, 0, s, s * 0.95), Qt::AlignCenter, QStringLiteral("Q"));
    return logo;
}

// The banner across the top of the window.
QPixmap Banner(int width) {
    QPixmap banner(width, Tw(600));
    QPainter p(&banner);
    QLinearGradient gradient(0, 0, width, 0);
    gradient.setColorAt(0, QColor(0x3B, 0x24, 0x0B));
    gradient.setColorAt(0.5, QColor(0xB8, 0x86, 0x2E));
    gradient.setColorAt(1, QColor(0x3B, 0x24, 0x0B));
    p.fillRect(banner.rect(), gradient);
    return banner;
}

QPixmap DonateButton() {
    QPixmap button(Tw(1500), Tw(450));
    button.fill(Qt::transparent);
    QPainter p(&button);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(0x1F, 0x4E, 0x8C));
    p.setBrush(QColor(0xFF, 0xC4, 0x39));
    p.drawRoundedRect(QRectF(button.rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    p.drawText(button.rect(), Qt::AlignCenter, QStringLiteral("Donate"));
    return button;
}

QLabel* WrappedLabel(const char* name, const QString& text, QWidget* parent) {
    QLabel* label = NamedLabel(name, text, parent);
    label->setWordWrap(true);
    return label;
}
} // namespace

frmSplash::frmSplash(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(WindowCaption());
    const int width = Tw(9000);

    auto* layout = new QVBoxLayout(this);
    QLabel* image2 = NamedLabel("Image2", QString(), this);
    image2->setPixmap(Banner(width));
    layout->addWidget(image2);

    auto* head = new QHBoxLayout;
    QLabel* image1 = NamedLabel("Image1", QString(), this);
    image1->setPixmap(Logo());
    image1->setAlignment(Qt::AlignTop);
    head->addWidget(image1);
    auto* texts = new QVBoxLayout;
    lblProgName = NamedLabel("lblProgName", QString(), this);
    QFont titleFont = lblProgName->font();
    titleFont.setPointSize(titleFont.pointSize() + 4);
    titleFont.setBold(true);
    lblProgName->setFont(titleFont);
    lblProgVer = NamedLabel("lblProgVer", QString(), this);
    lblCompiled = NamedLabel("lblCompiled", QString(), this);
    lblC1 = NamedLabel("lblC1", QString(), this);
    QLabel* lblBy = NamedLabel("lblBy", QStringLiteral("Written by Quenby."), this);
    QLabel* lblRights = WrappedLabel(
        "lblRights",
        QStringLiteral("Corvane, Corvane Orvath and Corvane Kelbrin are trademarks of Dunmarrow "
                       "Entertainment, which holds all rights to the game and its data."),
        this);
    for (QLabel* label : {lblProgName, lblProgVer, lblCompiled, lblC1, lblBy, lblRights})
        texts->addWidget(label);
    head->addLayout(texts, 1);
    layout->addLayout(head);

    lblInfo1 = WrappedLabel("lblInfo1", QString(), this);
    lblInfo1->setFrameShape(QFrame::StyledPanel);
    lblInfo1->setMargin(Tw(90));
    layout->addWidget(lblInfo1);

    auto* links = new QHBoxLayout;
    QLabel* lblHTTP = NamedLabel("lblHTTP", QStringLiteral("Dunmarrow Entertainment"), this);
    QLabel* lblHttpQuenby = NamedLabel("lblHttpQuenby", QStringLiteral("Quenby's home page"), this);
    QLabel* picDonate = NamedLabel("picDonate", QString(), this);
    picDonate->setPixmap(DonateButton());
    picDonate->setToolTip(QStringLiteral("Support the editor"));
    makeLink(lblHTTP, GameMakerSite);
    makeLink(lblHttpQuenby, AuthorHomePage);
    makeLink(picDonate, DonationPage);
    links->addWidget(lblHTTP);
    links->addSpacing(Tw(300));
    links->addWidget(lblHttpQuenby);
    links->addStretch();
    links->addWidget(picDonate);
    layout->addLayout(links);

    QPushButton* cmdOk = NamedButton("cmdOk", QStringLiteral("Accept"), this);
    cmdOk->setMinimumWidth(Tw(1500));
    layout->addWidget(cmdOk, 0, Qt::AlignRight);
    connect(cmdOk, &QPushButton::clicked, this, &QWidget::close);
    cmdOk->setFocus();

    formLoad();
    FixSizeToContents(this);
}

void frmSplash::formLoad() {
    lblProgName->setText(ProgramTitle);
    lblProgVer->setText(ProgramVersion + QStringLiteral(" (for Corvane Orvath/Kelbrin 1.143)"));
    lblCompiled->setText(QStringLiteral("Program compiled at: ") +
                         QStringLiteral("August 12, 2011"));
    lblC1->setText(QStringLiteral("Program: Quenby\nLogo and banner: Quenby"));
    lblInfo1->setText(
        QStringLiteral("This tool is no official software from Dunmarrow Entertainment.\n"
                       "Use it at your own risk.\n\n"
                       "For this reason, I accept   N O   K I N D   of liability or legal "
                       "responsibility for any results of ") +
        QStringLiteral("erroneous usage of this software, possible program errors, or results of "
                       "erroneous constellations of software, drivers and hardware!"));
}

void frmSplash::makeLink(QLabel* label, const QString& url) {
    label->setProperty(UrlProperty, url);
    label->setCursor(Qt::PointingHandCursor);
    if (label->pixmap().isNull()) {
        QFont font = label->font();
        font.setUnderline(true);
        label->setFont(font);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
        label->setPalette(palette);
    }
    label->installEventFilter(this);
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        const QString url = watched->property(UrlProperty).toString();
        if (!url.isEmpty()) {
            OpenWebPage(url);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ShowAboutWindow() {
    ShowModal(new frmSplash);
}
