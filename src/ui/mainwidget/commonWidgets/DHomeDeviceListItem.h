#pragma once

#include <QString>
#include <QWidget>

namespace Ui {
class DHomeDeviceListItem;
}

// The home page's tile of an attached device: its picture with the product
// and display names under it. A press reports the device's path.
class DHomeDeviceListItem : public QWidget
{
    Q_OBJECT

public:
    explicit DHomeDeviceListItem(QWidget *parent = nullptr);
    ~DHomeDeviceListItem() override;

    void setDeviceInfo(int vid, int pid, QString hidPath, QString manufacturer, QString product, QString hidName,
                       int hidType);

    // The fixed width of a device's picture, or -1 to keep the form's.
    static int pictureWidth(int hidType, const QString &hidName);
    // The picture of a model, in the folder beside the executable.
    static QString picturePath(const QString &hidName);

signals:
    void sigHomeDeviceListItemMouseClicked(QString hidPath);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    Ui::DHomeDeviceListItem *ui;
    int m_vid = 0;
    int m_pid = 0;
    QString m_hidPath;
    QString m_manufacturer;
    QString m_product;
    QString m_hidName;
    int m_hidType = 0;
};
