#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class proFileOperateMenuToolWidget;
}

// The pop-up menu of a profile row: Export and Delete. It only signals;
// the row passes the choice on with its profile.
class proFileOperateMenuToolWidget : public QWidget
{
    Q_OBJECT

public:
    explicit proFileOperateMenuToolWidget(QWidget *parent = nullptr);
    ~proFileOperateMenuToolWidget() override;

signals:
    // Before every entry's own signal, so the pop-up is gone when it runs.
    void sigCloseMenuWidow();
    void sigProfileExport();
    void sigProfileDelete();
    void sigProfileModifyNanme();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<Ui::proFileOperateMenuToolWidget> m_ui;
};
