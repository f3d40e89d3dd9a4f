#pragma once

#include <QWidget>

class QLabel;

// The splash at every start and the about window: title, version, credits and
// disclaimer, three links to web pages, and "Accept", which closes it.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Makes the label open `url` in the user's browser when clicked.
    void makeLink(QLabel* label, const QString& url);
    void formLoad();

    QLabel* lblProgName = nullptr;
    QLabel* lblProgVer = nullptr;
    QLabel* lblCompiled = nullptr;
    QLabel* lblC1 = nullptr;
    QLabel* lblInfo1 = nullptr;
};
