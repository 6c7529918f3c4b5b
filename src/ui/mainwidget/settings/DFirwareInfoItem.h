#pragma once

#include <QString>
#include <QWidget>

namespace Ui {
class DFirwareInfoItem;
}

// One device of the firmware information dialog: its identification text
// above its firmware version and build date.
class DFirwareInfoItem : public QWidget
{
    Q_OBJECT

public:
    explicit DFirwareInfoItem(QWidget *parent = nullptr);
    ~DFirwareInfoItem() override;

    // The key loses its running number up to the first "-"; the value shows as it is.
    void setInfo(const QString &key, const QString &value);

private:
    Ui::DFirwareInfoItem *ui;
};
