#include "shell/frmMessage.h"

#include "platform/gui/Controls.h"
#include "platform/gui/Modal.h"
#include "shell/EditorFactories.h"
#include "shell/MainControls.h"
#include "shell/modMain.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {
bool IsEnter(const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
} // namespace

frmMessage::frmMessage(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmMessage"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(MsgTitle);

    auto* layout = new QVBoxLayout(this);
    lblMsg = NamedLabel("lblMsg", MsgText, this);
    lblMsg->setWordWrap(true);
    lblMsg->setTextInteractionFlags(Qt::NoTextInteraction);
    layout->addWidget(lblMsg);

    txtEntry = Named(new QPlainTextEdit(this), "txtEntry");
    // The record's lines are separated by CR LF; the box shows them as lines.
    txtEntry->setPlainText(QString(MsgEntry).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    txtEntry->setReadOnly(true);
    txtEntry->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtEntry->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtEntry->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtEntry->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txtEntry->setFixedSize(Tw(10500), Tw(3600));
    txtEntry->installEventFilter(this);
    layout->addWidget(txtEntry);

    cmdOk = NamedButton("cmdOk", QStringLiteral("Ok"), this);
    cmdOk->setMinimumWidth(Tw(1200));
    layout->addWidget(cmdOk, 0, Qt::AlignHCenter);
    connect(cmdOk, &QPushButton::clicked, this, &QWidget::close);
    FixSizeToContents(this);

    // Once the window stands, Enter means OK.
    Timer1 = Named(new QTimer(this), "Timer1");
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, [this] { cmdOk->setFocus(); });
    Timer1->start(25);
}

void frmMessage::keyPressEvent(QKeyEvent* event) {
    if (IsEnter(event)) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool frmMessage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtEntry && IsEnter(event)) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ShowMessageWindow() {
    ShowModal(new frmMessage);
}

void ShowResult(const QString& title, const QString& text, const QString& entry) {
    MsgTitle = title;
    MsgText = text;
    MsgEntry = entry;
    ShowMessageWindow();
}

void ShowStoredPythonEntry(const QString& kind, const QStringList& lines, int index) {
    if (index < 0 || index >= lines.size())
        return;
    ShowResult(QStringLiteral("Python ") + kind + QStringLiteral(" line"),
               QStringLiteral("Python line of the selected ") + kind + u':', lines[index]);
}
