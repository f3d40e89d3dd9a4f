#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// The result window of an add or update: caption MsgTitle, the text MsgText
// and the record MsgEntry in a box the user can select and copy from. OK or
// Enter closes it.
class frmMessage : public QWidget {
    Q_OBJECT
public:
    explicit frmMessage(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* lblMsg = nullptr;
    QPlainTextEdit* txtEntry = nullptr;
    QPushButton* cmdOk = nullptr;
    QTimer* Timer1 = nullptr;
};
