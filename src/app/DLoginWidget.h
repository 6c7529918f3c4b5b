#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class DLoginWidget;
}

// The start-up gate. It is never shown: the application object asks it to
// log in at once and it reports success, then fades out.
class DLoginWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DLoginWidget(QWidget *parent = nullptr);
    ~DLoginWidget() override;

    // Fades the gate's opacity from 1 to 0 in 100 ms, then hides it.
    void fadeOut();

signals:
    void sigLoginFinished(bool ok);

public slots:
    void on_pushButton_Login_clicked();

private:
    std::unique_ptr<Ui::DLoginWidget> m_ui;
};
